// Start-up and shutdown of the main window on the fake platform.
#include <gtest/gtest.h>

#include "Form1Fixture.h"
#include "storage/SettingsFile.h"

using namespace sequora;
using test::Form1Test;

TEST_F(Form1Test, FreshStartWritesTheDefaultFileBesideTheProgramAndCountsFrom30) {
  forms::Form1& f = Load();
  EXPECT_EQ(FileText(test::kIni), storage::DefaultIniText());
  EXPECT_TRUE(f.NewSettingsFile);
  EXPECT_TRUE(fakes.fileSystem.DirectoryExists("C:\\Sequora\\Icons"));
  EXPECT_FALSE(fakes.fileSystem.DirectoryExists("C:\\Sequora\\Backup"));
  EXPECT_EQ(f.GetStartPfad(), test::kAppDir);
  EXPECT_EQ(f.GetIniName(), test::kIni);
  EXPECT_EQ(f.getBackupDir(), "C:\\Sequora\\Backup\\");
  EXPECT_EQ(f.Paths().IconsDir, "C:\\Sequora\\Icons\\");
  EXPECT_EQ(f.Paths().LogPath, test::kLog);

  EXPECT_EQ(f.sequencer.Countdown(), 30);
  EXPECT_EQ(f.Label1.Caption(), "30");
  EXPECT_EQ(f.settingsPanel.Text2.Text(), "30");
  EXPECT_EQ(f.settingsPanel.Text3.Text(), "2");
  EXPECT_EQ(f.settingsPanel.RunningPrgr.Value(), 1);  // the default file has CheckRunningProgramTasks=1
  EXPECT_EQ(f.settingsPanel.SkipRegistry.Value(), 0);
  EXPECT_EQ(f.Caption(), "Sequora 1.3 Beta  30");
  EXPECT_EQ(f.VersCaption.Caption(), "Vers. 1.3 Beta");
  EXPECT_EQ(f.editor.Text4.Text(), "1");  // the editor starts on the first entry
  EXPECT_FALSE(f.editor.Command9.Enabled());
  EXPECT_FALSE(f.settingsPanel.Command5.Visible());
  EXPECT_EQ(f.editor.QuestionCombo.ListCount(), 99);
  EXPECT_EQ(f.editor.QuestionCombo.List(98), "99");
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.State(), ui::WindowState::Normal);
  EXPECT_EQ(fakes.windows.claimed, std::vector<std::string>{"Sequora"});

  // The import window is offered first; the countdown waits until it is closed.
  EXPECT_TRUE(f.importForm.Visible());
  EXPECT_TRUE(f.importForm.IsModal());
  Advance(3000);
  EXPECT_EQ(f.Label1.Caption(), "30");
  f.importForm.CancelBtn.RaiseClick();
  EXPECT_FALSE(f.importForm.Loaded());
  EXPECT_TRUE(f.Timer1.Enabled());
  EXPECT_EQ(f.Timer1.Interval(), 1000);
  Advance(1000);
  EXPECT_EQ(f.Label1.Caption(), "29");
}

TEST_F(Form1Test, MissingKeysTakeTheReadDefaults) {
  PutSettings({});
  forms::Form1& f = Load();
  EXPECT_FALSE(f.NewSettingsFile);
  EXPECT_EQ(f.sequencer.Countdown(), 20);
  EXPECT_EQ(f.MainSettings().ProgramDelayDefault, 2);
  EXPECT_EQ(f.settingsPanel.SkipRegistry.Value(), 1);  // missing SkipWindowsAutoRunPrograms: on
  EXPECT_EQ(f.settingsPanel.AutoRemoveCheck.Value(), 0);
  EXPECT_EQ(f.settingsPanel.RunningPrgr.Value(), 0);   // missing CheckRunningProgramTasks: off
  EXPECT_EQ(f.settingsPanel.SystemTrayCheck.Value(), 0);
  EXPECT_EQ(f.settingsPanel.Check1.Value(), 0);
  EXPECT_FALSE(f.settingsPanel.ShowLogFileBtn.Enabled());  // no log file yet
}

TEST_F(Form1Test, OnOffKeysFollowTheirOwnTests) {
  PutSettings({"SystemTray=yes", "SkipWindowsAutoRunPrograms=0", "AutoRemoveDoublesFromWindowsAutostart=1",
               "CheckRunningProgramTasks=2", "InitialStartupTime=45", "ProgramDelayDefault=7"});
  forms::Form1& f = Load();
  EXPECT_EQ(f.settingsPanel.SystemTrayCheck.Value(), 1);
  EXPECT_EQ(f.settingsPanel.SkipRegistry.Value(), 0);
  EXPECT_EQ(f.settingsPanel.AutoRemoveCheck.Value(), 0);  // ignored while the autorun test is off
  EXPECT_EQ(f.settingsPanel.RunningPrgr.Value(), 1);
  EXPECT_EQ(f.sequencer.Countdown(), 45);
  EXPECT_EQ(f.settingsPanel.Text3.Text(), "7");
}

