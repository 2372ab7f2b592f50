// Running checks and entry status on the main window's program list.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

using namespace sequora;

namespace {

class StatusTest : public test::Form1Test {
 protected:
  run::Form1& LoadWith(std::initializer_list<std::string> list, bool detectRunning = true) {
    PutSettings({detectRunning ? "CheckRunningProgramTasks=1" : "CheckRunningProgramTasks=0"}, list);
    return Load();
  }
  run::EntryStatus Status(int n) {
    run::EntryStatus s;
    s.text = "<before>";
    form->CheckIfProgrammIsDisabled(n, s);
    return s;
  }
  storage::ProgramEntry& Entry(int n) { return *form->ProgramList.At(n); }
};

}  // namespace

TEST_F(StatusTest, RunningMeansAProcessByNameWithATitledWindowAndSticksUntilAReload) {
  auto app = fakes.processes.AddRunningProgram("APP.EXE", "App");
  (void)app;
  auto tray = fakes.processes.AddProcess("tray.exe");
  fakes.processes.AddWindow(tray, "");
  run::Form1& f = LoadWith({"Program1=app.exe", "Program1Dir=C:\\A\\", "Program2=tray.exe", "Program2Dir=C:\\T\\",
                            "Program3=app.exe"});
  f.ReloadProgrammListeObj();  // alone: the rows' status test also marks entries without a folder
  EXPECT_TRUE(Entry(1).IsRunning);   // case does not matter
  EXPECT_FALSE(Entry(2).IsRunning);  // no titled window
  EXPECT_FALSE(Entry(3).IsRunning);  // no folder: never checked

  fakes.processes.processes.clear();
  fakes.processes.windows.clear();
  f.CheckProgramRunning(1);
  EXPECT_TRUE(Entry(1).IsRunning);  // sticks
  f.ReloadProgrammListeObj();
  EXPECT_FALSE(Entry(1).IsRunning);

  fakes.processes.AddRunningProgram("myapp.exe", "Mine");  // the contains-rule
  f.CheckProgramRunning(1);
  EXPECT_TRUE(Entry(1).IsRunning);
}

TEST_F(StatusTest, StatusCodesAndTextsByConfirmationDisabledAndRunning) {
  fakes.processes.AddRunningProgram("busy.exe", "Busy");
  LoadWith({"Program1=a.exe", "Program1Dir=C:\\A\\", "Program2=busy.exe", "Program2Dir=C:\\B\\",
            "Program2Disabled=1", "Program3=c.exe", "Program3Dir=C:\\C\\", "Program3Disabled=1"});
  struct Case {
    int entry, confirmState;
    bool running;
    int code;
    bool skip;
    const char* text;
  } cases[] = {
      {1, 0, false, 0, false, "<before>"},
      {3, 0, false, 5, true, "Program settings (Disabled)"},
      {2, 0, false, 4, true, "Program already running.. "},
      {3, 1, false, 1, false, "<before>"},  // confirmed: starts although disabled
      {1, 1, true, 4, true, "Program already running.. (even with confirmation it will not be started)"},
      {1, 2, false, 2, true, "Programstart  disabled by confirmation"},
      {3, 2, false, 5, true, "Programstart  disabled by confirmation"},
      {1, 3, false, 6, false, "Programstart: normal"},
      {1, 3, true, 4, true, "Programstart: normal"},
      {3, 3, false, 2, true, "Programstart is disabled (Confirmation: Start default)"},
  };
  for (const Case& c : cases) {
    form->ReloadProgrammListeObj();
    Entry(c.entry).ConfirmState = static_cast<std::int16_t>(c.confirmState);
    Entry(c.entry).IsRunning = c.running;
    run::EntryStatus s = Status(c.entry);
    EXPECT_EQ(s.code, c.code) << "entry " << c.entry << " state " << c.confirmState;
    EXPECT_EQ(s.skip, c.skip) << "entry " << c.entry << " state " << c.confirmState;
    EXPECT_EQ(s.text, c.text) << "entry " << c.entry << " state " << c.confirmState;
  }
  // An empty entry is skipped and keeps code and text.
  run::EntryStatus s;
  s.code = 9;
  form->CheckIfProgrammIsDisabled(50, s);
  EXPECT_TRUE(s.skip);
  EXPECT_EQ(s.code, 9);
  form->CheckIfProgrammIsDisabled(500, s);
  EXPECT_TRUE(s.skip);
}

TEST_F(StatusTest, WithoutDetectionRunningProgramsStartNormally) {
  fakes.processes.AddRunningProgram("busy.exe", "Busy");
  LoadWith({"Program1=busy.exe", "Program1Dir=C:\\B\\"}, false);
  Entry(1).ConfirmState = 3;
  run::EntryStatus s = Status(1);
  EXPECT_EQ(s.code, 6);
  EXPECT_FALSE(s.skip);
  Entry(1).ConfirmState = 0;
  EXPECT_FALSE(Status(1).skip);
}

TEST_F(StatusTest, AReloadAndAStatusPassTakeOneSnapshotAndOneEnumerationEach) {
  std::vector<std::string> list;
  for (int n = 1; n <= 101; ++n) {
    list.push_back("Program" + std::to_string(n) + "=p" + std::to_string(n) + ".exe");
    list.push_back("Program" + std::to_string(n) + "Dir=C:\\P\\");
  }
  PutSettings({"CheckRunningProgramTasks=1"});
  std::string text = FileText(test::kIni);
  for (const auto& line : list) text += line + "\r\n";
  PutIni(text);
  for (int i = 0; i < 30; ++i) fakes.processes.AddRunningProgram("p" + std::to_string((i + 1) * 3) + ".exe", "W");
  run::Form1& f = Load();
  EXPECT_TRUE(Entry(3).IsRunning);
  EXPECT_FALSE(Entry(4).IsRunning);

  fakes.processes.ResetCalls();
  f.ReloadProgrammListeObj();
  EXPECT_EQ(fakes.processes.snapshotCalls, 1);
  EXPECT_EQ(fakes.processes.windowListCalls, 1);

  fakes.processes.ResetCalls();
  run::ProcessScan scan(fakes.processes);
  int skipped = 0;
  for (int n = 1; n <= 101; ++n) {
    run::EntryStatus s;
    f.CheckIfProgrammIsDisabled(n, scan, s);
    skipped += s.skip;
  }
  EXPECT_EQ(skipped, 30);
  EXPECT_EQ(fakes.processes.snapshotCalls, 1);
  EXPECT_EQ(fakes.processes.windowListCalls, 1);
}
