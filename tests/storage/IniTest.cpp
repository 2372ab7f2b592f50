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
  fs.PutFile(path, "[S]\r\nEmpty=\r\nBlanks=    \r\nQuoted=\"  \"\r\nSet= 7 \r\n");
  EXPECT_EQ(ini.ReadIni("S", "Empty", path, "def"), "def");
  EXPECT_EQ(ini.ReadIni("S", "Blanks", path, "def"), "def");
  EXPECT_EQ(ini.ReadIni("S", "Quoted", path, "def"), "def");
  EXPECT_EQ(ini.ReadIni("S", "Missing", path, "def"), "def");
  EXPECT_EQ(ini.ReadIni("Nope", "Set", path, "def"), "def");
  EXPECT_EQ(ini.ReadIni("S", "Set", path, "def"), "7");
}

TEST_F(IniTest, ReadingNeverWrites) {
  const int before = fs.MutationCount();
  for (bool createIfMissing : {false, true}) {
    EXPECT_EQ(ini.ReadIni("S", "K", path, "def", createIfMissing), "def");
    EXPECT_EQ(ini.ReadIni("S", "K", "C:\\Gone\\x.ini", "def", createIfMissing), "def");
  }
  auto snapshot = ini.ReadSnapshot(path);
  ASSERT_TRUE(snapshot);  // a missing file reads as an empty one ...
  EXPECT_EQ(snapshot->ReadIni("S", "K", "def"), "def");
  EXPECT_FALSE(fs.Exists(path));  // ... and stays missing
  EXPECT_EQ(fs.MutationCount(), before);
}

TEST_F(IniTest, ASnapshotTellsAnUnreadableFileFromAMissingOne) {
  fs.PutFile(path, "[S]\r\nK=v\r\n");
  fs.FailNext(FakeFileSystem::Op::ReadFile);
  EXPECT_FALSE(ini.ReadSnapshot(path));
  EXPECT_EQ(ini.ReadSnapshot(path)->ReadIni("S", "K", ""), "v");
  EXPECT_FALSE(ini.ReadSnapshot("C:\\Sequora"));  // a folder is no settings file
}

TEST_F(IniTest, BareFileNamesResolveAgainstTheCurrentFolderOnlyWhenTheFileIsThere) {
  fs.ChangeDirectory("C:\\Sequora");
  EXPECT_EQ(ini.MakeFullPath("settings.ini"), "settings.ini");
  fs.PutFile("C:\\Sequora\\settings.ini", "[S]\r\nK=here\r\n");
  EXPECT_EQ(ini.MakeFullPath("settings.ini"), "C:\\Sequora\\settings.ini");
  EXPECT_EQ(ini.MakeFullPath("D:settings.ini"), "D:settings.ini");
  EXPECT_EQ(ini.ReadIni("S", "K", "settings.ini", ""), "here");
}

TEST_F(IniTest, WriteCreatesTheFileAndEditsInPlace) {
  EXPECT_EQ(ini.WriteValue("S", "K", "v", path, false), IniWrite::NoFile);
  EXPECT_FALSE(fs.Contents(path));
  EXPECT_EQ(ini.WriteValue("S", "K", "v", path, true), IniWrite::Written);
  EXPECT_EQ(fs.Contents(path), "[S]\r\nK=v\r\n");
  EXPECT_EQ(ini.WriteValue("S", "K", "w", path, true), IniWrite::Written);
  EXPECT_EQ(ini.WriteValue("T", "K", "x", path, true), IniWrite::Written);
  EXPECT_EQ(fs.Contents(path), "[S]\r\nK=w\r\n[T]\r\nK=x\r\n");
  EXPECT_EQ(ini.ReadIni("t", "k", path, ""), "x");
  EXPECT_FALSE(fs.FileExists(TemporaryPathFor(path)));
}

