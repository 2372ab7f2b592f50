// The main window's settings panel and online update against Wine's shell, registry, WinHTTP and
// process start: Sequora's own shortcut in the Startup folder the shell names, and the updater
// fetched from a small HTTP server that this test runs on the loopback address. Message boxes and
// the end of the program are recorded (fakes), so the test sees them and goes on.
#include <winsock2.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "Win32TestSupport.h"
#include "base/StringOps.h"
#include "forms/main/Form1.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeIcons.h"
#include "platform/fake/FakePopupMenus.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeWindows.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Download.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellFolders.h"
#include "platform/win32/Win32ShellLinks.h"

using namespace sequora;
using test::ExpectedReport;
using test::HelperExe;
using test::Report;
using test::Scratch;

namespace {

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A main window on Wine's file system, registry, shell, WinHTTP and process start.
struct Machine {
  platform::win32::Win32FileSystem fileSystem;
  platform::FakeEnvironment environment;
  platform::FakeDialogs dialogs;
  platform::FakeProcesses processes;
  platform::win32::Win32Launcher launcher;
  platform::FakeWindows windows;
  platform::win32::Win32Registry registry;
  platform::win32::Win32ShellLinks shellLinks;
  platform::FakeTray tray;
  platform::FakeIcons icons;
  platform::win32::Win32ShellFolders shellFolders;
  platform::win32::Win32Download download;
  platform::FakePopupMenus popupMenus;
  platform::Platform platform{fileSystem, environment, dialogs, processes,    launcher, windows,    registry,
                              shellLinks, tray,        icons,   shellFolders, download, popupMenus};
  std::unique_ptr<forms::Form1> form;

  Machine(const std::string& folder, const std::string& exeName, const std::string& settings) {
    environment.appPath = folder;
    environment.exeName = exeName;
    std::ofstream(folder + "\\Sequora.ini", std::ios::binary) << "[MainSettings]\r\n"
                                                              << settings << "[ProgramList]\r\n";
  }
  forms::Form1& Load() {
    form = std::make_unique<forms::Form1>(platform);
    form->Load();
    return *form;
  }
};

// A tiny HTTP/1.0 server on every address of this machine, on a port the system picks: it serves
// one file under one path and answers 404 otherwise, and counts the connections it accepted.
class LoopbackServer {
 public:
  LoopbackServer(std::string path, std::string content) : path_(std::move(path)), content_(std::move(content)) {
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = 0;
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    ::listen(listener_, 4);
    int length = sizeof(address);
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~LoopbackServer() {
    ::closesocket(listener_);  // accept() returns with an error: the thread ends
    thread_.join();
    ::WSACleanup();
  }
  int Port() const { return port_; }
  int Connections() const { return connections_; }
  std::string Url(const std::string& host, const std::string& path) const {
    return "http://" + host + ":" + std::to_string(port_) + path;
  }

 private:
  void Serve() {
    for (;;) {
      SOCKET client = ::accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return;
      ++connections_;
      std::string request;
      char buffer[1024];
      while (request.find("\r\n\r\n") == std::string::npos) {
        const int got = ::recv(client, buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<size_t>(got));
      }
      const bool found = request.rfind("GET " + path_ + " ", 0) == 0;
      const std::string body = found ? content_ : "not here";
      const std::string answer = std::string(found ? "HTTP/1.0 200 OK" : "HTTP/1.0 404 Not Found") +
                                 "\r\nContent-Length: " + std::to_string(body.size()) +
                                 "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n" + body;
      for (size_t sent = 0; sent < answer.size();) {
        const int n = ::send(client, answer.data() + sent, static_cast<int>(answer.size() - sent), 0);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
      }
      ::shutdown(client, SD_SEND);
      ::closesocket(client);
    }
  }

  std::string path_;
  std::string content_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<int> connections_{0};
  std::thread thread_;
};

// A port on the loopback address where nothing listens (the system gave it out and took it back).
int UnusedPort() {
  WSADATA data;
  ::WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET probe = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  int length = sizeof(address);
  ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
  ::closesocket(probe);
  ::WSACleanup();
  return ntohs(address.sin_port);
}

std::string ShellStartupFolder() {
  char path[MAX_PATH] = {};
  return SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

struct LinkFields {
  std::string target, arguments, folder;
};

// The shortcut as the shell's own link object reads it.
std::optional<LinkFields> ReadWithShell(const std::string& file) {
  platform::win32::ComPtr<IShellLinkA> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.PutVoid())))
    return std::nullopt;
  platform::win32::ComPtr<IPersistFile> persist;
  if (FAILED(link->QueryInterface(IID_IPersistFile, persist.PutVoid()))) return std::nullopt;
  std::wstring wide(file.begin(), file.end());
  if (FAILED(persist->Load(wide.c_str(), STGM_READ))) return std::nullopt;
  char target[MAX_PATH] = {}, arguments[1024] = {}, folder[MAX_PATH] = {};
  link->GetPath(target, MAX_PATH, nullptr, 0);
  link->GetArguments(arguments, sizeof(arguments));
  link->GetWorkingDirectory(folder, MAX_PATH);
  return LinkFields{target, arguments, folder};
}

class SettingsAndUpdate : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  static void TearDownTestSuite() { ::CoUninitialize(); }
};

}  // namespace

