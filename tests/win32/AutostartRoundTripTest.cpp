// Taking autostart items out of the real registry and Startup folders under Wine and putting them
// back: an expandable value, a value of the 32-bit registry view, and two shortcuts of one name in
// the user's and the common Startup folder.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "autostart/AutostartImport.h"
#include "autostart/Shortcuts.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellFolders.h"
#include "platform/win32/Win32ShellLinks.h"

using namespace sequora::autostart;
using namespace sequora::platform::win32;

namespace {

constexpr char kRunSubKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kUserRun = std::string("HKEY_CURRENT_USER\\") + kRunSubKey + "\\";
const std::string kMachineRun32 =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\";

// Every program is welcome in the list.
class AcceptingList : public ProgramListEditor {
 public:
  AddResult AddProgram(const AutostartItem& item, int) override {
    added.push_back(item.command);
    return AddResult::Added;
  }
  void RemoveProgram(const std::string& commandLine) override { removed.push_back(commandLine); }
  std::vector<std::string> added, removed;
};

struct Read {
  DWORD type = REG_NONE;
  std::string data;
  bool found = false;
};

Read ReadValue(HKEY root, const char* subKey, const std::string& name, REGSAM view = 0) {
  Read r;
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS) return r;
  UniqueKey key(opened);
  char buffer[1024] = {};
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &r.type, reinterpret_cast<BYTE*>(buffer), &size) !=
      ERROR_SUCCESS)
    return r;
  r.found = true;
  r.data = buffer;
  return r;
}

void WriteValue(HKEY root, const char* subKey, const std::string& name, DWORD type, const std::string& data,
                REGSAM view = 0) {
  HKEY created = nullptr;
  ASSERT_EQ(RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &created, nullptr),
            ERROR_SUCCESS);
  UniqueKey key(created);
  ASSERT_EQ(RegSetValueExA(key.Get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>(data.size() + 1)),
            ERROR_SUCCESS);
}

void DeleteValue(HKEY root, const char* subKey, const std::string& name, REGSAM view = 0) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, subKey, 0, KEY_SET_VALUE | view, &opened) != ERROR_SUCCESS) return;
  UniqueKey key(opened);
  RegDeleteValueA(key.Get(), name.c_str());
}

std::string ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
  return std::string(path) + "\\";
}

std::string Bytes(const std::string& file) {
  Win32FileSystem fs;
  return fs.ReadFile(file).value_or("<missing>");
}

class RealAutostart : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    appDir_ = std::string(tmp) + "sequora autostart " + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(appDir_.c_str(), nullptr);
    userStartup_ = ShellFolder(CSIDL_STARTUP);
    commonStartup_ = ShellFolder(CSIDL_COMMON_STARTUP);
  }
  void TearDown() override {
    // Whatever a failed test left behind.
    DeleteValue(HKEY_CURRENT_USER, kRunSubKey, valueExpand_);
    DeleteValue(HKEY_LOCAL_MACHINE, kRunSubKey, value32_, KEY_WOW64_32KEY);
    std::error_code ec;
    std::filesystem::remove(userStartup_ + linkName_, ec);
    std::filesystem::remove(commonStartup_ + linkName_, ec);
    std::filesystem::remove_all(userStartup_ + "SeqFig", ec);
    std::filesystem::remove_all(appDir_, ec);
  }

  AutostartPlatform Platform() { return {registry_, fs_, links_, env_, shell_}; }

  std::string appDir_, userStartup_, commonStartup_;
  const std::string valueExpand_ = "SeqTest Expand " + std::to_string(GetCurrentProcessId());
  const std::string value32_ = "SeqTest 32 " + std::to_string(GetCurrentProcessId());
  const std::string linkName_ = "SeqTest Same " + std::to_string(GetCurrentProcessId()) + ".lnk";
  Win32Registry registry_;
  Win32FileSystem fs_;
  Win32ShellLinks links_;
  Win32Environment env_;
  Win32ShellFolders shell_;
};

}  // namespace

