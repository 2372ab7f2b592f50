// What the scan lists: Run values of both registry views, Startup-folder shortcuts, Windows' off
// switches, and where the Startup folders are.
#include "autostart/AutostartScanner.h"

#include "AutostartFixture.h"
#include "autostart/StartupFolders.h"
#include "base/Paths.h"

using namespace sequora::autostart;
using namespace sequora::autostart::testing;
namespace reg = sequora::platform::reg;

namespace {

class Scan : public AutostartMachine {
 protected:
  AutostartScan Run(bool currentUser, bool allUsers) { return AutostartScanner(Platform()).Scan({currentUser, allUsers}); }
  static std::vector<std::string> Locations(const std::vector<AutostartItem>& items) {
    std::vector<std::string> out;
    for (const auto& i : items) out.push_back(i.location);
    return out;
  }
};

}  // namespace

TEST_F(Scan, BothRegistryViewsAreListedEachValueOnceUnderThePathItWasFoundAt) {
  registry.PutString(kMachineRun32, "Old32", "C:\\x86\\old.exe");
  registry.PutString(kMachineRun, "Native", "C:\\x64\\native.exe /q");
  registry.PutString(kMachineRun32, "Both", "C:\\both.exe");
  registry.PutString(kMachineRun, "Both", "C:\\both.exe");       // the same value seen twice
  registry.PutString(kMachineRun, "Same name", "C:\\one.exe");
  registry.PutString(kMachineRun32, "Same name", "C:\\other.exe");  // a different program
  registry.PutString(kUserRun, "Mine", "%ProgramFiles%\\Mine\\mine.exe", reg::kTypeExpandString);
  // Windows starts text values only.
  registry.PutString(kUserRun, "Empty", "");
  registry.PutDword(kUserRun, "Number", 7);
  registry.PutValue(kUserRun, "Bytes", {reg::kTypeBinary, {'C', ':', '\\', 'a', 0}});

  AutostartScan scan = Run(true, true);
  EXPECT_EQ(Locations(scan.registry), (std::vector<std::string>{
                                          kUserRun + "\\Mine",
                                          kMachineRun32 + "\\Old32",
                                          kMachineRun32 + "\\Both",
                                          kMachineRun32 + "\\Same name",
                                          kMachineRun + "\\Native",
                                          kMachineRun + "\\Same name",
                                      }));
  const AutostartItem& mine = scan.registry[0];
  EXPECT_EQ(mine.command, "%ProgramFiles%\\Mine\\mine.exe");
  EXPECT_EQ(mine.valueType, reg::kTypeExpandString);
  EXPECT_EQ(mine.program, "C:\\Program Files\\Mine\\mine.exe");
  EXPECT_TRUE(scan.registry[4].allUsers);
  EXPECT_EQ(scan.registry[4].program, "C:\\x64\\native.exe");

  EXPECT_EQ(Locations(Run(true, false).registry), (std::vector<std::string>{kUserRun + "\\Mine"}));
  EXPECT_TRUE(Run(false, false).registry.empty());
}

TEST_F(Scan, ShortcutsOfBothFoldersWithTheirCommandLinesInListingOrder) {
  Program("C:\\Tools\\a.exe");
  Shortcut(kUserStartup + "b.lnk", "C:\\Tools\\a.exe", "-x");
  Shortcut(kUserStartup + "a.lnk", "C:\\Tools\\a.exe");
  Shortcut(kUserStartup + "Sub\\c.lnk", "C:\\Tools\\a.exe");
  Shortcut(kCommonStartup + "common.lnk", "C:\\Tools\\a.exe");
  fs.PutFile(kUserStartup + "readme.txt", "x");
  fs.PutFile(kUserStartup + "x.lnk2", "x");
  fs.SetShortName(kUserStartup + "x.lnk2", "X~1.LNK");  // "*.lnk" would match this alias

  AutostartScan scan = Run(true, true);
  EXPECT_EQ(Locations(scan.shortcuts), (std::vector<std::string>{
                                           kUserStartup + "a.lnk", kUserStartup + "b.lnk",
                                           kUserStartup + "Sub\\c.lnk", kCommonStartup + "common.lnk"}));
  EXPECT_EQ(scan.shortcuts[0].command, "C:\\Tools\\a.exe");  // no trailing blank without arguments
  EXPECT_EQ(scan.shortcuts[1].command, "C:\\Tools\\a.exe -x");
  EXPECT_EQ(scan.shortcuts[1].program, "C:\\Tools\\a.exe");
  EXPECT_TRUE(scan.shortcuts[3].allUsers);

  EXPECT_EQ(Run(false, true).shortcuts.size(), 1u);
  EXPECT_TRUE(Run(false, false).shortcuts.empty());
}

