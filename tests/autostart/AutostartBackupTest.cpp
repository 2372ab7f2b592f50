// Taking items out of Windows with a record, and putting them back: names, slots, types, and
// what happens when a step fails.
#include "autostart/AutostartBackup.h"

#include "AutostartFixture.h"

using namespace sequora::autostart;
using namespace sequora::autostart::testing;
using sequora::platform::FakeFileSystem;
using sequora::platform::FakeRegistry;
using sequora::storage::BackupRecords;
namespace reg = sequora::platform::reg;

namespace {

class Backup : public AutostartMachine {
 protected:
  AutostartScan ScanAll() { return AutostartScanner(Platform()).Scan({true, true}); }
  sequora::storage::BackupRecordSet Records() { return *BackupRecords(fs, kIni).Load(); }
  void FillRecords(const std::string& key, const std::string& value) {
    std::string lines = "[Backup]\r\n";
    for (int n = 1; n <= 300; ++n) lines += key + std::to_string(n) + value + std::to_string(n) + "\r\n";
    fs.PutFile(kIni, lines);
  }

  AutostartBackup backup{Platform(), kIni, "C:\\Sequora\\Backup"};
};

}  // namespace

TEST_F(Backup, SameNamedShortcutsGetFreeNamesAndComeBackToTheirOwnFolders) {
  Shortcut(kUserStartup + "App.lnk", "C:\\user\\app.exe");
  Shortcut(kCommonStartup + "App.lnk", "C:\\common\\app.exe", "-all");
  fs.PutFile(kBackupDir + "App.lnk", "someone else's file");
  const std::string userBytes = *fs.Contents(kUserStartup + "App.lnk");
  const std::string commonBytes = *fs.Contents(kCommonStartup + "App.lnk");

  AutostartScan scan = ScanAll();
  BackupResult first = backup.TakeOut(scan.shortcuts.at(0));    // the user's
  BackupResult second = backup.TakeOut(scan.shortcuts.at(1));   // the common one
  ASSERT_TRUE(first.ok());
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(first.backupName, "App (2).lnk");
  EXPECT_EQ(second.backupName, "App (3).lnk");
  EXPECT_EQ(fs.Contents(kBackupDir + "App.lnk"), "someone else's file");
  EXPECT_EQ(fs.Contents(kBackupDir + "App (2).lnk"), userBytes);
  EXPECT_EQ(fs.Contents(kBackupDir + "App (3).lnk"), commonBytes);
  EXPECT_FALSE(fs.FileExists(kUserStartup + "App.lnk"));
  EXPECT_NE(IniText().find("AutoStart2BackupDir=" + kCommonStartup + "App.lnk\r\nAutoStart2BackupFilename=App (3).lnk"),
            std::string::npos);

  for (const auto& r : Records().shortcuts) EXPECT_TRUE(backup.Restore(r).ok()) << r.sourcePath;
  EXPECT_EQ(fs.Contents(kUserStartup + "App.lnk"), userBytes);
  EXPECT_EQ(fs.Contents(kCommonStartup + "App.lnk"), commonBytes);
  EXPECT_EQ(fs.Contents(kBackupDir + "App.lnk"), "someone else's file");
  EXPECT_TRUE(Records().shortcuts.empty());
}

TEST_F(Backup, WithEveryRecordSlotUsedNothingMoves) {
  Shortcut(kUserStartup + "App.lnk", "C:\\app.exe");
  registry.PutString(kUserRun, "Tool", "C:\\tool.exe");
  AutostartScan scan = ScanAll();

  FillRecords("AutoStart", "BackupDir=C:\\Gone\\");
  BackupResult shortcut = backup.TakeOut(scan.shortcuts.at(0));
  EXPECT_EQ(shortcut.status, BackupStatus::NoFreeRecord);
  EXPECT_EQ(shortcut.message, NoFreeRecord());
  EXPECT_TRUE(fs.FileExists(kUserStartup + "App.lnk"));
  EXPECT_FALSE(fs.DirectoryExists(kBackupDir));

  FillRecords("Registry", "Backup=" + kUserRun + "\\Old");
  BackupResult value = backup.TakeOut(scan.registry.at(0));
  EXPECT_EQ(value.status, BackupStatus::NoFreeRecord);
  EXPECT_EQ(Value(kUserRun, "Tool"), "C:\\tool.exe");
  EXPECT_EQ(backup.CheckTakeOut(scan.registry.at(0)).status, BackupStatus::NoFreeRecord);
}

