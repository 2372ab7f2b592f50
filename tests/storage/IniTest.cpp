#include "storage/Ini.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeFileSystem.h"
#include "storage/AtomicFile.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;

namespace {

class IniTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  Ini ini{fs};
  const std::string path = "C:\\Sequora\\Sequora.ini";
  void SetUp() override { fs.MakeDirs("C:\\Sequora"); }
};

}  // namespace

TEST_F(IniTest, ReadGivesTheDefaultForMissingEmptyAndBlankValues) {
  fs.PutFile(path, "[S]\r\nEmpty=\r\nBlanks=    \r\nQuoted=\"  \"\r\nSet= 7 \r\nLong=" + std::string(148, 'x') + "\r\n");
  EXPECT_EQ(ini.ReadIni("S", "Empty", path, "def", true), "def");
  EXPECT_EQ(ini.ReadIni("S", "Blanks", path, "def", true), "def");
  EXPECT_EQ(ini.ReadIni("S", "Quoted", path, "def", true), "def");
  EXPECT_EQ(ini.ReadIni("S", "Missing", path, "def", true), "def");
  EXPECT_EQ(ini.ReadIni("Nope", "Set", path, "def", true), "def");
  EXPECT_EQ(ini.ReadIni("S", "Set", path, "def", true), "7");
  EXPECT_EQ(ini.ReadIni("S", "Long", path, "", true), std::string(148, 'x'));
}

TEST_F(IniTest, ReadingAMissingFileCreatesItEmpty) {
  EXPECT_EQ(ini.ReadIni("S", "K", path, "def", false), "def");
  EXPECT_FALSE(fs.Contents(path));
  EXPECT_EQ(ini.ReadIni("S", "K", path, "def", true), "def");
  EXPECT_EQ(fs.Contents(path), "");
  // A folder that is missing or read-only: the default, and nothing else happens.
  EXPECT_EQ(ini.ReadIni("S", "K", "C:\\Gone\\x.ini", "def", true), "def");
  fs.MakeDirs("C:\\Locked");
  fs.SetReadOnly("C:\\Locked", true);
  EXPECT_EQ(ini.ReadIni("S", "K", "C:\\Locked\\x.ini", "def", true), "def");
  EXPECT_FALSE(fs.FileExists("C:\\Locked\\x.ini"));
}

TEST_F(IniTest, BareFileNamesResolveAgainstTheCurrentFolderOnlyWhenTheFileIsThere) {
  fs.ChangeDirectory("C:\\Sequora");
  EXPECT_EQ(ini.MakeFullPath("settings.ini"), "settings.ini");
  fs.PutFile("C:\\Sequora\\settings.ini", "[S]\r\nK=here\r\n");
  EXPECT_EQ(ini.MakeFullPath("settings.ini"), "C:\\Sequora\\settings.ini");
  EXPECT_EQ(ini.MakeFullPath("D:settings.ini"), "D:settings.ini");
  EXPECT_EQ(ini.ReadIni("S", "K", "settings.ini", "", true), "here");
}

TEST_F(IniTest, WriteCreatesTheFileAndEditsInPlace) {
  EXPECT_FALSE(ini.WriteIni("S", "K", "v", path, false));
  EXPECT_FALSE(fs.Contents(path));
  EXPECT_TRUE(ini.WriteIni("S", "K", "v", path, true));
  EXPECT_EQ(fs.Contents(path), "[S]\r\nK=v\r\n");
  EXPECT_TRUE(ini.WriteIni("S", "K", "w", path, true));
  EXPECT_TRUE(ini.WriteIni("T", "K", "x", path, true));
  EXPECT_EQ(fs.Contents(path), "[S]\r\nK=w\r\n[T]\r\nK=x\r\n");
  EXPECT_EQ(ini.ReadIni("t", "k", path, "", true), "x");
  EXPECT_FALSE(fs.FileExists(TemporaryPathFor(path)));
}

TEST_F(IniTest, WriteFailuresReachTheCallerAndKeepTheOldFile) {
  const std::string old = "[S]\r\nK=old\r\n";
  fs.PutFile(path, old);
  fs.SetReadOnly(path, true);
  EXPECT_FALSE(ini.WriteIni("S", "K", "new", path, true));
  fs.SetReadOnly(path, false);
  fs.SetReadOnly("C:\\Sequora", true);
  EXPECT_FALSE(ini.WriteIni("S", "K", "new", path, true));
  fs.SetReadOnly("C:\\Sequora", false);
  fs.FailNext(FakeFileSystem::Op::ReadFile);
  EXPECT_FALSE(ini.WriteIni("S", "K", "new", path, true));  // unreadable: never replaced blind
  EXPECT_EQ(fs.Contents(path), old);
  EXPECT_FALSE(ini.WriteIni("S", "K", "v", "C:\\Gone\\x.ini", true));
  EXPECT_TRUE(fs.FilesBelow("C:\\").size() == 1);
}

