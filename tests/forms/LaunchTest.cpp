// Starting programs from the main window: the editor's run-now button, the run button of a list
// row, and the log buttons.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

using namespace sequora;

namespace {

class LaunchTest : public test::Form1Test {
 protected:
  LaunchTest() {
    PutSettings({});
    fakes.fileSystem.PutFile("C:\\Program Files\\X\\x.exe", "");
    fakes.fileSystem.SetShortName("C:\\Program Files", "PROGRA~1");
    fakes.fileSystem.ChangeDirectory(test::kAppDir);
  }
};

}  // namespace

TEST_F(LaunchTest, RunNowStartsTheEditorFieldsAndNamesTheEntryInTheCountdownLabel) {
  forms::Form1& f = Load();
  fakes.environment.variables = {{"ARG", "-p"}};
  f.editor.Text4.SetText("7");
  f.editor.Text5.SetText("C:\\PROGRA~1\\X\\");
  f.editor.Text6.SetText("x.exe");
  f.editor.Text8.SetText("%ARG%");
  f.editor.Check2.SetValue(1);
  f.editor.RunCurrentBtn.RaiseClick();
  ASSERT_EQ(fakes.launcher.started.size(), 1u);
  // The long form, quoted for its blank, then the parameters.
  EXPECT_EQ(fakes.launcher.started[0].commandLine, "\"C:\\Program Files\\X\\x.exe\" -p");
  EXPECT_EQ(fakes.launcher.started[0].showState, 6);
  EXPECT_EQ(fakes.launcher.started[0].folder, "C:\\Program Files\\X\\");
  EXPECT_EQ(f.Label1.Caption(), "7 Run");

  // A file that is not there: logged, not started.
  f.editor.Text6.SetText("y.exe");
  f.editor.RunCurrentBtn.RaiseClick();
  EXPECT_EQ(fakes.launcher.started.size(), 1u);
  EXPECT_EQ(f.log.LogText(), "Error: File not found - \"C:\\Program Files\\X\\y.exe\"\r");
}

TEST_F(LaunchTest, RowRunAsksFirstThenStartsTheEntryAsTheRunWouldAndMarksItDone) {
  PutSettings({}, {"Program2=x.exe", "Program2Dir=C:\\Program Files\\X\\", "Program2Param=-a \"b c\"",
                   "Program2Minimized=1", "Program3=\"x.exe\" -q", "Program3Dir=C:\\PROGRA~1\\X"});
  fakes.fileSystem.PutFile("C:\\Program.exe", "MZ");
  forms::Form1& f = Load();
  fakes.dialogs.answers = {7};
  f.E_ListBox_Button1_Click(1);
  EXPECT_TRUE(fakes.launcher.attempts.empty());
  EXPECT_FALSE(f.startupList.At(2)->Done);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "Run Program x.exe");

  f.E_ListBox_Button1_Click(1);  // Yes
  ASSERT_EQ(fakes.launcher.started.size(), 1u);
  EXPECT_EQ(fakes.launcher.started[0].commandLine, "\"C:\\Program Files\\X\\x.exe\" -a \"b c\"");
  EXPECT_EQ(fakes.launcher.started[0].showState, platform::show::kMinimized);
  EXPECT_TRUE(f.startupList.At(2)->Done);

  f.E_ListBox_Button1_Click(2);  // quotes and a short folder without its separator
  EXPECT_EQ(fakes.launcher.started.back().commandLine, "\"C:\\Program Files\\X\\x.exe\" -q");
  size_t asked = fakes.dialogs.shown.size();
  f.E_ListBox_Button1_Click(-1);
  f.E_ListBox_Button1_Click(101);
  EXPECT_EQ(fakes.dialogs.shown.size(), asked);
}

TEST_F(LaunchTest, TheLogButtonsBecomeUsableWithTheFirstEntryAndShowTheLog) {
  forms::Form1& f = Load();
  EXPECT_FALSE(f.Command15.Enabled());
  EXPECT_FALSE(f.settingsPanel.ShowLogFileBtn.Enabled());
  f.log.AddLog("entry");
  EXPECT_TRUE(f.Command15.Enabled());
  EXPECT_TRUE(f.settingsPanel.ShowLogFileBtn.Enabled());
  f.settingsPanel.ShowLogFileBtn.RaiseClick();
  f.Command15.RaiseClick();
  EXPECT_EQ(fakes.launcher.notepadFiles, (std::vector<std::string>{test::kLog, test::kLog}));
}
