// Running checks and entry status on the program list.
#include <gtest/gtest.h>

#include "RunFixture.h"

using namespace sequora;
using startup::EntryStatusCode;
using Confirm = storage::ConfirmState;

namespace {

class StatusTest : public test::RunTest {
 protected:
  startup::StartupList& LoadWith(std::initializer_list<std::string> entries) {
    PutSettings({"CheckRunningProgramTasks=1"}, entries);
    Start();
    return parts->list;
  }
  startup::EntryStatus Status(int n) { return parts->list.StatusOf(n); }
  void Reload() { parts->list.ReloadProgrammListeObj(parts->list.Scan()); }
};

}  // namespace

TEST_F(StatusTest, RunningMeansAProcessByNameWithATitledWindowAndSticksUntilAReload) {
  fakes.processes.AddRunningProgram("APP.EXE", "App");
  auto tray = fakes.processes.AddProcess("tray.exe");
  fakes.processes.AddWindow(tray, "");
  startup::StartupList& list = LoadWith(
      {"Program1=app.exe", "Program1Dir=C:\\A\\", "Program2=tray.exe", "Program2Dir=C:\\T\\", "Program3=app.exe"});
  Reload();
  EXPECT_TRUE(E(1).IsRunning);   // case does not matter
  EXPECT_FALSE(E(2).IsRunning);  // no titled window
  EXPECT_FALSE(E(3).IsRunning);  // no folder: never checked

  fakes.processes.processes.clear();
  fakes.processes.windows.clear();
  startup::CheckProgramRunning(list.ProgramList, 1, list.Scan());
  EXPECT_TRUE(E(1).IsRunning);  // sticks
  Reload();
  EXPECT_FALSE(E(1).IsRunning);

  fakes.processes.AddRunningProgram("myapp.exe", "Mine");  // another program whose name contains it
  startup::CheckProgramRunning(list.ProgramList, 1, list.Scan());
  EXPECT_FALSE(E(1).IsRunning);
}

// Where the system tells a process's image path, the folder decides too: the entry's folder as
// the run names it (variables, short names, a missing separator) against the image's long form.
TEST_F(StatusTest, ARunningProgramIsTheEntrysOwnFileWhereItsImagePathIsKnown) {
  fakes.environment.variables = {{"TOOLS", "C:\\Program Files\\Tools"}};
  fakes.fileSystem.PutFile("C:\\Program Files\\Tools\\tool.exe", "MZ");
  fakes.fileSystem.SetShortName("C:\\Program Files", "PROGRA~1");
  fakes.processes.AddRunningProgram("tool.exe", "Tool", "C:\\PROGRA~1\\Tools\\TOOL.EXE");
  fakes.processes.AddRunningProgram("other.exe", "Other", "D:\\Elsewhere\\other.exe");
  fakes.processes.AddRunningProgram("hidden.exe", "Hidden");  // its path cannot be read
  LoadWith({"Program1=tool.exe", "Program1Dir=%TOOLS%\\", "Program2=tool.exe", "Program2Dir=C:\\PROGRA~1\\Tools",
            "Program3=\"tool.exe\" -x", "Program3Dir=C:\\Program Files\\Tools\\", "Program4=tool.exe",
            "Program4Dir=C:\\Old Tools\\", "Program5=other.exe", "Program5Dir=C:\\Tools\\", "Program6=hidden.exe",
            "Program6Dir=C:\\Any\\"});
  Reload();
  for (int n : {1, 2, 3}) EXPECT_TRUE(E(n).IsRunning) << n;
  EXPECT_FALSE(E(4).IsRunning);
  EXPECT_FALSE(E(5).IsRunning);
  EXPECT_TRUE(E(6).IsRunning);  // by its name alone
}

TEST_F(StatusTest, StatusCodesAndTextsByConfirmationDisabledAndRunning) {
  fakes.processes.AddRunningProgram("busy.exe", "Busy");
  LoadWith({"Program1=a.exe", "Program1Dir=C:\\A\\", "Program2=busy.exe", "Program2Dir=C:\\B\\",
            "Program2Disabled=1", "Program3=c.exe", "Program3Dir=C:\\C\\", "Program3Disabled=1"});
  struct Case {
    int entry;
    Confirm state;
    bool running;
    EntryStatusCode code;
    bool skip;
    const char* text;
  } cases[] = {
      {1, Confirm::Undecided, false, EntryStatusCode::Normal, false, ""},
      {3, Confirm::Undecided, false, EntryStatusCode::Disabled, true, "Program settings (Disabled)"},
      {2, Confirm::Undecided, false, EntryStatusCode::Running, true, "Program already running.. "},
      {3, Confirm::RunAll, false, EntryStatusCode::Confirmed, false, ""},  // starts although disabled
      {1, Confirm::RunAll, true, EntryStatusCode::Running, true,
       "Program already running.. (even with confirmation it will not be started)"},
      {1, Confirm::SkipAll, false, EntryStatusCode::Refused, true, "Programstart  disabled by confirmation"},
      {3, Confirm::SkipAll, false, EntryStatusCode::Disabled, true, "Programstart  disabled by confirmation"},
      {1, Confirm::Defaults, false, EntryStatusCode::DefaultsNormal, false, "Programstart: normal"},
      {1, Confirm::Defaults, true, EntryStatusCode::Running, true, "Programstart: normal"},
      {3, Confirm::Defaults, false, EntryStatusCode::Refused, true, "Programstart is disabled (Confirmation: Start default)"},
  };
  for (const Case& c : cases) {
    Reload();
    E(c.entry).ConfirmState = c.state;
    E(c.entry).IsRunning = c.running;
    const startup::EntryStatus s = Status(c.entry);
    const int state = static_cast<int>(c.state);
    EXPECT_EQ(s.code, c.code) << "entry " << c.entry << " state " << state;
    EXPECT_EQ(s.skip, c.skip) << "entry " << c.entry << " state " << state;
    EXPECT_EQ(s.text, c.text) << "entry " << c.entry << " state " << state;
  }
  // An entry with nothing to start, or none at all, is skipped.
  EXPECT_TRUE(Status(50).skip);
  EXPECT_TRUE(Status(500).skip);
}
