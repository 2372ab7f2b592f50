// The run's duplicate check: what counts as the same program, what is taken out, how often the
// autostart locations are scanned.
#include "autostart/WindowsAutostartCheck.h"

#include "AutostartFixture.h"

using namespace sequora::autostart;
using namespace sequora::autostart::testing;
using sequora::platform::FakeFileSystem;
using sequora::storage::BackupRecords;

namespace {

class DuplicateCheck : public AutostartMachine {
 protected:
  DuplicateCheck() {
    Program("C:\\Program Files\\Vendor\\Tool.exe");
    fs.SetShortName("C:\\Program Files", "PROGRA~1");
  }
  WindowsAutostartCheck check{Platform(), kIni, kBackupDir};
};

}  // namespace

TEST_F(DuplicateCheck, TheSameFileWrittenDifferentlyIsFound) {
  registry.PutString(kUserRun, "Quoted", "\"C:\\PROGRAM FILES\\VENDOR\\TOOL.EXE\" -tray");
  EXPECT_TRUE(check.CheckWindowsAutostart("C:\\Program Files\\Vendor\\Tool.exe", false).found);

  for (const char* written : {"C:\\PROGRA~1\\Vendor\\Tool.exe /s", "%ProgramFiles%\\vendor\\tool.exe",
                              "C:\\Program Files\\Vendor\\Tool -x"}) {
    SCOPED_TRACE(written);
    registry.PutString(kUserRun, "Quoted", written, sequora::platform::reg::kTypeExpandString);
    WindowsAutostartCheck fresh{Platform(), kIni, kBackupDir};
    EXPECT_TRUE(fresh.CheckWindowsAutostart("C:\\Program Files\\Vendor\\Tool.exe", false).found);
    EXPECT_TRUE(fresh.CheckWindowsAutostart("c:\\progra~1\\VENDOR\\tool.exe", false).found);
  }
  EXPECT_FALSE(check.CheckWindowsAutostart("C:\\Program Files\\Vendor\\Other.exe", false).found);
  EXPECT_FALSE(check.CheckWindowsAutostart("  ", true).found);
  EXPECT_EQ(check.Scans(), 1);
}

TEST_F(DuplicateCheck, OnlyTheUsersOwnLocationsCountAndSwitchedOffItemsNever) {
  registry.PutString(kMachineRun, "Machine", "C:\\machine.exe");
  Shortcut(kCommonStartup + "Common.lnk", "C:\\common.exe");
  registry.PutString(kUserRun32, "Off", "C:\\off.exe");
  Switch("HKEY_CURRENT_USER", "Run32", "Off", true);
  Shortcut(kUserStartup + "Off.lnk", "C:\\offlink.exe");
  Switch("HKEY_CURRENT_USER", "StartupFolder", "Off.lnk", true);
  registry.PutString(kUserRun32, "View32", "C:\\view32.exe");
  for (const char* call : {"C:\\machine.exe", "C:\\common.exe", "C:\\off.exe", "C:\\offlink.exe"}) {
    AutostartCheckResult r = check.CheckWindowsAutostart(call, true);
    EXPECT_FALSE(r.found) << call;
  }
  EXPECT_TRUE(check.CheckWindowsAutostart("C:\\view32.exe", false).found);
  EXPECT_EQ(Value(kUserRun32, "Off"), "C:\\off.exe");
}

TEST_F(DuplicateCheck, RemoveDoublesTakesOutTheFirstMatchOfEachLocation) {
  registry.PutString(kUserRun, "First", "C:\\Program Files\\Vendor\\Tool.exe");
  registry.PutString(kUserRun, "Second", "C:\\Program Files\\Vendor\\Tool.exe /again");
  Shortcut(kUserStartup + "Tool.lnk", "C:\\Program Files\\Vendor\\Tool.exe");

  AutostartCheckResult r = check.CheckWindowsAutostart("C:\\Program Files\\Vendor\\Tool.exe", true);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.takenOut, 2);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(Value(kUserRun, "First"), "<none>");
  EXPECT_EQ(Value(kUserRun, "Second"), "C:\\Program Files\\Vendor\\Tool.exe /again");
  EXPECT_FALSE(fs.FileExists(kUserStartup + "Tool.lnk"));
  EXPECT_TRUE(fs.FileExists(kBackupDir + "Tool.lnk"));
  auto records = BackupRecords(fs, kIni).Load();
  EXPECT_EQ(records->registry.size(), 1u);
  EXPECT_EQ(records->shortcuts.size(), 1u);

  // The next entry asks after a rescan: it sees the second value, not the one taken out.
  r = check.CheckWindowsAutostart("C:\\Program Files\\Vendor\\Tool.exe", true);
  EXPECT_EQ(r.takenOut, 1);
  EXPECT_EQ(Value(kUserRun, "Second"), "<none>");
  EXPECT_EQ(check.Scans(), 2);
  EXPECT_FALSE(check.CheckWindowsAutostart("C:\\Program Files\\Vendor\\Tool.exe", true).found);
  EXPECT_EQ(check.Scans(), 3);
}

TEST_F(DuplicateCheck, OneScanPerRunPlusOneAfterEachTakeOut) {
  for (int n = 1; n <= 10; ++n)
    registry.PutString(kUserRun, "P" + std::to_string(n), "C:\\p" + std::to_string(n) + ".exe");
  int takeOuts = 0;
  for (int entry = 1; entry <= 101; ++entry) {
    const bool remove = entry % 2 == 0;
    AutostartCheckResult r = check.CheckWindowsAutostart("C:\\p" + std::to_string(entry % 20) + ".exe", remove);
    takeOuts += r.takenOut;
  }
  EXPECT_EQ(takeOuts, 5);  // p2, p4, ... p10 with remove doubles, the odd ones only found
  EXPECT_EQ(check.Scans(), 1 + takeOuts);
}

TEST_F(DuplicateCheck, AFailedTakeOutStillFindsTheItemAndSaysWhy) {
  Shortcut(kUserStartup + "Tool.lnk", "C:\\Program Files\\Vendor\\Tool.exe");
  fs.FailNext(FakeFileSystem::Op::MovePath);
  AutostartCheckResult r = check.CheckWindowsAutostart("C:\\Program Files\\Vendor\\Tool.exe", true);
  EXPECT_TRUE(r.found);
  EXPECT_EQ(r.takenOut, 0);
  EXPECT_EQ(r.messages, std::vector<Message>{BackupMoveFailed(kUserStartup + "Tool.lnk")});
  EXPECT_TRUE(fs.FileExists(kUserStartup + "Tool.lnk"));
  EXPECT_TRUE(BackupRecords(fs, kIni).Load()->shortcuts.empty());
}