TEST_F(Backup, ARestoredValueKeepsItsType) {
  registry.PutString(kUserRun, "Expand", "%SystemRoot%\\x.exe /a", reg::kTypeExpandString);
  registry.PutString(kMachineRun32, "Plain", "C:\\x86\\p.exe");
  AutostartScan scan = ScanAll();
  for (const auto& item : scan.registry) ASSERT_TRUE(backup.TakeOut(item).ok()) << item.location;
  EXPECT_EQ(Value(kUserRun, "Expand"), "<none>");
  EXPECT_EQ(Value(kMachineRun32, "Plain"), "<none>");
  EXPECT_NE(IniText().find("Registry1BackupType=REG_EXPAND_SZ"), std::string::npos);

  for (const auto& r : Records().registry) ASSERT_TRUE(backup.Restore(r).ok()) << r.path;
  EXPECT_EQ(Value(kUserRun, "Expand"), "%SystemRoot%\\x.exe /a");
  EXPECT_EQ(TypeOf(kUserRun, "Expand"), reg::kTypeExpandString);
  EXPECT_EQ(Value(kMachineRun32, "Plain"), "C:\\x86\\p.exe");
  EXPECT_EQ(TypeOf(kMachineRun32, "Plain"), reg::kTypeString);
  EXPECT_TRUE(Records().registry.empty());

  // A record written before the type was kept: a %name% means an expandable string.
  fs.PutFile(kIni, "[Backup]\r\nRegistry5Backup=" + kUserRun + "\\Old\r\nRegistry5BackupValue=%windir%\\old.exe\r\n");
  ASSERT_TRUE(backup.Restore(Records().registry.at(0)).ok());
  EXPECT_EQ(TypeOf(kUserRun, "Old"), reg::kTypeExpandString);
}

TEST_F(Backup, AFailedMoveOrDeleteLeavesTheItemInWindowsAndNoRecord) {
  Shortcut(kUserStartup + "App.lnk", "C:\\app.exe");
  registry.PutString(kUserRun, "Tool", "C:\\tool.exe");
  AutostartScan scan = ScanAll();

  fs.FailNext(FakeFileSystem::Op::MovePath);
  BackupResult moved = backup.TakeOut(scan.shortcuts.at(0));
  EXPECT_EQ(moved.status, BackupStatus::MoveFailed);
  EXPECT_EQ(moved.message, BackupMoveFailed(kUserStartup + "App.lnk"));
  EXPECT_TRUE(fs.FileExists(kUserStartup + "App.lnk"));

  registry.FailCall(FakeRegistry::Op::DeleteValue, 1);
  BackupResult deleted = backup.TakeOut(scan.registry.at(0));
  EXPECT_EQ(deleted.status, BackupStatus::NotRemoved);
  EXPECT_EQ(deleted.message->title, "Error removing Registry Value");
  EXPECT_EQ(deleted.message->text, "Error: Registry Value: \r" + kUserRun + "\\Tool\rCould not be deleted!");
  EXPECT_EQ(Value(kUserRun, "Tool"), "C:\\tool.exe");

  EXPECT_TRUE(Records().shortcuts.empty());
  EXPECT_TRUE(Records().registry.empty());

  // The settings file cannot be written: nothing moves, nothing is deleted.
  fs.FailNext(FakeFileSystem::Op::RenameOver);
  EXPECT_EQ(backup.TakeOut(scan.shortcuts.at(0)).status, BackupStatus::RecordNotWritten);
  fs.FailNext(FakeFileSystem::Op::RenameOver);
  EXPECT_EQ(backup.TakeOut(scan.registry.at(0)).message, SettingsNotWritten(kIni));
  EXPECT_TRUE(fs.FileExists(kUserStartup + "App.lnk"));
  EXPECT_EQ(Value(kUserRun, "Tool"), "C:\\tool.exe");

  // Gone since the scan: nothing to do, and said so for a file.
  ASSERT_TRUE(fs.RemoveFile(kUserStartup + "App.lnk"));
  EXPECT_EQ(backup.TakeOut(scan.shortcuts.at(0)).message, FileNotFound(kUserStartup + "App.lnk"));
}

