#pragma once
// A Windows machine in memory for the autostart tests: Run keys, Startup folders with real .lnk
// files, Windows' startup switches, a Sequora folder with its settings file, and a program list
// behind the editor interface.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "autostart/AutostartImport.h"
#include "autostart/ProgramIdentity.h"
#include "autostart/Shortcuts.h"
#include "platform/fake/FakeCodePage.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShellFolders.h"
#include "platform/lnk/LnkShellLinks.h"

namespace sequora::autostart::testing {

inline const std::string kUserRun = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::string kUserRun32 = "HKEY_CURRENT_USER\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::string kMachineRun = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::string kMachineRun32 =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const std::string kApproved = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
inline const std::string kUserStartup = "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\";
inline const std::string kCommonStartup = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp\\";
inline const std::string kAppDir = "C:\\Sequora\\";
inline const std::string kIni = "C:\\Sequora\\Sequora.ini";
inline const std::string kBackupDir = "C:\\Sequora\\Backup\\";

// The program list as the editor would keep it: command lines, at most `capacity`, a program
// counted once. RemoveProgram drops the first entry starting the same program file.
class TestList : public ProgramListEditor {
 public:
  TestList(platform::FileSystem& fs, platform::Environment& env) : fs_(fs), env_(env) {}

  AddResult AddProgram(const AutostartItem& item, int startPosition) override {
    ++adds;
    lastStart = startPosition;
    lastDisabled = item.disabledInWindows;
    if (refuseAll) return AddResult::Refused;
    if (Contains(item.command)) return AddResult::AlreadyListed;
    if (static_cast<int>(entries.size()) >= capacity) return AddResult::Refused;
    entries.push_back(item.command);
    return AddResult::Added;
  }
  void RemoveProgram(const std::string& commandLine) override {
    ++removes;
    const std::string key = Key(commandLine);
    auto it = std::find_if(entries.begin(), entries.end(), [&](const std::string& e) { return Key(e) == key; });
    if (it != entries.end()) entries.erase(it);
  }
  bool Contains(const std::string& commandLine) const {
    const std::string key = Key(commandLine);
    return std::any_of(entries.begin(), entries.end(), [&](const std::string& e) { return Key(e) == key; });
  }

  std::vector<std::string> entries;
  int capacity = 101;
  bool refuseAll = false;
  int adds = 0, removes = 0, lastStart = 0;
  bool lastDisabled = false;

 private:
  // Program files do not change under a test, so a command's program is looked up once.
  std::string Key(const std::string& command) const {
    auto [it, fresh] = keys_.try_emplace(command);
    if (fresh) it->second = ProgramKey(fs_, env_, ProgramOfCommand(fs_, env_, command));
    return it->second;
  }

  mutable std::map<std::string, std::string> keys_;
  platform::FileSystem& fs_;
  platform::Environment& env_;
};

class AutostartMachine : public ::testing::Test {
 protected:
  AutostartMachine() {
    fs.MakeDirs(kUserStartup);
    fs.MakeDirs(kCommonStartup);
    fs.MakeDirs(kAppDir);
    env.appPath = "C:\\Sequora";
    env.exeName = "Sequora";
    env.variables = {{"UserProfile", "C:\\Users\\user"},
                     {"AllUsersProfile", "C:\\ProgramData"},
                     {"SystemRoot", "C:\\Windows"},
                     {"ProgramFiles", "C:\\Program Files"}};
  }

  // A program file on disk, so long and short forms exist.
  void Program(const std::string& path) { fs.PutFile(path, "MZ"); }
  void Shortcut(const std::string& file, const std::string& target, const std::string& arguments = "") {
    fs.MakeDirs(file.substr(0, file.find_last_of('\\')));
    ASSERT_TRUE(CreateShortcut(links, target, file, arguments, "", "", "", 0)) << file;
  }
  // Windows' startup switch: 3 (odd) off, 2 on.
  void Switch(const std::string& hive, const std::string& subKey, const std::string& name, bool off) {
    registry.PutValue(hive + kApproved + subKey, name,
                      {platform::reg::kTypeBinary, {static_cast<std::uint8_t>(off ? 3 : 2), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}});
  }
  std::string Value(const std::string& key, const std::string& name) const {
    auto v = registry.GetValue(key, name);
    if (!v) return "<none>";
    return std::string(v->data.begin(), std::find(v->data.begin(), v->data.end(), 0));
  }
  std::uint32_t TypeOf(const std::string& key, const std::string& name) const {
    auto v = registry.GetValue(key, name);
    return v ? v->type : platform::reg::kTypeNone;
  }
  std::string IniText() const { return fs.Contents(kIni).value_or(""); }

  AutostartPlatform Platform() { return {registry, fs, links, env, shell}; }

  platform::FakeFileSystem fs;
  platform::FakeRegistry registry;
  platform::FakeEnvironment env;
  platform::FakeCodePage codePage;
  platform::FakeShellFolders shell;
  platform::lnk::LnkShellLinks links{fs, codePage, &env};
  TestList list{fs, env};
};

}  // namespace sequora::autostart::testing
