// The import window's work: its lists in both modes, importing into the program list and
// restoring, with the program list behind the editor interface.
#include "autostart/AutostartImport.h"

#include "AutostartFixture.h"

using namespace sequora::autostart;
using namespace sequora::autostart::testing;
using sequora::storage::BackupRecords;

namespace {

class Import : public AutostartMachine {
 protected:
  AutostartImport import{Platform(), list, kIni, kBackupDir};
};

}  // namespace

TEST_F(Import, TheListsOfBothModesAsTheWindowShowsThem) {
  ImportModeLists empty = import.LoadImportMode({true, false});
  EXPECT_FALSE(empty.registry.hasItems);
  EXPECT_EQ(empty.registry.right, std::vector<std::string>{"Nothing found!"});
  EXPECT_EQ(empty.shortcuts.left, std::vector<std::string>{"Nothing found!"});
  EXPECT_TRUE(empty.registryItems.empty());

  registry.PutString(kUserRun, "Tool", "C:\\tool.exe -q");
  registry.PutString(kUserRun, "Off", "C:\\off.exe");
  Switch("HKEY_CURRENT_USER", "Run", "Off", true);
  Shortcut(kUserStartup + "App.lnk", "C:\\app.exe", "/min");
  ImportModeLists lists = import.LoadImportMode({true, false});
  EXPECT_TRUE(lists.registry.hasItems);
  EXPECT_EQ(lists.registry.right, (std::vector<std::string>{kUserRun + "\\Tool", kUserRun + "\\Off"}));
  EXPECT_EQ(lists.registry.left, (std::vector<std::string>{"C:\\tool.exe -q", "(disabled in Windows) C:\\off.exe"}));
  EXPECT_EQ(lists.shortcuts.right, std::vector<std::string>{kUserStartup + "App.lnk"});
  EXPECT_EQ(lists.shortcuts.left, std::vector<std::string>{"C:\\app.exe /min"});
  EXPECT_EQ(ListText(lists.registry.left), "C:\\tool.exe -q\r(disabled in Windows) C:\\off.exe\r");
  EXPECT_EQ(StartPosition("12"), 12);
  EXPECT_EQ(StartPosition("0"), 1);
  EXPECT_EQ(StartPosition("abc"), 1);

  for (const auto& item : lists.registryItems) ASSERT_EQ(import.Import(item, 1).status, ImportStatus::Imported);
  ASSERT_EQ(import.Import(lists.shortcutItems.at(0), 1).status, ImportStatus::Imported);
  RestoreModeLists restore = import.LoadRestoreMode();
  EXPECT_EQ(restore.registry.right, (std::vector<std::string>{kUserRun + "\\Tool", kUserRun + "\\Off"}));
  EXPECT_EQ(restore.registry.left, (std::vector<std::string>{"C:\\tool.exe -q", "C:\\off.exe"}));
  EXPECT_EQ(restore.shortcuts.right, std::vector<std::string>{kUserStartup + "App.lnk"});
  EXPECT_EQ(restore.shortcuts.left, std::vector<std::string>{"App.lnk"});
  EXPECT_FALSE(restore.message);
}

TEST_F(Import, AnItemLeavesWindowsOnlyWhenItsProgramIsInTheList) {
  registry.PutString(kUserRun, "Listed", "C:\\listed.exe");
  registry.PutString(kUserRun, "Refused", "C:\\refused.exe -x");
  list.entries = {"C:\\listed.exe"};
  list.capacity = 1;
  ImportModeLists lists = import.LoadImportMode({true, false});
  std::vector<ImportResult> results = import.ImportAll(lists.registryItems, 4);

  EXPECT_EQ(results[0].status, ImportStatus::Imported);
  EXPECT_EQ(Value(kUserRun, "Listed"), "<none>");
  EXPECT_EQ(results[1].status, ImportStatus::Refused);
  EXPECT_EQ(results[1].message->title, "Not imported");
  EXPECT_EQ(results[1].message->text,
            "The program could not be added to the program list, so it stays in the Windows autostart:\r\r"
            "C:\\refused.exe -x");
  EXPECT_EQ(Value(kUserRun, "Refused"), "C:\\refused.exe -x");
  EXPECT_EQ(list.lastStart, 4);
  EXPECT_EQ(list.entries, std::vector<std::string>{"C:\\listed.exe"});
}

