#include "storage/SettingsFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/fake/FakeFileSystem.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;

TEST(SettingsFile, DefaultFileIsByteForByteTheCommittedOne) {
  std::ifstream in(SEQUORA_TESTDATA "/DefaultSequora.ini", std::ios::binary);
  ASSERT_TRUE(in);
  std::ostringstream committed;
  committed << in.rdbuf();
  EXPECT_EQ(DefaultIniText(), committed.str());
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
