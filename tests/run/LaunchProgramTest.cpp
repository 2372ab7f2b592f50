// Starting programs: LaunchProgram's command lines and folders, the editor's run-now button and
// the run button of a list row.
#include "run/LaunchProgram.h"

#include <gtest/gtest.h>

#include "Form1Fixture.h"

using namespace sequora;

namespace {

class LaunchTest : public test::Form1Test {
 protected:
  std::vector<std::string> logged;
  run::LaunchContext context{fakes.fileSystem, fakes.launcher, test::kAppDir, test::kIni,
                             [this](const std::string& text) { logged.push_back(text); }};

  LaunchTest() {
    PutSettings({});
    fakes.fileSystem.PutFile("C:\\Program Files\\X\\x.exe", "");
    fakes.fileSystem.SetShortName("C:\\Program Files", "PROGRA~1");
    fakes.fileSystem.ChangeDirectory(test::kAppDir);
  }
  std::string Launch(const std::string& command, const std::string& params = "", int style = 1,
                     std::string dir = "") {
    run::LaunchProgram(context, command, style, params, dir);
    lastDir = dir;
    return fakes.launcher.started.empty() ? "<nothing>" : fakes.launcher.started.back().commandLine;
  }
  std::string lastDir;
};

}  // namespace

TEST_F(LaunchTest, AnUnquotedPathStartsByItsShortFormInItsOwnFolder) {
  EXPECT_EQ(Launch("C:\\Program Files\\X\\x.exe", " -a  "), "C:\\PROGRA~1\\X\\x.exe  -a");
  EXPECT_EQ(lastDir, "C:\\Program Files\\X\\");
  EXPECT_EQ(fakes.launcher.started.back().currentDirectory, "C:\\Program Files\\X");
  EXPECT_EQ(fakes.launcher.started.back().showState, 1);
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");
  EXPECT_TRUE(logged.empty());
}

TEST_F(LaunchTest, AQuotedPathHasNoShortFormAndStartsQuotedMinimised) {
  EXPECT_EQ(Launch("\"C:\\Program Files\\X\\x.exe\"", "/min", 6), "\"C:\\Program Files\\X\\x.exe\" /min");
  EXPECT_EQ(fakes.launcher.started.back().showState, 6);
  EXPECT_EQ(fakes.launcher.started.back().currentDirectory, "C:\\Program Files\\X");  // quote dropped
  EXPECT_TRUE(logged.empty());
}

TEST_F(LaunchTest, AMissingFileIsLoggedOnceAndStartedAllTheSame) {
  fakes.fileSystem.MakeDirs("C:\\Missing Dir");
  EXPECT_EQ(Launch("\"C:\\Missing Dir\\app.exe\""), "\"C:\\Missing Dir\\app.exe\"");
  EXPECT_EQ(logged, std::vector<std::string>{"Error: File not found - \"C:\\Missing Dir\\app.exe\""});
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");

  PutSettings({"GenerateLogFile=0"});
  Launch("C:\\nothing.exe");
  EXPECT_EQ(logged.size(), 1u);
  EXPECT_EQ(fakes.launcher.started.size(), 2u);
}

TEST_F(LaunchTest, AMissingFolderOrDriveLeavesTheCurrentFolderAndTheStartGoesOn) {
  EXPECT_EQ(Launch("D:\\Tools\\t.exe", "", 1, "D:\\Tools\\"), "D:\\Tools\\t.exe");
  EXPECT_EQ(fakes.launcher.started.back().currentDirectory, "C:\\Sequora");
  EXPECT_EQ(Launch("notepad.exe"), "notepad.exe");  // no folder in the command: none to change to
  EXPECT_EQ(lastDir, "");
  EXPECT_EQ(Launch(""), "");
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");
}

TEST_F(LaunchTest, AVeryLongPathIsHandledLikeAnyMissingFile) {
  std::string path = "C:\\" + std::string(292, 'a') + "\\b.exe";
  ASSERT_EQ(path.size(), 301u);
  EXPECT_EQ(Launch(path), path);
  EXPECT_EQ(logged.size(), 1u);
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");
}

TEST_F(LaunchTest, RunNowStartsTheEditorFieldsAndNamesTheEntryInTheCountdownLabel) {
  run::Form1& f = Load();
  f.Text4.SetText("7");
  f.Text5.SetText("C:\\PROGRA~1\\X\\");
  f.Text6.SetText("x.exe");
  f.Text8.SetText("-p");
  f.Check2.SetValue(1);
  f.RunCurrentBtn.RaiseClick();
  ASSERT_EQ(fakes.launcher.started.size(), 1u);
  // The long form, quoted for its blank, then the parameters.
  EXPECT_EQ(fakes.launcher.started[0].commandLine, "\"C:\\Program Files\\X\\x.exe\" -p");
  EXPECT_EQ(fakes.launcher.started[0].showState, 6);
  EXPECT_EQ(fakes.launcher.started[0].currentDirectory, "C:\\Program Files\\X");
  EXPECT_EQ(f.Label1.Caption(), "7 Run");
  EXPECT_TRUE(f.RunCurrentBtn.Enabled());
  EXPECT_EQ(f.Text5.Text(), "C:\\PROGRA~1\\X\\");
}

TEST_F(LaunchTest, RowRunAsksFirstThenStartsTheShortFormAndMarksTheEntryDone) {
  PutSettings({}, {"Program2=x.exe", "Program2Dir=C:\\Program Files\\X\\", "Program2Param=-ignored",
                   "Program3=my app.exe", "Program3Dir=C:\\No Short\\"});
  run::Form1& f = Load();
  fakes.dialogs.answers = {7};
  f.E_ListBox_Button1_Click(1);
  EXPECT_TRUE(fakes.launcher.started.empty());
  EXPECT_FALSE(f.ProgramList.At(2)->Done);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "Run Program x.exe");
  EXPECT_EQ(fakes.dialogs.shown[0].title, "Run Program");
  EXPECT_EQ(fakes.dialogs.shown[0].style, 36);

  f.E_ListBox_Button1_Click(1);  // Yes
  ASSERT_EQ(fakes.launcher.started.size(), 1u);
  EXPECT_EQ(fakes.launcher.started[0].commandLine, "C:\\PROGRA~1\\X\\x.exe");
  EXPECT_EQ(fakes.launcher.started[0].showState, 1);
  EXPECT_EQ(fakes.launcher.started[0].currentDirectory, "C:\\Sequora");  // no change of folder
  EXPECT_TRUE(f.ProgramList.At(2)->Done);

  f.E_ListBox_Button1_Click(2);  // no short form: quoted, so the blank cannot split it
  EXPECT_EQ(fakes.launcher.started.back().commandLine, "\"C:\\No Short\\my app.exe\"");
  size_t asked = fakes.dialogs.shown.size();
  f.E_ListBox_Button1_Click(-1);
  f.E_ListBox_Button1_Click(101);
  EXPECT_EQ(fakes.dialogs.shown.size(), asked);
}