TEST_F(Backup, ARestoreNeverReplacesWhatIsThereNow) {
  Shortcut(kUserStartup + "App.lnk", "C:\\app.exe");
  registry.PutString(kUserRun, "Tool", "C:\\tool.exe");
  registry.PutString(kUserRun, "Same", "C:\\same.exe");
  AutostartScan scan = ScanAll();
  for (const auto& i : scan.registry) ASSERT_TRUE(backup.TakeOut(i).ok());
  ASSERT_TRUE(backup.TakeOut(scan.shortcuts.at(0)).ok());

  fs.PutFile(kUserStartup + "App.lnk", "a new shortcut");
  registry.PutString(kUserRun, "Tool", "C:\\tool v2.exe");
  registry.PutString(kUserRun, "Same", "C:\\same.exe");  // put back by its program
  auto records = Records();

  BackupResult file = backup.Restore(records.shortcuts.at(0));
  EXPECT_EQ(file.status, BackupStatus::DestinationTaken);
  EXPECT_EQ(file.message, RestoreDestinationTaken(kUserStartup + "App.lnk"));
  EXPECT_EQ(fs.Contents(kUserStartup + "App.lnk"), "a new shortcut");
  EXPECT_TRUE(fs.FileExists(kBackupDir + "App.lnk"));

  BackupResult taken = backup.Restore(records.registry.at(0));
  EXPECT_EQ(taken.status, BackupStatus::DestinationTaken);
  EXPECT_EQ(Value(kUserRun, "Tool"), "C:\\tool v2.exe");
  BackupResult same = backup.Restore(records.registry.at(1));
  EXPECT_TRUE(same.ok());
  EXPECT_EQ(Records().registry.size(), 1u);  // only "Tool" stays recorded
  EXPECT_EQ(Records().shortcuts.size(), 1u);

  // The folder it came from is gone: it stays in the Backup folder, recorded.
  ASSERT_TRUE(fs.RemoveFile(kUserStartup + "App.lnk"));
  auto moved = records.shortcuts.at(0);
  moved.sourcePath = "C:\\Gone\\App.lnk";
  ASSERT_TRUE(BackupRecords(fs, kIni).WriteShortcut(moved.slot, moved.sourcePath, moved.backupName));
  EXPECT_EQ(backup.Restore(moved).message, RestoreMoveFailed("C:\\Gone\\App.lnk"));
  EXPECT_EQ(Records().shortcuts.size(), 1u);
  // A list shown before the record changed restores nothing.
  EXPECT_EQ(backup.Restore(records.shortcuts.at(0)).status, BackupStatus::RecordGone);
}

TEST_F(Backup, ARestoreWhoseRecordCannotBeClearedIsUndone) {
  Shortcut(kUserStartup + "App.lnk", "C:\\app.exe");
  registry.PutString(kUserRun, "Tool", "C:\\tool.exe");
  AutostartScan scan = ScanAll();
  ASSERT_TRUE(backup.TakeOut(scan.shortcuts.at(0)).ok());
  ASSERT_TRUE(backup.TakeOut(scan.registry.at(0)).ok());
  auto records = Records();

  fs.FailNext(FakeFileSystem::Op::RenameOver);
  EXPECT_EQ(backup.Restore(records.shortcuts.at(0)).status, BackupStatus::RecordNotWritten);
  EXPECT_FALSE(fs.FileExists(kUserStartup + "App.lnk"));
  EXPECT_TRUE(fs.FileExists(kBackupDir + "App.lnk"));

  fs.FailNext(FakeFileSystem::Op::RenameOver);
  EXPECT_EQ(backup.Restore(records.registry.at(0)).message, SettingsNotWritten(kIni));
  EXPECT_EQ(Value(kUserRun, "Tool"), "<none>");

  registry.FailCall(FakeRegistry::Op::SetValue, 1);
  EXPECT_EQ(backup.Restore(records.registry.at(0)).message, RegistryNotRestored(kUserRun + "\\Tool"));
  EXPECT_EQ(Records().registry.size(), 1u);
  EXPECT_TRUE(backup.Restore(records.registry.at(0)).ok());
}

TEST_F(Backup, AValueTheSettingsFileCannotHoldStaysInWindows) {
  registry.PutString(kUserRun, "Odd", "C:\\odd.exe\r\n[MainSettings]\r\nSystemTray=1");
  registry.PutString(kUserRun, "Blank", "C:\\blank.exe ");
  for (const auto& item : ScanAll().registry) EXPECT_EQ(backup.TakeOut(item).status, BackupStatus::CannotRecord);
  EXPECT_EQ(Value(kUserRun, "Blank"), "C:\\blank.exe ");
  EXPECT_EQ(IniText().find("SystemTray"), std::string::npos);
}
