// The Backup section's records: every slot read, free slots, the optional type, exact values.
#include "storage/BackupRecords.h"

#include <gtest/gtest.h>

#include "base/StringOps.h"
#include "platform/Registry.h"
#include "platform/fake/FakeFileSystem.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;
namespace reg = sequora::platform::reg;

namespace {

const std::string kIni = "C:\\Sequora\\Sequora.ini";
const std::string kRun = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";

class Records : public ::testing::Test {
 protected:
  void File(const std::string& backupLines) {
    fs.PutFile(kIni, "[MainSettings]\r\nSystemTray=0\r\n\r\n[Backup]\r\n" + backupLines);
  }
  BackupRecordSet Load() { return records.Load().value_or(BackupRecordSet()); }
  FakeFileSystem fs;
  BackupRecords records{fs, kIni};
};

}  // namespace

TEST_F(Records, EveryRegistrySlotIsReadAndANewRecordTakesTheFirstFreeOne) {
  File("Registry1Backup=" + kRun + "A\r\nRegistry1BackupValue=C:\\a.exe\r\n"
       "Registry2Backup=\r\nRegistry2BackupValue=\r\n"
       "Registry3Backup=" + kRun + "C\r\nRegistry3BackupValue=%SystemRoot%\\c.exe\r\n"
       "Registry300Backup=" + kRun + "Z\r\nRegistry300BackupValue=C:\\z%x%.exe\r\nRegistry300BackupType=REG_SZ\r\n"
       "Registry301Backup=" + kRun + "beyond\r\nRegistry02Backup=" + kRun + "not slot 2\r\n"
       "Registry1Backup=" + kRun + "a later copy\r\n");
  BackupRecordSet set = Load();
  ASSERT_EQ(set.registry.size(), 3u);
  EXPECT_EQ(set.registry[0].path, kRun + "A");
  EXPECT_EQ(set.registry[1].slot, 3);
  EXPECT_EQ(set.registry[2].slot, 300);
  // The slot of the same record (path letter case aside) serves again; another value a new slot.
  EXPECT_EQ(set.RegistrySlotFor(sequora::ToLower(kRun) + "C", "%SystemRoot%\\c.exe"), 3);
  EXPECT_EQ(set.RegistrySlotFor(kRun + "C", "C:\\new.exe"), 2);
  // Without a stored type a %name% makes an expandable string; a stored type wins.
  EXPECT_EQ(set.registry[0].type, reg::kTypeString);
  EXPECT_EQ(set.registry[1].type, reg::kTypeExpandString);
  EXPECT_EQ(set.registry[2].type, reg::kTypeString);
}

TEST_F(Records, ShortcutRecordsWithGapsAreAllListedAndFullSetsHaveNoFreeSlot) {
  std::string lines = "AutoStart7BackupFilename=orphan.lnk\r\n";
  for (int n = 1; n <= kBackupSlots; ++n) {
    if (n == 7) continue;
    const std::string k = "AutoStart" + std::to_string(n);
    lines += k + "BackupDir=C:\\S\\" + std::to_string(n) + ".lnk\r\n" + k + "BackupFilename=" + std::to_string(n) + ".lnk\r\n";
  }
  File(lines);
  BackupRecordSet set = Load();
  EXPECT_EQ(set.shortcuts.size(), 299u);
  EXPECT_EQ(set.shortcuts.back().slot, 300);
  EXPECT_EQ(set.FirstFreeShortcutSlot(), 0);  // slot 7 names a file: not free, not listed
  EXPECT_TRUE(set.BackupNameRecorded("300.LNK"));
}

TEST_F(Records, WrittenRecordsReadBackExactlyAndClearedOnesFreeTheirSlot) {
  File("");
  const std::string longValue = "\"C:\\Program Files (x86)\\" + std::string(160, 'v') + "\\tool.exe\" --flag \"x\"";
  ASSERT_TRUE(records.WriteRegistry(4, kRun + "Quoted", longValue, reg::kTypeExpandString));
  ASSERT_TRUE(records.WriteShortcut(2, "C:\\Start\\'quoted'.lnk", "'quoted' (2).lnk"));
  BackupRecordSet set = Load();
  EXPECT_EQ(set.registry.at(0).value, longValue);  // neither cut at 148 characters nor unquoted
  EXPECT_EQ(set.registry.at(0).type, reg::kTypeExpandString);
  EXPECT_EQ(set.shortcuts.at(0).backupName, "'quoted' (2).lnk");
  EXPECT_NE(fs.Contents(kIni)->find("Registry4BackupType=REG_EXPAND_SZ\r\n"), std::string::npos);
  EXPECT_EQ(fs.Contents(kIni)->find("[MainSettings]\r\nSystemTray=0\r\n"), 0u);

  ASSERT_TRUE(records.ClearRegistry(4));
  ASSERT_TRUE(records.ClearShortcut(2));
  set = Load();
  EXPECT_TRUE(set.registry.empty());
  EXPECT_EQ(set.FirstFreeShortcutSlot(), 1);
  EXPECT_NE(fs.Contents(kIni)->find("AutoStart2BackupDir=\r\n"), std::string::npos);  // keys stay
}

TEST_F(Records, AFileThatCannotBeReadIsNotTakenForNoRecords) {
  File("Registry1Backup=" + kRun + "A\r\nRegistry1BackupValue=a\r\n");
  fs.FailNext(FakeFileSystem::Op::ReadFile);
  EXPECT_FALSE(records.Load().has_value());
  fs.FailNext(FakeFileSystem::Op::RenameOver);
  EXPECT_FALSE(records.WriteRegistry(1, "x", "y", reg::kTypeString));
  EXPECT_EQ(Load().registry.at(0).value, "a");
  EXPECT_TRUE(BackupRecords(fs, "C:\\Nowhere\\Sequora.ini").Load()->registry.empty());
}

TEST(RecordTexts, ALineBreakOrBlanksAtAnEndCannotBeStored) {
  EXPECT_TRUE(CanStoreInRecord("\"C:\\a b\\x.exe\" -y"));
  EXPECT_FALSE(CanStoreInRecord("C:\\x.exe\r\n[MainSettings]"));
  EXPECT_FALSE(CanStoreInRecord(" C:\\x.exe"));
  EXPECT_FALSE(CanStoreInRecord("C:\\x.exe\t"));
  EXPECT_FALSE(HasVariableReference("50% off, 20% more"));
}