// The existence test and the read can fail for a moment (a virus scanner, a network share): a
// write must then neither truncate the file nor replace it with one holding only the new key.
TEST_F(IniTest, AFileThatLooksMissingForAMomentIsEditedNotReplaced) {
  fs.PutFile(path, "[S]\r\nA=1\r\n");
  fs.FailNext(FakeFileSystem::Op::ReadFile);
  fs.FailNext(FakeFileSystem::Op::FileExists);
  EXPECT_EQ(ini.WriteValue("S", "K", "v", path, true), IniWrite::Written);
  EXPECT_EQ(fs.Contents(path), "[S]\r\nA=1\r\nK=v\r\n");
}

TEST_F(IniTest, WriteFailuresReachTheCallerAndKeepTheOldFile) {
  const std::string old = "[S]\r\nK=old\r\n";
  fs.PutFile(path, old);
  fs.SetReadOnly(path, true);
  EXPECT_EQ(ini.WriteValue("S", "K", "new", path, true), IniWrite::Failed);
  fs.SetReadOnly(path, false);
  fs.SetReadOnly("C:\\Sequora", true);
  EXPECT_EQ(ini.WriteValue("S", "K", "new", path, true), IniWrite::Failed);
  fs.SetReadOnly("C:\\Sequora", false);
  fs.FailNext(FakeFileSystem::Op::ReadFile);
  EXPECT_EQ(ini.WriteValue("S", "K", "new", path, true), IniWrite::Failed);  // unreadable: never replaced blind
  EXPECT_EQ(fs.Contents(path), old);
  EXPECT_EQ(ini.WriteValue("S", "K", "v", "C:\\Gone\\x.ini", true), IniWrite::Failed);
  EXPECT_FALSE(ini.WriteIni("S", "K", "new", "C:\\Gone\\x.ini", true));
  EXPECT_TRUE(fs.FilesBelow("C:\\").size() == 1);
}

TEST_F(IniTest, ValuesReadBackAsWrittenAndLineBreaksAreRefused) {
  fs.PutFile(path, "[ProgramList]\r\nProgram1=app.exe\r\nProgram1Param=-a\r\n");
  const std::string quoted = "\"C:\\My Docs\\report.txt\"";
  ASSERT_EQ(ini.WriteValue("ProgramList", "Program1Param", quoted, path, true), IniWrite::Written);
  EXPECT_EQ(ini.ReadIni("ProgramList", "Program1Param", path, ""), quoted);
  const std::string before = *fs.Contents(path);
  const int mutations = fs.MutationCount();
  EXPECT_EQ(ini.WriteValue("ProgramList", "Program1Param", "x\r\nProgram1Disabled=1\r\nProgram3=C:\\evil.exe", path,
                           true),
            IniWrite::Refused);
  EXPECT_EQ(ini.WriteValues("ProgramList", {{"Program2", "ok.exe"}, {"Program2Param", "a\nb"}}, path, true),
            IniWrite::Refused);  // one refused pair refuses all
  EXPECT_FALSE(ini.WriteIni("ProgramList", "Program1Param", "a\rb", path, true));
  EXPECT_EQ(fs.MutationCount(), mutations);
  EXPECT_EQ(fs.Contents(path), before);
  EXPECT_EQ(ini.ReadIni("ProgramList", "Program1Disabled", path, "0"), "0");
  EXPECT_EQ(ini.ReadIni("ProgramList", "Program3", path, ""), "");
  // Nor is a missing file created for a refused write.
  EXPECT_EQ(ini.WriteValue("S", "K", "a\nb", "C:\\Sequora\\new.ini", true), IniWrite::Refused);
  EXPECT_FALSE(fs.Exists("C:\\Sequora\\new.ini"));
}

