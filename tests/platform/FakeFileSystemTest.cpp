#include "platform/fake/FakeFileSystem.h"

#include <gtest/gtest.h>

using sequora::platform::FakeFileSystem;

TEST(FakeFileSystem, NamesAreCaseInsensitiveAndKeepTheirCase) {
  FakeFileSystem fs;
  ASSERT_TRUE(fs.PutFile("C:\\Tools\\App.exe", "x"));
  EXPECT_TRUE(fs.FileExists("c:\\tools\\APP.EXE"));
  EXPECT_TRUE(fs.FileExists("C:/Tools/App.exe"));
  EXPECT_TRUE(fs.DirectoryExists("C:\\TOOLS\\"));
  EXPECT_FALSE(fs.FileExists("C:\\Tools"));
  EXPECT_FALSE(fs.FileExists("\"C:\\Tools\\App.exe\""));  // quotes are not part of a name
  EXPECT_EQ(fs.LongPathName("c:\\tools\\app.exe"), "c:\\Tools\\App.exe");
}

TEST(FakeFileSystem, ShortNamesResolveBothWays) {
  FakeFileSystem fs;
  fs.PutFile("C:\\Program Files\\My App\\my app.exe", "");
  fs.SetShortName("C:\\Program Files", "PROGRA~1");
  fs.SetShortName("C:\\Program Files\\My App", "MYAPP~1");
  fs.SetShortName("C:\\Program Files\\My App\\my app.exe", "MYAPP~1.EXE");
  EXPECT_EQ(fs.ShortPathName("C:\\Program Files\\My App\\my app.exe"), "C:\\PROGRA~1\\MYAPP~1\\MYAPP~1.EXE");
  EXPECT_EQ(fs.LongPathName("C:\\progra~1\\myapp~1\\myapp~1.exe"), "C:\\Program Files\\My App\\my app.exe");
  EXPECT_EQ(fs.ShortPathName("C:\\Program Files\\missing.exe"), "");
}

TEST(FakeFileSystem, CurrentFolderPerDriveAndRelativePaths) {
  FakeFileSystem fs;
  fs.AddDrive('D');
  fs.MakeDirs("C:\\App");
  fs.MakeDirs("D:\\Data\\Sub");
  ASSERT_TRUE(fs.ChangeDirectory("D:\\Data"));
  ASSERT_TRUE(fs.ChangeDirectory("C:\\App"));
  EXPECT_EQ(fs.CurrentDirectory(), "C:\\App");
  ASSERT_TRUE(fs.ChangeDrive('d'));
  EXPECT_EQ(fs.CurrentDirectory(), "D:\\Data");
  ASSERT_TRUE(fs.WriteFile("settings.ini", "a"));
  EXPECT_EQ(fs.Contents("D:\\Data\\settings.ini"), "a");
  EXPECT_FALSE(fs.ChangeDrive('Q'));
}

TEST(FakeFileSystem, MoveRefusesAnExistingTargetAndReplaceSwapsAtomically) {
  FakeFileSystem fs;
  fs.PutFile("C:\\a.txt", "new");
  fs.PutFile("C:\\b.txt", "old");
  EXPECT_FALSE(fs.MovePath("C:\\a.txt", "C:\\b.txt"));
  EXPECT_TRUE(fs.RenameOver("C:\\a.txt", "C:\\b.txt"));
  EXPECT_EQ(fs.Contents("C:\\b.txt"), "new");
  EXPECT_FALSE(fs.FileExists("C:\\a.txt"));
}

TEST(FakeFileSystem, ListingFollowsFindFirstFile) {
  FakeFileSystem fs;
  fs.PutFile("C:\\S\\b.lnk", "");
  fs.PutFile("C:\\S\\A.lnk", "");
  fs.PutFile("C:\\S\\c.txt", "");
  fs.MakeDirs("C:\\S\\Sub");
  auto all = fs.ListDirectory("C:\\S\\*.*");
  ASSERT_TRUE(all);
  ASSERT_EQ(all->size(), 6u);
  EXPECT_EQ((*all)[0].name, ".");
  EXPECT_EQ((*all)[2].name, "A.lnk");
  EXPECT_TRUE((*all)[5].isDirectory);
  auto links = fs.ListDirectory("C:\\S\\*.lnk");
  ASSERT_TRUE(links);
  EXPECT_EQ(links->size(), 2u);
  EXPECT_FALSE(fs.ListDirectory("C:\\S\\*.bat"));
  EXPECT_FALSE(fs.ListDirectory("C:\\Missing\\*.*"));
}

TEST(FakeFileSystem, InjectedFailuresAndReadOnlyFolders) {
  FakeFileSystem fs;
  fs.MakeDirs("C:\\App");
  fs.FailMutation(1);
  EXPECT_FALSE(fs.WriteFile("C:\\App\\x.ini", "12345678"));
  EXPECT_EQ(fs.Contents("C:\\App\\x.ini"), "1234");  // torn: half written
  EXPECT_TRUE(fs.WriteFile("C:\\App\\x.ini", "12345678"));

  fs.FailMutation(1, true);
  EXPECT_FALSE(fs.RemoveFile("C:\\App\\x.ini"));
  EXPECT_FALSE(fs.MakeDirectory("C:\\App\\Sub"));
  fs.FailMutation(0);

  fs.SetReadOnly("C:\\App", true);
  EXPECT_FALSE(fs.WriteFile("C:\\App\\y.ini", ""));
  EXPECT_FALSE(fs.RemoveFile("C:\\App\\x.ini"));
  EXPECT_EQ(fs.Calls(FakeFileSystem::Op::WriteFile), 3);
}