TEST_F(Import, AFullRecordSetAddsNothingToTheList) {
  std::string lines = "[Backup]\r\n";
  for (int n = 1; n <= 300; ++n)
    lines += "AutoStart" + std::to_string(n) + "BackupFilename=x" + std::to_string(n) + ".lnk\r\n";
  fs.PutFile(kIni, lines);
  Shortcut(kUserStartup + "App.lnk", "C:\\app.exe");
  ImportResult result = import.Import(import.LoadImportMode({true, false}).shortcutItems.at(0), 1);
  EXPECT_EQ(result.status, ImportStatus::NotTakenOut);
  EXPECT_EQ(result.message, NoFreeRecord());
  EXPECT_EQ(list.adds, 0);
  EXPECT_TRUE(fs.FileExists(kUserStartup + "App.lnk"));
}

TEST_F(Import, SequoraItselfIsNeitherAddedNorTakenOut) {
  Program("C:\\Sequora\\Sequora.exe");
  fs.SetShortName("C:\\Sequora\\Sequora.exe", "SEQUORA.EXE");
  registry.PutString(kUserRun, "Sequora", "\"C:\\SEQUORA\\sequora.exe\" /tray");
  Shortcut(kUserStartup + "Sequora.lnk", "C:\\Sequora\\Sequora.exe");
  ImportModeLists lists = import.LoadImportMode({true, false});
  EXPECT_EQ(import.Import(lists.registryItems.at(0), 1).status, ImportStatus::OwnProgram);
  EXPECT_EQ(import.Import(lists.shortcutItems.at(0), 1).status, ImportStatus::OwnProgram);
  EXPECT_EQ(list.adds, 0);
  EXPECT_EQ(Value(kUserRun, "Sequora"), "\"C:\\SEQUORA\\sequora.exe\" /tray");
  EXPECT_TRUE(fs.FileExists(kUserStartup + "Sequora.lnk"));
}

TEST_F(Import, AnItemSwitchedOffInWindowsBecomesADisabledEntry) {
  Shortcut(kUserStartup + "Off.lnk", "C:\\off.exe");
  Switch("HKEY_CURRENT_USER", "StartupFolder", "Off.lnk", true);
  ASSERT_EQ(import.Import(import.LoadImportMode({true, false}).shortcutItems.at(0), 1).status, ImportStatus::Imported);
  EXPECT_TRUE(list.lastDisabled);
}

TEST_F(Import, ARestoreTakesTheProgramOffTheListUnlessAnotherItemStillNeedsIt) {
  Program("C:\\Tools\\app.exe");
  registry.PutString(kUserRun, "App", "C:\\Tools\\app.exe -a");
  registry.PutString(kMachineRun, "App", "\"C:\\Tools\\APP.EXE\"");
  Shortcut(kUserStartup + "App.lnk", "C:\\Tools\\app.exe");
  Shortcut(kUserStartup + "Other.lnk", "C:\\Tools\\other.exe");
  ImportModeLists lists = import.LoadImportMode({true, true});
  for (const auto& r : import.ImportAll(lists.registryItems, 1)) ASSERT_EQ(r.status, ImportStatus::Imported);
  for (const auto& r : import.ImportAll(lists.shortcutItems, 1)) ASSERT_EQ(r.status, ImportStatus::Imported);
  ASSERT_EQ(list.entries, (std::vector<std::string>{"C:\\Tools\\app.exe -a", "C:\\Tools\\other.exe"}));

  RestoreModeLists restore = import.LoadRestoreMode();
  std::vector<RestoreResult> values = import.RestoreAll(restore.registryRecords);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_FALSE(values[0].removedFromList);  // the shortcut still needs app.exe
  EXPECT_FALSE(values[1].removedFromList);
  EXPECT_TRUE(list.Contains("C:\\Tools\\app.exe"));

  std::vector<RestoreResult> files = import.RestoreAll(restore.shortcutRecords);
  EXPECT_TRUE(files[0].removedFromList);
  EXPECT_TRUE(files[1].removedFromList);
  EXPECT_TRUE(list.entries.empty());
  EXPECT_EQ(Value(kMachineRun, "App"), "\"C:\\Tools\\APP.EXE\"");
  EXPECT_TRUE(fs.FileExists(kUserStartup + "Other.lnk"));

  // A failed restore leaves the list alone.
  ASSERT_EQ(import.Import(import.LoadImportMode({true, false}).shortcutItems.at(0), 1).status, ImportStatus::Imported);
  fs.PutFile(kUserStartup + "App.lnk", "new");
  RestoreResult blocked = import.Restore(import.LoadRestoreMode().shortcutRecords.at(0));
  EXPECT_FALSE(blocked.ok());
  EXPECT_FALSE(blocked.removedFromList);
  EXPECT_TRUE(list.Contains("C:\\Tools\\app.exe"));
}
