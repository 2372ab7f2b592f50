// The Backup section's records: every slot read, free slots, the optional type, exact values.
#include "storage/BackupRecords.h"

#include <gtest/gtest.h>

#include "platform/Registry.h"
#include "platform/fake/FakeFileSystem.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;
namespace reg = sequora::platform::reg;

namespace {

const std::string kIni = "C:\\Sequora\\Sequora.ini";

class Records : public ::testing::Test {
 protected:
  Records() { fs.MakeDirs("C:\\Sequora"); }
  void File(const std::string& backupLines) {
    fs.PutFile(kIni, "[MainSettings]\r\nSystemTray=0\r\n\r\n[Backup]\r\n" + backupLines);
  }
  BackupRecordSet Load() {
    auto set = records.Load();
    EXPECT_TRUE(set.has_value());
    return set.value_or(BackupRecordSet());
  }
  FakeFileSystem fs;
  BackupRecords records{fs, kIni};
};

}  // namespace

TEST_F(Records, EveryRegistrySlotIsReadAndANewRecordTakesTheFirstFreeOne) {
  File("Registry1Backup=HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\A\r\n"
       "Registry1BackupValue=C:\\a.exe\r\n"
       "Registry2Backup=\r\nRegistry2BackupValue=\r\n"
       "Registry3Backup=HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\C\r\n"
       "Registry3BackupValue=%SystemRoot%\\c.exe\r\n"
       "Registry300Backup=HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Z\r\n"
       "Registry300BackupValue=C:\\z.exe\r\nRegistry300BackupType=REG_SZ\r\n"
       "Registry301Backup=HKEY_CURRENT_USER\\beyond\r\n"
       "Registry02Backup=HKEY_CURRENT_USER\\not slot 2\r\n"
       "Registry1Backup=HKEY_CURRENT_USER\\a later copy\r\n");
  BackupRecordSet set = Load();
  ASSERT_EQ(set.registry.size(), 3u);
  EXPECT_EQ(set.registry[0].slot, 1);
  EXPECT_EQ(set.registry[1].slot, 3);
  EXPECT_EQ(set.registry[2].slot, 300);
  EXPECT_EQ(set.registry[0].path, "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\A");
  EXPECT_EQ(set.FirstFreeRegistrySlot(), 2);
  // The slot of the same record (path letter case aside) serves again; another value a new slot.
  EXPECT_EQ(set.RegistrySlotFor("hkey_current_user\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\C",
                                "%SystemRoot%\\c.exe"), 3);
  EXPECT_EQ(set.RegistrySlotFor("HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\C",
                                "C:\\new.exe"), 2);
  // Older files have no type: a %name% makes it an expandable string.
  EXPECT_FALSE(set.registry[0].typeStored);
  EXPECT_EQ(set.registry[0].type, reg::kTypeString);
  EXPECT_EQ(set.registry[1].type, reg::kTypeExpandString);
  EXPECT_TRUE(set.registry[2].typeStored);
  EXPECT_EQ(set.registry[2].type, reg::kTypeString);
}

TEST_F(Records, ShortcutRecordsWithGapsAreAllListedAndFullSetsHaveNoFreeSlot) {
  std::string lines;
  for (int n = 1; n <= kBackupSlots; ++n) {
    if (n == 7) continue;
    lines += "AutoStart" + std::to_string(n) + "BackupDir=C:\\S\\" + std::to_string(n) + ".lnk\r\n";
    lines += "AutoStart" + std::to_string(n) + "BackupFilename=" + std::to_string(n) + ".lnk\r\n";
  }
  File(lines + "AutoStart7BackupFilename=orphan.lnk\r\n");
  BackupRecordSet set = Load();
  EXPECT_EQ(set.shortcuts.size(), 299u);
  EXPECT_EQ(set.shortcuts.back().slot, 300);
  EXPECT_EQ(set.FirstFreeShortcutSlot(), 0);  // slot 7 names a file: not free, not listed
  EXPECT_TRUE(set.BackupNameRecorded("300.LNK"));
  EXPECT_FALSE(set.BackupNameRecorded("orphan.lnk"));
}