TEST_F(RealAutostart, TakenOutAndRestoredItemsComeBackAsTheyWere) {
  WriteValue(HKEY_CURRENT_USER, kRunSubKey, valueExpand_, REG_EXPAND_SZ,
             "%SystemRoot%\\system32\\notepad.exe /seqtest");
  WriteValue(HKEY_LOCAL_MACHINE, kRunSubKey, value32_, REG_SZ, "\"C:\\seqtest\\tool32.exe\" -x",
             KEY_WOW64_32KEY);
  ASSERT_TRUE(
      CreateShortcut(links_, "C:\\windows\\notepad.exe", userStartup_ + linkName_, "user", "", "", "", 0));
  ASSERT_TRUE(CreateShortcut(links_, "C:\\windows\\regedit.exe", commonStartup_ + linkName_, "common", "", "",
                             "", 0));
  const std::string userBytes = Bytes(userStartup_ + linkName_);
  const std::string commonBytes = Bytes(commonStartup_ + linkName_);

  AcceptingList list;
  AutostartImport import(Platform(), list, appDir_ + "Sequora.ini", appDir_ + "Backup");
  ImportModeLists lists = import.LoadImportMode({true, true});
  std::vector<AutostartItem> ours;
  for (const auto* items : {&lists.registryItems, &lists.shortcutItems})
    for (const AutostartItem& item : *items)
      if (item.location.find("SeqTest") != std::string::npos &&
          item.location.find(std::to_string(GetCurrentProcessId())) != std::string::npos)
        ours.push_back(item);
  ASSERT_EQ(ours.size(), 4u);
  EXPECT_EQ(ours[0].location, kUserRun + valueExpand_);
  EXPECT_EQ(ours[0].valueType, static_cast<std::uint32_t>(REG_EXPAND_SZ));
  EXPECT_EQ(ours[1].location, kMachineRun32 + value32_);  // the 32-bit view, under its own path
  EXPECT_EQ(ours[2].location, userStartup_ + linkName_);
  EXPECT_EQ(ours[3].location, commonStartup_ + linkName_);
  EXPECT_EQ(ours[2].command, "C:\\windows\\notepad.exe user");

  for (const AutostartItem& item : ours) {
    ImportResult r = import.Import(item, 1);
    EXPECT_EQ(r.status, ImportStatus::Imported) << item.location << (r.message ? "\n" + r.message->text : "");
  }
  EXPECT_FALSE(ReadValue(HKEY_CURRENT_USER, kRunSubKey, valueExpand_).found);
  EXPECT_FALSE(ReadValue(HKEY_LOCAL_MACHINE, kRunSubKey, value32_, KEY_WOW64_32KEY).found);
  EXPECT_FALSE(fs_.FileExists(userStartup_ + linkName_));
  EXPECT_FALSE(fs_.FileExists(commonStartup_ + linkName_));
  const std::string secondName = linkName_.substr(0, linkName_.size() - 4) + " (2).lnk";
  EXPECT_EQ(Bytes(appDir_ + "Backup\\" + linkName_), userBytes);
  EXPECT_EQ(Bytes(appDir_ + "Backup\\" + secondName), commonBytes);

  RestoreModeLists restore = import.LoadRestoreMode();
  ASSERT_EQ(restore.registryRecords.size(), 2u);
  ASSERT_EQ(restore.shortcutRecords.size(), 2u);
  for (const RestoreResult& r : import.RestoreAll(restore.registryRecords))
    EXPECT_TRUE(r.ok()) << (r.message ? r.message->text : "");
  for (const RestoreResult& r : import.RestoreAll(restore.shortcutRecords))
    EXPECT_TRUE(r.ok()) << (r.message ? r.message->text : "");

  Read expand = ReadValue(HKEY_CURRENT_USER, kRunSubKey, valueExpand_);
  EXPECT_EQ(expand.type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(expand.data, "%SystemRoot%\\system32\\notepad.exe /seqtest");
  Read view32 = ReadValue(HKEY_LOCAL_MACHINE, kRunSubKey, value32_, KEY_WOW64_32KEY);
  EXPECT_EQ(view32.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(view32.data, "\"C:\\seqtest\\tool32.exe\" -x");
  EXPECT_FALSE(ReadValue(HKEY_LOCAL_MACHINE, kRunSubKey, value32_, KEY_WOW64_64KEY).found);
  EXPECT_EQ(Bytes(userStartup_ + linkName_), userBytes);
  EXPECT_EQ(Bytes(commonStartup_ + linkName_), commonBytes);
  EXPECT_TRUE(import.LoadRestoreMode().registryRecords.empty());
  EXPECT_EQ(list.removed.size(), 4u);
}

TEST_F(RealAutostart, AFolderLinkBackToTheStartupFolderIsNotFollowed) {
  const std::string folder = userStartup_ + "SeqFig\\";
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(CreateShortcut(links_, "C:\\windows\\notepad.exe", folder + "Inside.lnk", "", "", "", "", 0));
  // Wine reports success without making the link; Windows makes it (developer mode or elevation).
  if (!CreateSymbolicLinkA((folder + "Loop").c_str(), folder.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) ||
      GetFileAttributesA((folder + "Loop").c_str()) == INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "no directory links on this system";
  auto listing = fs_.ListDirectory(folder + "*.*");
  ASSERT_TRUE(listing);
  bool reported = false;
  for (const auto& e : *listing)
    reported = reported || (e.name == "Loop" && e.isDirectory && e.isReparsePoint);
  EXPECT_TRUE(reported);
  std::vector<std::string> found = FindShortcutFiles(fs_, folder);
  EXPECT_EQ(found, std::vector<std::string>{folder + "Inside.lnk"});
  RemoveDirectoryA((folder + "Loop").c_str());
}