// A crash (every later step failing too) or a single failing step at any point of a write leaves
// the old file or the new one, whole.
TEST_F(IniTest, AWriteInterruptedAtAnyStepLeavesTheOldOrTheNewFile) {
  const std::string old = "# c\r\n[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n";
  const std::string updated = "# c\r\n[S]\r\nA=1\r\nK=" + std::string(40, 'n') + "\r\n\r\n[T]\r\nB=2\r\n";
  fs.PutFile(path, old);
  fs.ResetCalls();
  int before = fs.MutationCount();
  ASSERT_TRUE(ini.WriteIni("S", "K", std::string(40, 'n'), path, true));
  const int steps = fs.MutationCount() - before;
  ASSERT_GE(steps, 2);
  for (bool crash : {true, false}) {
    for (int step = 1; step <= steps; ++step) {
      fs.PutFile(path, old);
      fs.FailMutation(step, crash);
      bool ok = ini.WriteIni("S", "K", std::string(40, 'n'), path, true);
      fs.FailMutation(0);
      auto now = fs.Contents(path);
      ASSERT_TRUE(now) << step;
      EXPECT_TRUE(*now == old || *now == updated) << "step " << step << (crash ? " (crash)" : "");
      EXPECT_EQ(ok, *now == updated) << step;
      EXPECT_EQ(ini.ReadIni("T", "B", path, "", true), "2");
    }
  }
}

TEST_F(IniTest, SeveralKeysGoInOneReplacement) {
  fs.PutFile(path, "[S]\r\nA=1\r\n");
  int before = fs.MutationCount();
  EXPECT_TRUE(ini.WriteIniValues("S", {{"A", "x"}, {"B", "y"}, {"A", "z"}}, path, true));
  EXPECT_EQ(fs.MutationCount() - before, 2);  // the temporary file and the rename
  EXPECT_EQ(fs.Contents(path), "[S]\r\nA=z\r\nB=y\r\n");
  before = fs.MutationCount();
  EXPECT_TRUE(ini.WriteIni("S", "B", "y", path, true));  // nothing changes: nothing written
  EXPECT_EQ(fs.MutationCount(), before);
}

TEST_F(IniTest, LargeAndBinaryFilesAreReadAndEditedSafely) {
  std::string big = "[Main]\r\nKey=first\r\n";
  const std::string filler = "[Filler]\r\n" + std::string(1000, 'f') + "=" + std::string(1000, 'v') + "\r\n";
  big.reserve(11u * 1024 * 1024);
  while (big.size() < 10u * 1024 * 1024) big += filler;
  big += "[Last]\r\nKey=end\r\n";
  fs.PutFile(path, big);
  EXPECT_EQ(ini.ReadIni("Last", "Key", path, "", true), "end");
  EXPECT_EQ(ini.ReadSnapshot(path, true).ReadIni("Main", "Key", ""), "first");
  ASSERT_TRUE(ini.WriteIni("Last", "Key", "changed", path, true));
  EXPECT_EQ(fs.Contents(path)->size(), big.size() + 4);

  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage += static_cast<char>((i * 7919 + i / 13) & 0xFF);
  fs.PutFile(path, garbage);
  std::string value = ini.ReadIni("Main", "Key", path, "d", true);
  EXPECT_LE(value.size(), 148u);
  ASSERT_TRUE(ini.WriteIni("Main", "Key", "v", path, true));
  auto after = fs.Contents(path);
  EXPECT_EQ(after->substr(0, garbage.size()), garbage);
  EXPECT_EQ(ini.ReadIni("Main", "Key", path, "", true), "v");
}

TEST_F(IniTest, CreateEmptyFileNeverTruncates) {
  fs.PutFile(path, "data");
  EXPECT_TRUE(ini.CreateEmptyFile(path));
  EXPECT_EQ(fs.Contents(path), "data");
  EXPECT_TRUE(ini.CreateEmptyFile("C:\\Sequora\\new.ini"));
  EXPECT_EQ(fs.Contents("C:\\Sequora\\new.ini"), "");
  EXPECT_FALSE(ini.CreateEmptyFile("C:\\Sequora"));
}
