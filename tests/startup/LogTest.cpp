// The startup log: entry format, LogText, showing the log, a log file that cannot be written.
#include <gtest/gtest.h>

#include "RunFixture.h"

using namespace sequora;

namespace {
class LogTest : public test::RunTest {
 protected:
  startup::StartupLog& Log() { return parts->log; }
};
}  // namespace

TEST_F(LogTest, EachEntryIsThreeLinesInTheFileAndOneCrTerminatedTextInLogText) {
  PutSettings({});
  Start();
  int added = 0;
  Log().OnAdded = [&] { ++added; };
  fakes.environment.time = "07:05:09";
  fakes.environment.date = "24.12.2026";
  Log().AddLog("first");
  Log().AddLog("Prog. Nr.3 Not started:\r\n  C:\\x\\a.exe\r\n  -> why");  // same second: two whole blocks
  EXPECT_EQ(FileText(test::kLog),
            "\r\n---  07:05:09 24.12.2026  ---\r\nfirst\r\n"
            "\r\n---  07:05:09 24.12.2026  ---\r\nProg. Nr.3 Not started:\r\n  C:\\x\\a.exe\r\n  -> why\r\n");
  EXPECT_EQ(LogText(), "first\rProg. Nr.3 Not started:\r\n  C:\\x\\a.exe\r\n  -> why\r");
  EXPECT_EQ(added, 2);
}

TEST_F(LogTest, ShowingTheLogOpensNotepadOrAMessageBoxByGenerateLogFile) {
  PutSettings({});
  Start();
  Log().AddLog("entry");
  EXPECT_EQ(Log().GetLog(), "entry\r");
  EXPECT_EQ(fakes.launcher.notepadFiles, std::vector<std::string>{test::kLog});
  EXPECT_TRUE(fakes.dialogs.shown.empty());

  PutSettings({"GenerateLogFile=yes"});  // only "1" is on: nothing goes to the file
  fakes.fileSystem.RemoveFile(test::kLog);
  Start();
  Log().AddLog("second");
  Log().GetLog();
  EXPECT_FALSE(fakes.fileSystem.FileExists(test::kLog));
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "second\r");
  EXPECT_EQ(fakes.launcher.notepadFiles.size(), 1u);
}

TEST_F(LogTest, ALogFileThatCannotBeWrittenLosesTheEntryThereOnly) {
  PutSettings({});
  Start();
  fakes.fileSystem.FailNext(platform::FakeFileSystem::Op::AppendFile);
  Log().AddLog("lost in the file");
  fakes.fileSystem.SetReadOnly("C:\\Sequora", true);
  Log().AddLog("also lost");
  EXPECT_EQ(LogText(), "lost in the file\ralso lost\r");
  EXPECT_EQ(FileText(test::kLog).find("also lost"), std::string::npos);
}

TEST_F(LogTest, ALogThatWouldPassOneMegabyteMovesToTheOldLogFirst) {
  PutSettings({});
  Start();
  fakes.fileSystem.PutFile(test::kLog, std::string(startup::StartupLog::kMaxLogBytes - 10, 'x'));
  fakes.fileSystem.PutFile("C:\\Sequora\\Sequora_LogFile.old.log", "older");
  Log().AddLog("the entry that would pass the limit");
  EXPECT_EQ(FileText("C:\\Sequora\\Sequora_LogFile.old.log").size(), startup::StartupLog::kMaxLogBytes - 10);
  EXPECT_NE(FileText(test::kLog).find("the entry that would pass the limit"), std::string::npos);
  EXPECT_LT(FileText(test::kLog).size(), 200u);
}
