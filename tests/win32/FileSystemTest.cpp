// The Win32 file system against Wine's real one.
#include <windows.h>

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"

using sequora::platform::win32::Win32Environment;
using sequora::platform::win32::Win32FileSystem;

using sequora::test::Scratch;

TEST(Win32FileSystem, WriteReadReplaceAndList) {
  Win32FileSystem fs;
  const Scratch scratch("sequora fs test");
  const std::string dir = scratch.Path() + "\\";
  ASSERT_TRUE(fs.WriteFile(dir + "Settings File.ini", "old"));
  ASSERT_TRUE(fs.WriteFile(dir + "new.tmp", "new\r\ndata"));
  EXPECT_FALSE(fs.MovePath(dir + "new.tmp", dir + "Settings File.ini"));
  ASSERT_TRUE(fs.RenameOver(dir + "new.tmp", dir + "Settings File.ini"));
  EXPECT_EQ(fs.ReadFile(dir + "settings file.INI"), "new\r\ndata");
  EXPECT_FALSE(fs.FileExists(dir + "new.tmp"));
  ASSERT_TRUE(fs.AppendFile(dir + "log.txt", "a"));
  ASSERT_TRUE(fs.AppendFile(dir + "log.txt", "b"));
  EXPECT_EQ(fs.ReadFile(dir + "log.txt"), "ab");

  auto ini = fs.ListDirectory(dir + "*.ini");
  ASSERT_TRUE(ini);
  ASSERT_EQ(ini->size(), 1u);
  EXPECT_EQ((*ini)[0].name, "Settings File.ini");
  EXPECT_FALSE(fs.ListDirectory(dir + "*.none"));

  // A name with a blank has an 8.3 alias, and it leads back to the long form.
  std::string shortForm = fs.ShortPathName(dir + "Settings File.ini");
  EXPECT_NE(shortForm.find('~'), std::string::npos) << shortForm;
  EXPECT_TRUE(fs.FileExists(shortForm));
  EXPECT_EQ(fs.ShortPathName(dir + "missing.ini"), "");
  EXPECT_TRUE(fs.RemoveFile(dir + "log.txt"));
  EXPECT_FALSE(fs.FileExists(dir + "log.txt"));
}

TEST(Win32FileSystem, CreateNewFileNeverTouchesWhatIsThere) {
  using sequora::platform::FileCreation;
  Win32FileSystem fs;
  const Scratch scratch("sequora fs test");
  const std::string dir = scratch.Path() + "\\";
  const std::string path = dir + "Sequora.ini";
  EXPECT_EQ(fs.CreateNewFile(path, "first\r\n"), FileCreation::Created);
  EXPECT_EQ(fs.ReadFile(path), "first\r\n");
  EXPECT_EQ(fs.CreateNewFile(path, "second"), FileCreation::AlreadyExists);
  EXPECT_EQ(fs.ReadFile(path), "first\r\n");
  EXPECT_EQ(fs.CreateNewFile(dir.substr(0, dir.size() - 1), "x"), FileCreation::AlreadyExists);  // a folder
  EXPECT_EQ(fs.CreateNewFile(dir + "missing\\x.ini", "x"), FileCreation::Failed);
}

TEST(Win32FileSystem, CurrentDirectoryAndDrive) {
  Win32FileSystem fs;
  const Scratch scratch("sequora fs test");
  const std::string dir = scratch.Path() + "\\";
  std::string before = fs.CurrentDirectory();
  ASSERT_TRUE(fs.ChangeDirectory(dir));
  EXPECT_TRUE(fs.ChangeDrive(dir[0]));
  EXPECT_EQ(fs.CurrentDirectory() + "\\", dir);
  fs.ChangeDirectory(before);
}

TEST(Win32Environment, KnowsWhereItRuns) {
  Win32Environment env;
  EXPECT_EQ(env.ExeName(), "win32_FileSystemTest");
  EXPECT_FALSE(env.AppPath().empty());
  EXPECT_NE(env.AppPath().back(), '\\');
  EXPECT_FALSE(env.GetVariable("USERPROFILE").empty());
  EXPECT_EQ(env.GetVariable("SEQUORA_NOT_SET_ANYWHERE"), "");
  EXPECT_FALSE(env.TimeText().empty());
  EXPECT_FALSE(env.DateText().empty());
}