TEST_F(Form1Test, StartMinimizedCountsByNumericValue) {
  PutSettings({"StartMinimized=0.0"});
  EXPECT_EQ(Load().State(), ui::WindowState::Normal);
  EXPECT_EQ(form->settingsPanel.Check1.Value(), 0);
  PutSettings({"StartMinimized=2"});
  EXPECT_EQ(Load().State(), ui::WindowState::Minimized);
  EXPECT_EQ(form->settingsPanel.Check1.Value(), 1);
  EXPECT_TRUE(form->Visible());
}

TEST_F(Form1Test, DeleteLogfileOnStartupLeavesAnEmptyLogThatCanBeShown) {
  fakes.fileSystem.PutFile(test::kLog, "old entries");
  PutSettings({"DeleteLogfileOnStartup=1"});
  forms::Form1& f = Load();
  EXPECT_EQ(FileText(test::kLog), "");
  EXPECT_TRUE(f.settingsPanel.ShowLogFileBtn.Enabled());

  fakes.fileSystem.PutFile(test::kLog, "old entries");
  PutSettings({"DeleteLogfileOnStartup=yes", "GenerateLogFile=0"});
  Load();
  EXPECT_EQ(FileText(test::kLog), "old entries");
  EXPECT_FALSE(form->settingsPanel.ShowLogFileBtn.Enabled());  // logging shown as a message box only
}

TEST_F(Form1Test, NumbersThatAreNoNumbersReadAsTheirDefaults) {
  PutSettings({"InitialStartupTime=abc", "ProgramDelayDefault=99999", "StartMinimized=x?"});
  forms::Form1& f = Load();
  EXPECT_EQ(f.sequencer.Countdown(), 20);  // not 0: that would start every program at once
  EXPECT_EQ(f.MainSettings().ProgramDelayDefault, 2);
  EXPECT_EQ(f.Label1.Caption(), "20");
  EXPECT_EQ(f.State(), ui::WindowState::Normal);
  Advance(1000);
  EXPECT_FALSE(fakes.windows.Ended());
}

TEST_F(Form1Test, ASettingsFileThatCannotBeMadeIsLoggedAndNothingEmptyIsLeft) {
  fakes.fileSystem.SetReadOnly("C:\\Sequora", true);
  forms::Form1& f = Load();
  EXPECT_FALSE(f.NewSettingsFile);
  EXPECT_FALSE(fakes.fileSystem.FileExists(test::kIni));
  EXPECT_NE(f.log.LogText().find("Error: The settings file could not be created - C:\\Sequora\\Sequora.ini"),
            std::string::npos);
  EXPECT_EQ(f.sequencer.Countdown(), 20);  // the read defaults
  EXPECT_TRUE(f.Command15.Enabled());
}

TEST_F(Form1Test, SecondInstanceBringsTheFirstToTheFrontAndTouchesNothing) {
  PutSettings({"DeleteLogfileOnStartup=1"});
  fakes.fileSystem.PutFile(test::kLog, "entries");
  fakes.windows.otherInstanceRunning = true;
  fakes.fileSystem.ResetCalls();
  forms::Form1& f = Load();
  EXPECT_EQ(fakes.windows.activated, std::vector<std::string>{"Sequora"});
  EXPECT_TRUE(fakes.windows.Ended());
  EXPECT_EQ(fakes.windows.exitCode, 0);
  for (int op = 0; op < static_cast<int>(platform::FakeFileSystem::Op::kCount); ++op)
    EXPECT_EQ(fakes.fileSystem.Calls(static_cast<platform::FakeFileSystem::Op>(op)), 0) << "call kind " << op;
  EXPECT_EQ(FileText(test::kLog), "entries");
  EXPECT_FALSE(f.Timer1.Enabled());
  EXPECT_FALSE(f.Visible());
}

TEST_F(Form1Test, CountdownShowsTheSecondsInTheLabelAndTheCaptionFromTheStart) {
  PutSettings({"InitialStartupTime=3"});
  forms::Form1& f = Load();
  EXPECT_EQ(f.Caption(), "Sequora 1.3 Beta  3");
  Advance(1000);
  EXPECT_EQ(f.Label1.Caption(), "2");
  EXPECT_EQ(f.Caption(), "Sequora 1.3 Beta  2");
  Advance(1000);
  EXPECT_EQ(f.Label1.Caption(), "1");
  f.Command4.RaiseClick();
  EXPECT_EQ(f.Caption(), "Pause - Sequora 1.3 Beta  1");
  f.Command4.RaiseClick();
  Advance(1000);
  EXPECT_EQ(f.Label1.Caption(), "0");
  EXPECT_EQ(f.Caption(), "Sequora 1.3 Beta  0");
}

TEST_F(Form1Test, ExitAndClosingRemoveTheTrayIconOnceAndExitEnds) {
  PutSettings({});
  forms::Form1& f = Load();
  f.Command1.RaiseClick();
  EXPECT_TRUE(f.TrayRemoved);
  EXPECT_TRUE(fakes.windows.Ended());

  Load();
  EXPECT_FALSE(form->TrayRemoved);
  EXPECT_TRUE(form->Unload(ui::UnloadMode::ControlMenu));
  EXPECT_TRUE(form->TrayRemoved);
  EXPECT_FALSE(form->Loaded());
}

