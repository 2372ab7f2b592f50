// LaunchProgram: what the system is asked to start, in which folder, and what is logged when a
// program does not start.
#include <gtest/gtest.h>

#include "RunFixture.h"

using namespace sequora;
using platform::StartWay;

namespace {

class LaunchTest : public test::RunTest {
 protected:
  LaunchTest() {
    PutSettings({});
    Start();
    fakes.fileSystem.PutFile("C:\\Program Files\\X\\x.exe", "MZ");
    fakes.fileSystem.SetShortName("C:\\Program Files", "PROGRA~1");
    // Sequora was started elsewhere than in its own folder.
    fakes.fileSystem.MakeDirs("C:\\Elsewhere");
    fakes.fileSystem.ChangeDirectory("C:\\Elsewhere");
  }
  platform::StartResult Launch(std::string folder, std::string program, std::string parameters = "",
                               int show = platform::show::kNormal) {
    return parts->launcher.LaunchProgram({std::move(folder), std::move(program), std::move(parameters), show});
  }
  // The one program started so far, as the system was asked for it.
  const platform::FakeLauncher::Attempt& OnlyAttempt() {
    EXPECT_EQ(fakes.launcher.attempts.size(), 1u);
    return fakes.launcher.attempts.back();
  }
};

}  // namespace

TEST_F(LaunchTest, TheProgramIsNamedByItsLongPathAndRunsInItsFolderWithItsWindowState) {
  platform::StartResult result = Launch("C:\\PROGRA~1\\X\\", "x.exe", " -a  \"b c\" ", platform::show::kMinimized);
  EXPECT_TRUE(result.started);
  const auto& asked = OnlyAttempt();
  EXPECT_EQ(asked.way, StartWay::Direct);
  EXPECT_EQ(asked.program, "C:\\Program Files\\X\\x.exe");
  EXPECT_EQ(asked.parameters, "-a  \"b c\"");
  EXPECT_EQ(asked.folder, "C:\\Program Files\\X\\");
  EXPECT_EQ(asked.showState, platform::show::kMinimized);
  EXPECT_EQ(fakes.launcher.started.back().commandLine, "\"C:\\Program Files\\X\\x.exe\" -a  \"b c\"");
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Elsewhere");  // Sequora's own is left alone
  EXPECT_TRUE(LogText().empty());

  // A folder without its separator, and no folder at all: the program text is the whole path.
  Launch("C:\\Program Files\\X", "x.exe");
  Launch("", "C:\\Program Files\\X\\x.exe");
  ASSERT_EQ(fakes.launcher.attempts.size(), 3u);
  for (const auto& a : fakes.launcher.attempts) {
    EXPECT_EQ(a.program, "C:\\Program Files\\X\\x.exe");
    EXPECT_EQ(a.folder, "C:\\Program Files\\X\\");
  }
  // A relative path is taken from Sequora's folder, not from whatever folder is current.
  fakes.fileSystem.PutFile("C:\\Sequora\\tools\\t.exe", "MZ");
  EXPECT_TRUE(Launch("tools", "t.exe").started);
  EXPECT_EQ(fakes.launcher.attempts.back().program, "C:\\Sequora\\tools\\t.exe");
  EXPECT_EQ(fakes.launcher.attempts.back().folder, "C:\\Sequora\\tools\\");
}

// C:\Program.exe is what the system would run for an unquoted "C:\Program Files\Foo\"app.exe" -x.
TEST_F(LaunchTest, StrayQuotesLeaveThePathAndAPlantedProgramNeverRuns) {
  fakes.fileSystem.PutFile("C:\\Program.exe", "MZ");
  fakes.fileSystem.PutFile("C:\\Program Files\\Foo\\app.exe", "MZ");
  fakes.fileSystem.PutFile("C:\\Program Files\\Foo\\my app.exe", "MZ");
  struct Case {
    const char* folder;
    const char* program;
    const char* parameters;
    const char* started;
  } cases[] = {
      {"C:\\Program Files\\Foo\\", "\"app.exe\" -x", "-y", "\"C:\\Program Files\\Foo\\app.exe\" -x -y"},
      {"\"C:\\Program Files\\Foo\"\\", "app.exe", "", "\"C:\\Program Files\\Foo\\app.exe\""},
      {"\"C:\\Program Files\\Foo\\\"", "\"my app.exe\"", "\"a b\"", "\"C:\\Program Files\\Foo\\my app.exe\" \"a b\""},
      {"", "\"C:\\Program Files\\Foo\\my app.exe\" /s \"x y\"", "",
       "\"C:\\Program Files\\Foo\\my app.exe\" /s \"x y\""},
  };
  for (const Case& c : cases) {
    fakes.launcher.attempts.clear();
    EXPECT_TRUE(Launch(c.folder, c.program, c.parameters).started) << c.folder << c.program;
    EXPECT_EQ(fakes.launcher.started.back().commandLine, c.started);
    EXPECT_EQ(OnlyAttempt().folder, "C:\\Program Files\\Foo\\");
  }
  EXPECT_TRUE(LogText().empty());
}

