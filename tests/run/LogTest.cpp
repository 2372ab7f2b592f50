// The startup log: entry format, LogText, showing the log, a log file that cannot be written.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

using namespace sequora;
using test::Form1Test;

TEST_F(Form1Test, EachEntryIsThreeLinesInTheFileAndOneCrTerminatedTextInLogText) {
  PutSettings({});
  run::Form1& f = Load();
  EXPECT_FALSE(f.Command15.Enabled());
  fakes.environment.time = "07:05:09";
  fakes.environment.date = "24.12.2026";
  f.AddLog("first");
  f.AddLog("Prog. Nr.3 Not started:\r\n  C:\\x\\a.exe\r\n  -> why");  // same second: two whole blocks
  EXPECT_EQ(FileText(test::kLog),
            "\r\n---  07:05:09 24.12.2026  ---\r\nfirst\r\n"
            "\r\n---  07:05:09 24.12.2026  ---\r\nProg. Nr.3 Not started:\r\n  C:\\x\\a.exe\r\n  -> why\r\n");
  EXPECT_EQ(f.LogText, "first\rProg. Nr.3 Not started:\r\n  C:\\x\\a.exe\r\n  -> why\r");
  EXPECT_TRUE(f.Command15.Enabled());
  EXPECT_TRUE(f.ShowLogFileBtn.Enabled());
}

TEST_F(Form1Test, ShowingTheLogOpensNotepadOrAMessageBoxByGenerateLogFile) {
  PutSettings({});
  run::Form1& f = Load();
  f.AddLog("entry");
  f.ShowLogFileBtn.RaiseClick();
  EXPECT_EQ(fakes.launcher.notepadFiles, std::vector<std::string>{test::kLog});
  EXPECT_TRUE(f.ShowLogFileBtn.Enabled());
  EXPECT_TRUE(fakes.dialogs.shown.empty());

  PutSettings({"GenerateLogFile=yes"});  // only "1" is on
  f.AddLog("second");
  f.Command15.RaiseClick();
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "entry\rsecond\r");
  EXPECT_EQ(fakes.dialogs.shown[0].title, "Log");
  EXPECT_EQ(fakes.dialogs.shown[0].style, 64);
  EXPECT_EQ(f.GetLog(), "entry\rsecond\r");
  EXPECT_EQ(fakes.launcher.notepadFiles.size(), 1u);
}

TEST_F(Form1Test, ALogFileThatCannotBeWrittenLosesTheEntryThereOnly) {
  PutSettings({});
  run::Form1& f = Load();
  fakes.fileSystem.FailNext(platform::FakeFileSystem::Op::AppendFile);
  f.AddLog("lost in the file");
  fakes.fileSystem.SetReadOnly("C:\\Sequora", true);
  f.AddLog("also lost");
  EXPECT_EQ(f.LogText, "lost in the file\ralso lost\r");
  EXPECT_EQ(FileText(test::kLog).find("also lost"), std::string::npos);
  EXPECT_TRUE(f.Command15.Enabled());
}