TEST_F(SettingsAndUpdate, AutorunOnStartupPutsAShortcutIntoTheShellsStartupFolderAndTakesItOut) {
  Scratch scratch("sequora own autostart");
  const std::string exeName = "SequoraTest" + std::to_string(::GetCurrentProcessId());
  Machine machine(scratch.Path(), exeName, "InitialStartupTime=20\r\n");
  machine.environment.arguments = "/from logon";
  const std::string startup = ShellStartupFolder();
  ASSERT_FALSE(startup.empty());
  const std::string shortcut = startup + "\\" + exeName + ".lnk";
  ::DeleteFileA(shortcut.c_str());

  forms::Form1& f = machine.Load();
  EXPECT_EQ(f.settingsPanel.AutoStartMeChk.Value(), 0);
  f.Command11.RaiseClick();
  f.settingsPanel.AutoStartMeChk.RaiseClick();
  f.settingsPanel.Command5.RaiseClick();
  EXPECT_TRUE(machine.dialogs.shown.empty());

  const std::optional<LinkFields> link = ReadWithShell(shortcut);
  ASSERT_TRUE(link) << shortcut;
  EXPECT_TRUE(EqualsNoCase(link->target, scratch.Path() + "\\" + exeName + ".exe")) << link->target;
  EXPECT_EQ(link->arguments, "/from logon");
  EXPECT_TRUE(EqualsNoCase(link->folder, scratch.Path())) << link->folder;
  EXPECT_EQ(machine.Load().settingsPanel.AutoStartMeChk.Value(), 1);  // the next start sees it

  machine.form->settingsPanel.AutoStartMeChk.RaiseClick();
  machine.form->settingsPanel.Command5.RaiseClick();
  EXPECT_EQ(::GetFileAttributesA(shortcut.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(SettingsAndUpdate, OnlineUpdateFetchesTheUpdaterStartsItWithUrlAndPathAndEnds) {
  Scratch scratch("sequora update");
  LoopbackServer server("/Update.exe", ReadWhole(HelperExe()));
  const std::string programUrl = server.Url("127.0.0.1", "/Sequora.exe");
  Machine machine(scratch.Path(), "Sequora",
                  "UpdateUrl=" + programUrl + "\r\nUpdaterUrl=" + server.Url("127.0.0.1", "/Update.exe") + "\r\n");
  forms::Form1& f = machine.Load();
  ExpectedReport expected(scratch);
  f.wwwLink.RaiseClick();
  EXPECT_TRUE(machine.dialogs.shown.empty());
  EXPECT_TRUE(machine.windows.Ended());

  const std::optional<Report> report = expected.Wait();
  ASSERT_TRUE(report);
  const std::string updater = scratch.Path() + "\\Update.exe";
  EXPECT_EQ(report->commandLine, "\"" + updater + "\" [URL]" + programUrl + " [PATH]Sequora.exe");
  EXPECT_EQ(report->args, (std::vector<std::string>{"[URL]" + programUrl, "[PATH]Sequora.exe"}));
  EXPECT_TRUE(EqualsNoCase(report->folder, scratch.Path())) << report->folder;
  EXPECT_EQ(ReadWhole(updater), ReadWhole(HelperExe()));
  EXPECT_EQ(server.Connections(), 1);
}

TEST_F(SettingsAndUpdate, AnUnreachableServerSaysDownloadFailedAndAPlainHttpHostIsNeverAsked) {
  Scratch scratch("sequora update fails");
  LoopbackServer server("/Update.exe", "MZ");
  // https to a port where nothing listens: the connection is refused.
  Machine machine(scratch.Path(), "Sequora",
                  "UpdaterUrl=https://127.0.0.1:" + std::to_string(UnusedPort()) + "/Update.exe\r\n");
  forms::Form1& f = machine.Load();
  f.wwwLink.RaiseClick();
  ASSERT_EQ(machine.dialogs.shown.size(), 1u);
  EXPECT_EQ(machine.dialogs.shown[0].text, "Update.exe\r\rDownload Failed! ");
  EXPECT_FALSE(machine.windows.Ended());
  EXPECT_TRUE(f.wwwLink.Enabled());
  EXPECT_EQ(::GetFileAttributesA((scratch.Path() + "\\Update.exe").c_str()), INVALID_FILE_ATTRIBUTES);

  // Another host over plain http: 127.0.0.2 would reach the server (it listens on every address),
  // but the address is refused before any connection.
  const std::string otherHost = server.Url("127.0.0.2", "/Update.exe");
  Machine second(scratch.Path(), "Sequora", "UpdaterUrl=" + otherHost + "\r\n");
  second.Load().wwwLink.RaiseClick();
  ASSERT_EQ(second.dialogs.shown.size(), 1u);
  EXPECT_NE(second.dialogs.shown[0].text.find("is not allowed"), std::string::npos);
  EXPECT_FALSE(second.download.DownloadToFile(otherHost, scratch.Path() + "\\x.bin").ok);
  EXPECT_EQ(server.Connections(), 0);
  EXPECT_FALSE(second.windows.Ended());
  // The same server through the loopback address answers: the refusal above was the address's.
  EXPECT_TRUE(second.download.DownloadToFile(server.Url("127.0.0.1", "/Update.exe"), scratch.Path() + "\\x.bin").ok);
  EXPECT_EQ(server.Connections(), 1);
}