TEST_F(Records, WrittenRecordsReadBackExactlyAndClearedOnesFreeTheirSlot) {
  File("");
  const std::string longValue = "\"C:\\Program Files (x86)\\" + std::string(160, 'v') + "\\tool.exe\" --flag \"x\"";
  const std::string path = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Quoted";
  ASSERT_TRUE(records.WriteRegistry(4, path, longValue, reg::kTypeExpandString));
  ASSERT_TRUE(records.WriteShortcut(2, "C:\\Start\\'quoted'.lnk", "'quoted' (2).lnk"));
  BackupRecordSet set = Load();
  ASSERT_EQ(set.registry.size(), 1u);
  EXPECT_EQ(set.registry[0].value, longValue);  // neither cut at 148 characters nor unquoted
  EXPECT_EQ(set.registry[0].type, reg::kTypeExpandString);
  ASSERT_EQ(set.shortcuts.size(), 1u);
  EXPECT_EQ(set.shortcuts[0].sourcePath, "C:\\Start\\'quoted'.lnk");
  EXPECT_EQ(set.shortcuts[0].backupName, "'quoted' (2).lnk");
  EXPECT_NE(fs.Contents(kIni)->find("Registry4BackupType=REG_EXPAND_SZ\r\n"), std::string::npos);
  EXPECT_EQ(fs.Contents(kIni)->find("[MainSettings]\r\nSystemTray=0\r\n"), 0u);

  ASSERT_TRUE(records.ClearRegistry(4));
  ASSERT_TRUE(records.ClearShortcut(2));
  set = Load();
  EXPECT_TRUE(set.registry.empty());
  EXPECT_TRUE(set.shortcuts.empty());
  EXPECT_EQ(set.FirstFreeShortcutSlot(), 1);
  EXPECT_NE(fs.Contents(kIni)->find("AutoStart2BackupDir=\r\n"), std::string::npos);  // keys stay
}

TEST_F(Records, AFileThatCannotBeReadIsNotTakenForNoRecords) {
  File("Registry1Backup=HKEY_CURRENT_USER\\x\\Run\\A\r\nRegistry1BackupValue=a\r\n");
  fs.FailNext(FakeFileSystem::Op::ReadFile);
  EXPECT_FALSE(records.Load().has_value());
  fs.FailNext(FakeFileSystem::Op::RenameOver);
  EXPECT_FALSE(records.WriteRegistry(1, "x", "y", reg::kTypeString));
  EXPECT_EQ(Load().registry.at(0).value, "a");

  BackupRecords missing(fs, "C:\\Nowhere\\Sequora.ini");
  ASSERT_TRUE(missing.Load().has_value());
  EXPECT_TRUE(missing.Load()->registry.empty());
}

TEST(RecordTexts, OnlyTextsALineHoldsExactlyAreStored) {
  EXPECT_TRUE(CanStoreInRecord("\"C:\\a b\\x.exe\" -y"));
  EXPECT_TRUE(CanStoreInRecord(""));
  EXPECT_FALSE(CanStoreInRecord("C:\\x.exe\r\n[MainSettings]"));
  EXPECT_FALSE(CanStoreInRecord(" C:\\x.exe"));
  EXPECT_FALSE(CanStoreInRecord("C:\\x.exe\t"));
  EXPECT_FALSE(CanStoreInRecord(std::string("C:\\x\0y", 6)));
  EXPECT_EQ(ParseBackupType("reg_expand_sz"), reg::kTypeExpandString);
  EXPECT_EQ(ParseBackupType("2"), reg::kTypeExpandString);
  EXPECT_EQ(ParseBackupType("REG_DWORD"), std::nullopt);
  EXPECT_TRUE(HasVariableReference("%windir%\\x.exe"));
  EXPECT_FALSE(HasVariableReference("50% off, 20% more"));
  EXPECT_FALSE(HasVariableReference("100%%"));
}
