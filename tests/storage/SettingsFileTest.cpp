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
  fs.PutFile(path, "[MainSettings]\r\nInitialStartupTime=5\r\n");
  ASSERT_TRUE(WriteDefaultIni(fs, path));
  const std::string text = *fs.Contents(path);
  EXPECT_EQ(text.rfind("# Max 101 Programs allowed!\r\n\r\n[MainSettings]\r\n", 0), 0u);
  EXPECT_EQ(ini.ReadIni(section::kMainSettings, key::kInitialStartupTime, path, "20", true), "30");
  EXPECT_EQ(ini.ReadIni(section::kMainSettings, key::kCheckRunningProgramTasks, path, "0", true), "1");
  EXPECT_EQ(ini.ReadIni(section::kProgramList, key::ProgramConfirmMessageBoxNr(100), path, "", true), "-1");
  EXPECT_EQ(ini.ReadIni(section::kProgramList, key::ProgramConfirmMessageBoxNr(101), path, "x", true), "x");
  EXPECT_EQ(ini.ReadIni(section::kProgramList, key::ProgramStartupDelay(5), path, "2", true), "2");
  // New keys land where they belong: group names in Groups, backup records in Backup.
  ASSERT_TRUE(ini.WriteIni(section::kGroups, key::ConfirmGroupName(12), "Office", path, true));
  EXPECT_NE(fs.Contents(path)->find("[Groups]\r\nConfirmGroup12Name=Office\r\n\r\n\r\n[Backup]"), std::string::npos);
}

TEST(SettingsFile, AFailedDefaultWriteKeepsTheOldFile) {
  FakeFileSystem fs;
  const std::string path = "C:\\Sequora\\Sequora.ini";
  fs.PutFile(path, "old");
  for (int step = 1; step <= 2; ++step) {
    fs.FailMutation(step, true);
    EXPECT_FALSE(WriteDefaultIni(fs, path));
    fs.FailMutation(0);
    EXPECT_EQ(fs.Contents(path), "old");
  }
}