// A crash (every later step failing too) or a single failing step at any point of a write leaves
// the old file or the new one, whole.
TEST_F(IniTest, AWriteInterruptedAtAnyStepLeavesTheOldOrTheNewFile) {
  const std::string old = "# c\r\n[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n";
  const std::string updated = "# c\r\n[S]\r\nA=1\r\nK=" + std::string(40, 'n') + "\r\n\r\n[T]\r\nB=2\r\n";
  fs.PutFile(path, old);
  fs.ResetCalls();
  int before = fs.MutationCount();
  ASSERT_EQ(ini.WriteValue("S", "K", std::string(40, 'n'), path, true), IniWrite::Written);
  const int steps = fs.MutationCount() - before;
  ASSERT_GE(steps, 2);
  for (bool crash : {true, false}) {
    for (int step = 1; step <= steps; ++step) {
      fs.PutFile(path, old);
      fs.FailMutation(step, crash);
      const IniWrite result = ini.WriteValue("S", "K", std::string(40, 'n'), path, true);
      fs.FailMutation(0);
      auto now = fs.Contents(path);
      ASSERT_TRUE(now) << step;
      EXPECT_TRUE(*now == old || *now == updated) << "step " << step << (crash ? " (crash)" : "");
      EXPECT_EQ(result == IniWrite::Written, *now == updated) << step;
      EXPECT_EQ(ini.ReadIni("T", "B", path, ""), "2");
    }
  }
}

TEST_F(IniTest, SeveralKeysGoInOneReplacement) {
  fs.PutFile(path, "[S]\r\nA=1\r\n");
  int before = fs.MutationCount();
  EXPECT_EQ(ini.WriteValues("S", {{"A", "x"}, {"B", "y"}, {"A", "z"}}, path, true), IniWrite::Written);
  EXPECT_EQ(fs.MutationCount() - before, 2);  // the temporary file and the rename
  EXPECT_EQ(fs.Contents(path), "[S]\r\nA=z\r\nB=y\r\n");
  before = fs.MutationCount();
  EXPECT_EQ(ini.WriteValue("S", "B", "y", path, true), IniWrite::Written);  // nothing changes: nothing written
  EXPECT_EQ(fs.MutationCount(), before);
}

TEST_F(IniTest, LargeAndBinaryFilesAreReadAndEditedSafely) {
  std::string big = "[Main]\r\nKey=first\r\n";
  const std::string filler = "[Filler]\r\n" + std::string(1000, 'f') + "=" + std::string(1000, 'v') + "\r\n";
  big.reserve(11u * 1024 * 1024);
  while (big.size() < 10u * 1024 * 1024) big += filler;
  big += "[Last]\r\nKey=end\r\n";
  fs.PutFile(path, big);
  EXPECT_EQ(ini.ReadIni("Last", "Key", path, ""), "end");
  EXPECT_EQ(ini.ReadSnapshot(path)->ReadIni("Main", "Key", ""), "first");
  ASSERT_EQ(ini.WriteValue("Last", "Key", "changed", path, true), IniWrite::Written);
  EXPECT_EQ(fs.Contents(path)->size(), big.size() + 4);

  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage += static_cast<char>((i * 7919 + i / 13) & 0xFF);
  fs.PutFile(path, garbage);
  EXPECT_EQ(ini.ReadIni("Main", "Key", path, "d"), "d");
  ASSERT_EQ(ini.WriteValue("Main", "Key", "v", path, true), IniWrite::Written);
  auto after = fs.Contents(path);
  EXPECT_EQ(after->substr(0, garbage.size()), garbage);
  EXPECT_EQ(ini.ReadIni("Main", "Key", path, ""), "v");
}

TEST_F(IniTest, CreateEmptyFileNeverTruncates) {
  fs.PutFile(path, "data");
  EXPECT_TRUE(ini.CreateEmptyFile(path));
  EXPECT_EQ(fs.Contents(path), "data");
  EXPECT_TRUE(ini.CreateEmptyFile("C:\\Sequora\\new.ini"));
  EXPECT_EQ(fs.Contents("C:\\Sequora\\new.ini"), "");
  EXPECT_FALSE(ini.CreateEmptyFile("C:\\Sequora"));
}
