#include "storage/SettingsFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/fake/FakeFileSystem.h"
#include "storage/Ini.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;

TEST(SettingsFile, DefaultFileIsByteForByteTheCommittedOne) {
  std::ifstream in(SEQUORA_TESTDATA "/DefaultSequora.ini", std::ios::binary);
  ASSERT_TRUE(in);
  std::ostringstream committed;
  committed << in.rdbuf();
  EXPECT_EQ(DefaultIniText(), committed.str());
}

TEST(SettingsFile, DefaultFileReadsAsAFreshStart) {
  FakeFileSystem fs;
  Ini ini(fs);
  const std::string path = "C:\\Sequora\\Sequora.ini";
  fs.MakeDirs("C:\\Sequora");
  ASSERT_EQ(CreateDefaultIni(fs, path), sequora::platform::FileCreation::Created);
  const std::string text = *fs.Contents(path);
  EXPECT_EQ(text.rfind("# Max 101 Programs allowed!\r\n\r\n[MainSettings]\r\n", 0), 0u);
  EXPECT_EQ(ini.ReadIni(section::kMainSettings, key::kInitialStartupTime, path, "20", true), "30");
  EXPECT_EQ(ini.ReadIni(section::kMainSettings, key::kCheckRunningProgramTasks, path, "0", true), "1");
  EXPECT_EQ(ini.ReadIni(section::kProgramList, key::ProgramConfirmMessageBoxNr(100), path, "", true), "-1");
  EXPECT_EQ(ini.ReadIni(section::kProgramList, key::ProgramConfirmMessageBoxNr(101), path, "x", true), "x");
  EXPECT_EQ(ini.ReadIni(section::kProgramList, key::ProgramStartupDelay(5), path, "2", true), "2");
  // New keys land where they belong: group names in Groups, backup records in Backup.
  ASSERT_EQ(ini.WriteValue(section::kGroups, key::ConfirmGroupName(12), "Office", path, true), IniWrite::Written);
  EXPECT_NE(fs.Contents(path)->find("[Groups]\r\nConfirmGroup12Name=Office\r\n\r\n\r\n[Backup]"), std::string::npos);
}

// The caller writes the default file when its existence test says there is none; that test can
// fail for a moment while the user's file is there. The user's file must survive it.
TEST(SettingsFile, TheDefaultFileNeverReplacesAnExistingOne) {
  FakeFileSystem fs;
  const std::string path = "C:\\Sequora\\Sequora.ini";
  const std::string users = "[MainSettings]\r\nInitialStartupTime=5\r\n[ProgramList]\r\nProgram1=a.exe\r\n";
  fs.PutFile(path, users);
  fs.FailNext(FakeFileSystem::Op::FileExists);
  ASSERT_FALSE(fs.FileExists(path));
  EXPECT_EQ(CreateDefaultIni(fs, path), sequora::platform::FileCreation::AlreadyExists);
  EXPECT_FALSE(WriteDefaultIni(fs, path));
  EXPECT_EQ(fs.Contents(path), users);
}

TEST(SettingsFile, AFailedDefaultWriteLeavesNoFile) {
  FakeFileSystem fs;
  const std::string path = "C:\\Sequora\\Sequora.ini";
  fs.MakeDirs("C:\\Sequora");
  fs.FailMutation(1);
  EXPECT_EQ(CreateDefaultIni(fs, path), sequora::platform::FileCreation::Failed);
  EXPECT_FALSE(fs.Exists(path));  // so the next start writes it again, never an empty one
  EXPECT_EQ(CreateDefaultIni(fs, path), sequora::platform::FileCreation::Created);
  EXPECT_EQ(fs.Contents(path), DefaultIniText());
}
