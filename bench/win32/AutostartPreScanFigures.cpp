// The run's pre-scan with "Smart Autorun detect" under Wine, on the real registry, file system and
// shortcuts (read as sequora.exe reads them): 200 Run values of the current user and 200 shortcuts
// in nested folders of the user's Startup folder; a list of 101 programs, 5 of which Windows also
// starts (3 by a Run value written in another letter case, 2 by a shortcut). Printed, without and
// with "Auto-Remove": the duplicate check alone, asked for the 101 entries, and the countdown tick
// of the main window Form1 that holds the whole pre-scan (programs are not really started, nothing
// is shown), each with its number of scans. Not a test: run it by hand (README, "Measuring").
//   cd build/windows && WINEPREFIX=$PWD/wineprefix WINEDEBUG=-all wine figures/figure_AutostartPreScanFigures.exe
#include <windows.h>
#include <shlobj.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "autostart/Registry.h"
#include "autostart/Shortcuts.h"
#include "autostart/WindowsAutostartCheck.h"
#include "forms/main/Form1.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeDownload.h"
#include "platform/fake/FakeIcons.h"
#include "platform/fake/FakeLauncher.h"
#include "platform/fake/FakePopupMenus.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeWindows.h"
#include "platform/lnk/LnkShellLinks.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellFolders.h"
#include "platform/win32/Win32ShellLinks.h"
#include "support/ManualClock.h"

using namespace sequora;

namespace {

constexpr char kRunSubKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
constexpr int kValues = 200;
constexpr int kEntries = 101;

// Sequora's folder is a scratch folder, not the figure program's own.
class ScratchEnvironment : public platform::win32::Win32Environment {
 public:
  explicit ScratchEnvironment(std::string dir) : dir_(std::move(dir)) {}
  std::string AppPath() override { return dir_; }
  std::string ExeName() override { return "Sequora"; }

 private:
  std::string dir_;
};

std::string Startup() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// "<root>\<kind> k\program k.exe"
std::string Program(const std::string& root, const char* kind, int k) {
  return root + "\\" + kind + " " + std::to_string(k) + "\\program " + std::to_string(k) + ".exe";
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

struct Machine {
  platform::win32::Win32FileSystem fs;
  platform::win32::Win32Registry registry;
  platform::win32::Win32CodePage codePage;
  platform::win32::Win32Environment linkEnvironment;
  platform::lnk::LnkShellLinks portableLinks{fs, codePage, &linkEnvironment};
  // As sequora.exe reads them.
  platform::win32::Win32ShellLinks links{&portableLinks, platform::win32::Win32ShellLinks::ReadOrder::FallbackFirst};
  platform::win32::Win32ShellFolders shell;
  std::string root, app, startupFigures;

  Machine() {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    root = std::string(tmp) + "seqprescan";
    app = root + "\\app";
    startupFigures = Startup() + "\\SeqPreScan";
  }

  void File(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    (void)fs.WriteFile(path, "MZ");
  }

  // Windows' autostart: value k starts "run k", shortcut k "link k". The list's entries 1..3 are
  // "run 0..2" (the values written in capitals), entries 4 and 5 "link 0..1", the rest "list n".
  void Build(bool autoRemove) {
    Clean();
    std::filesystem::create_directories(app);
    for (int k = 0; k < kValues; ++k) {
      const std::string program = Program(root, "run", k);
      File(program);
      (void)autostart::WriteRegistryText(registry, "HKEY_CURRENT_USER", kRunSubKey, "SeqPreScan " + std::to_string(k),
                                         "\"" + (k < 3 ? Upper(program) : program) + "\" /background", REG_SZ);
      const std::string target = Program(root, "link", k);
      File(target);
      const std::string folder =
          startupFigures + "\\Group " + std::to_string(k / 20) + "\\Sub " + std::to_string(k % 5);
      std::filesystem::create_directories(folder);
      (void)autostart::CreateShortcut(links, target, folder + "\\Link " + std::to_string(k) + ".lnk", "-tray", "",
                                      "", "", 0);
    }
    std::string ini = "[MainSettings]\r\nInitialStartupTime=1\r\nCheckRunningProgramTasks=0\r\n";
    ini += "SkipWindowsAutoRunPrograms=1\r\nAutoRemoveDoublesFromWindowsAutostart=";
    ini += autoRemove ? "1\r\n[ProgramList]\r\n" : "0\r\n[ProgramList]\r\n";
    for (int n = 1; n <= kEntries; ++n) {
      const std::string program = Call(n);
      File(program);
      const std::filesystem::path path(program);
      const std::string key = "Program" + std::to_string(n);
      ini += key + "=" + path.filename().string() + "\r\n" + key + "Dir=" + path.parent_path().string() +
             "\\\r\n" + key + "StartupDelay=5\r\n";
    }
    (void)fs.WriteFile(app + "\\Sequora.ini", ini);
  }

  std::string Call(int n) const {
    return n <= 3 ? Program(root, "run", n - 1) : n <= 5 ? Program(root, "link", n - 4) : Program(root, "list", n);
  }

  void Clean() {
    for (int k = 0; k < kValues; ++k)
      autostart::DeleteRegistryValue(registry, "HKEY_CURRENT_USER", kRunSubKey, "SeqPreScan " + std::to_string(k));
    std::error_code ec;
    std::filesystem::remove_all(startupFigures, ec);
    std::filesystem::remove_all(root, ec);
  }
};

void Measure(Machine& m, bool autoRemove) {
  m.Build(autoRemove);
  ScratchEnvironment env(m.app);
  platform::win32::Win32Processes processes;
  platform::FakeDialogs dialogs;
  platform::FakeLauncher launcher;
  platform::FakeWindows windows;
  platform::FakeTray tray;
  platform::FakeIcons icons;
  platform::FakeDownload download{m.fs};
  platform::FakePopupMenus popupMenus;
  platform::Platform services{m.fs,         env,   dialogs, processes, launcher, windows,   m.registry,
                              m.links,      tray,  icons,   m.shell,   download, popupMenus};
  // The check alone, asked for the 101 entries as the run asks it.
  {
    autostart::AutostartPlatform ap{m.registry, m.fs, m.links, env, m.shell};
    autostart::WindowsAutostartCheck check(ap, m.app + "\\Sequora.ini", m.app + "\\Backup\\");
    int found = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int n = 1; n <= kEntries; ++n) found += check.CheckWindowsAutostart(m.Call(n), autoRemove).found;
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("duplicate check alone%s: %d of %d entries found, %d scan(s), %.0f ms\n",
                autoRemove ? ", Auto-Remove" : "", found, kEntries, check.Scans(), ms);
    m.Build(autoRemove);
  }
  forms::Form1 form(services);
  test::ManualClock clock;
  clock.Watch(form);
  form.Load();
  double tickMs = 0;
  for (int tick = 0; tick < 5 && form.autostartCheck.Scans() == 0; ++tick) {
    const auto start = std::chrono::steady_clock::now();
    clock.Advance(1000);
    tickMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  std::printf("pre-scan of %d entries against %d Run values and %d shortcuts%s: %d scan(s), %d taken out, "
              "%.0f ms for the tick that holds it\n",
              kEntries, kValues, kValues, autoRemove ? ", Auto-Remove" : "", form.autostartCheck.Scans(),
              form.autostartCheck.TakenOut(), tickMs);
  form.Unload();
}

}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    Machine m;
    Measure(m, false);
    Measure(m, true);
    m.Clean();
  }
  CoUninitialize();
  return 0;
}