TEST_F(LaunchTest, VariablesAreExpandedForTheFileTestAndTheStart) {
  fakes.environment.variables = {{"windir", "C:\\Windows"}, {"TOOLS", "C:\\Program Files\\X"}, {"Arg", "two words"}};
  fakes.fileSystem.PutFile("C:\\Windows\\notepad.exe", "MZ");
  EXPECT_TRUE(Launch("%WINDIR%\\", "notepad.exe", "%arg% %unset%").started);
  EXPECT_EQ(OnlyAttempt().program, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(fakes.launcher.attempts.back().parameters, "two words %unset%");
  EXPECT_EQ(fakes.launcher.attempts.back().folder, "C:\\Windows\\");

  EXPECT_TRUE(Launch("%TOOLS%", "x.exe").started);
  EXPECT_EQ(fakes.launcher.started.back().commandLine, "\"C:\\Program Files\\X\\x.exe\"");

  // Not set: the text stays as written, a relative path, and no such file exists there.
  EXPECT_FALSE(Launch("%NOWHERE%\\", "x.exe").started);
  EXPECT_EQ(Logged(), std::vector<std::string>{"Error: File not found - C:\\Sequora\\%NOWHERE%\\x.exe"});
}

TEST_F(LaunchTest, AMissingFileIsLoggedOnceAndNotStarted) {
  fakes.fileSystem.MakeDirs("C:\\Missing Dir");
  platform::StartResult result = Launch("C:\\Missing Dir\\", "app.exe", "-p");
  EXPECT_FALSE(result.started);
  EXPECT_EQ(result.error, platform::error::kFileNotFound);
  EXPECT_TRUE(fakes.launcher.attempts.empty());
  EXPECT_EQ(Logged(), std::vector<std::string>{"Error: File not found - \"C:\\Missing Dir\\app.exe\""});

  // Without the log file the missing file goes unmentioned, as that setting has always done.
  settings.GenerateLogFile = false;
  EXPECT_FALSE(Launch("C:\\", "nothing.exe").started);
  EXPECT_EQ(Logged().size(), 1u);

  // An empty call is nothing to start.
  settings.GenerateLogFile = true;
  EXPECT_FALSE(Launch("", " \"\" ").started);
  EXPECT_EQ(Logged().size(), 1u);
  EXPECT_TRUE(fakes.launcher.attempts.empty());
}

TEST_F(LaunchTest, AStartTheSystemRefusesIsLoggedOnceWithTheSystemsReason) {
  fakes.launcher.FailWith(StartWay::Direct, 5);
  EXPECT_FALSE(Launch("C:\\Program Files\\X\\", "x.exe", "-a").started);
  EXPECT_EQ(Logged(), std::vector<std::string>{
                          "Error: Could not start - \"C:\\Program Files\\X\\x.exe\" -a (Access is denied)"});

  // Elevation: the shell asks for consent. Given, nothing is logged; refused, that is the reason.
  fakes.launcher.FailWith(StartWay::Direct, platform::error::kElevationRequired);
  EXPECT_TRUE(Launch("C:\\Program Files\\X\\", "x.exe").started);
  EXPECT_EQ(fakes.launcher.started.back().way, StartWay::Shell);
  EXPECT_EQ(Logged().size(), 1u);
  fakes.launcher.FailWith(StartWay::Shell, platform::error::kCancelled);
  EXPECT_FALSE(Launch("C:\\Program Files\\X\\", "x.exe").started);
  EXPECT_EQ(Logged().back(),
            "Error: Could not start - \"C:\\Program Files\\X\\x.exe\" (The operation was canceled by the user)");

  // A shortcut whose target the shell cannot open: also one entry.
  fakes.fileSystem.PutFile("C:\\Links\\gone.lnk", "L");
  fakes.launcher.FailWith(StartWay::Shell, platform::error::kFileNotFound);
  EXPECT_FALSE(Launch("C:\\Links\\", "gone.lnk").started);
  EXPECT_EQ(Logged().back(),
            "Error: Could not start - C:\\Links\\gone.lnk (The system cannot find the file specified)");
  EXPECT_EQ(Logged().size(), 3u);
}