TEST_F(Scan, TheFolderWalkSkipsReparsePointsAndStopsSixteenLevelsDown) {
  Shortcut(kUserStartup + "Junction\\looped.lnk", "C:\\a.exe");
  ASSERT_TRUE(fs.SetReparsePoint(kUserStartup + "Junction", true));
  std::string deep = kUserStartup;
  for (int level = 1; level <= kMaxStartupFolderDepth + 1; ++level) {
    deep += "L" + std::to_string(level) + "\\";
    Shortcut(deep + "at" + std::to_string(level) + ".lnk", "C:\\a.exe");
  }
  std::vector<std::string> found = FindShortcutFiles(fs, kUserStartup);
  ASSERT_EQ(found.size(), static_cast<size_t>(kMaxStartupFolderDepth));
  EXPECT_EQ(sequora::GetFileNamePart(found.back()), "at16.lnk");
  EXPECT_TRUE(FindShortcutFiles(fs, "C:\\Missing\\").empty());
}

TEST_F(Scan, ItemsSwitchedOffInWindowsAreMarked) {
  registry.PutString(kUserRun, "Off", "C:\\off.exe");
  registry.PutString(kUserRun, "On", "C:\\on.exe");
  registry.PutString(kUserRun32, "Off32", "C:\\off32.exe");
  registry.PutString(kMachineRun, "MachineOff", "C:\\moff.exe");
  registry.PutString(kMachineRun32, "MachineOff", "C:\\moff32.exe");
  Switch("HKEY_CURRENT_USER", "Run", "off", true);  // names compare without letter case
  Switch("HKEY_CURRENT_USER", "Run", "On", false);
  Switch("HKEY_CURRENT_USER", "Run32", "Off32", true);
  Switch("HKEY_LOCAL_MACHINE", "Run", "MachineOff", true);  // the 64-bit key's switch only
  Shortcut(kUserStartup + "Off.lnk", "C:\\a.exe");
  Shortcut(kUserStartup + "Sub\\Off.lnk", "C:\\a.exe");  // the switch names the folder's own
  Shortcut(kCommonStartup + "Off.lnk", "C:\\a.exe");
  Switch("HKEY_CURRENT_USER", "StartupFolder", "Off.lnk", true);

  AutostartScan scan = Run(true, true);
  std::vector<std::pair<std::string, bool>> flags;
  for (const auto& i : scan.registry) flags.emplace_back(i.location, i.disabledInWindows);
  for (const auto& i : scan.shortcuts) flags.emplace_back(i.location, i.disabledInWindows);
  EXPECT_EQ(flags, (std::vector<std::pair<std::string, bool>>{
                       {kUserRun32 + "\\Off32", true},
                       {kUserRun + "\\Off", true},
                       {kUserRun + "\\On", false},
                       {kMachineRun32 + "\\MachineOff", false},
                       {kMachineRun + "\\MachineOff", true},
                       {kUserStartup + "Off.lnk", true},
                       {kUserStartup + "Sub\\Off.lnk", false},
                       {kCommonStartup + "Off.lnk", false},
                   }));
}

TEST_F(Scan, StartupFoldersComeFromTheShellAndFromTheDefaultProfileOnlyWhenItFails) {
  registry.PutString("HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                     "Startup", "%USERPROFILE%\\Start Menu\\Programs\\Startup", reg::kTypeExpandString);
  StartupFolders fromShell = GetStartupFolders(shell, registry, env);
  EXPECT_EQ(fromShell.currentUser, kUserStartup);
  EXPECT_EQ(fromShell.allUsers, kCommonStartup);

  shell.startup.reset();
  shell.commonStartup.reset();
  StartupFolders fallback = GetStartupFolders(shell, registry, env);
  EXPECT_EQ(fallback.currentUser, "C:\\Users\\user\\Start Menu\\Programs\\Startup\\");
  EXPECT_EQ(fallback.allUsers, "C:\\ProgramData\\Start Menu\\Programs\\Startup\\");

  sequora::platform::FakeRegistry empty;
  StartupFolders none = GetStartupFolders(shell, empty, env);
  EXPECT_EQ(none.currentUser, "");
  EXPECT_EQ(none.allUsers, "");
  EXPECT_TRUE(AutostartScanner({empty, fs, links, env, shell}).ScanStartupFolders({true, true}).empty());
}
