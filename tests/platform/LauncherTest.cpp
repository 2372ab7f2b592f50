// Which way Start asks the system to go, with what, and what the caller is told.
#include "platform/Launcher.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeLauncher.h"

using namespace sequora::platform;

namespace {

StartRequest Request(std::string program, std::string parameters = "", std::string folder = "",
                     int showState = show::kNormal) {
  return {std::move(program), std::move(parameters), std::move(folder), showState};
}

}  // namespace

TEST(LauncherStart, ExecutablesStartDirectlyEverythingElseThroughTheShell) {
  FakeLauncher launcher;
  for (const char* program : {"C:\\Tools\\x.exe", "C:\\Tools\\OLD.COM"}) {
    StartResult result = launcher.Start(Request(program));
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.way, StartWay::Direct) << program;
    EXPECT_EQ(result.error, 0u);
    EXPECT_EQ(result.errorText, "");
  }
  for (const char* program : {"C:\\Links\\x.lnk", "C:\\Links\\site.url", "C:\\Scripts\\go.cmd", "C:\\Scripts\\go.bat",
                              "C:\\Windows\\system32\\compmgmt.msc", "C:\\Docs\\notes.txt", "C:\\Tools\\noextension"}) {
    StartResult result = launcher.Start(Request(program));
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.way, StartWay::Shell) << program;
  }
  ASSERT_EQ(launcher.attempts.size(), 9u);  // one attempt each
  EXPECT_EQ(launcher.attempts[0].way, StartWay::Direct);
  EXPECT_EQ(launcher.attempts[2].way, StartWay::Shell);
}

TEST(LauncherStart, TheSystemIsAskedWithoutStrayQuotes) {
  FakeLauncher launcher;
  launcher.Start(Request("\"C:\\Program Files\\X\\\"x.exe", "  /a \"b c\"  ", " \"C:\\Program Files\\X\" ",
                         show::kMinimized));
  ASSERT_EQ(launcher.attempts.size(), 1u);
  const auto& asked = launcher.attempts[0];
  EXPECT_EQ(asked.program, "C:\\Program Files\\X\\x.exe");
  EXPECT_EQ(asked.parameters, "/a \"b c\"");  // the parameters' own quotes stay
  EXPECT_EQ(asked.folder, "C:\\Program Files\\X");
  EXPECT_EQ(asked.showState, show::kMinimized);

  // Nothing left of the program: nothing is started, and the caller learns why.
  StartResult empty = launcher.Start(Request(" \"\" ", "/a"));
  EXPECT_FALSE(empty.started);
  EXPECT_EQ(empty.error, error::kFileNotFound);
  EXPECT_EQ(empty.errorText, launcher.ErrorText(error::kFileNotFound));
  EXPECT_EQ(launcher.attempts.size(), 1u);
}

TEST(LauncherStart, ElevationRequiredIsAskedOfTheShellWithTheSameRequest) {
  FakeLauncher launcher;
  launcher.FailWith(StartWay::Direct, error::kElevationRequired);
  StartResult result = launcher.Start(Request("C:\\Admin Tools\\a.exe", "/x", "C:\\Admin Tools", show::kMinimized));
  EXPECT_TRUE(result.started);
  EXPECT_EQ(result.way, StartWay::Shell);
  EXPECT_EQ(result.error, 0u);
  ASSERT_EQ(launcher.attempts.size(), 2u);
  const auto& shell = launcher.attempts[1];
  EXPECT_EQ(shell.way, StartWay::Shell);
  EXPECT_EQ(shell.program, "C:\\Admin Tools\\a.exe");
  EXPECT_EQ(shell.parameters, "/x");
  EXPECT_EQ(shell.folder, "C:\\Admin Tools");
  EXPECT_EQ(shell.showState, show::kMinimized);

  // Consent refused: the shell's answer is what the caller logs.
  launcher.FailWith(StartWay::Shell, error::kCancelled);
  result = launcher.Start(Request("C:\\Admin Tools\\a.exe"));
  EXPECT_FALSE(result.started);
  EXPECT_EQ(result.way, StartWay::Shell);
  EXPECT_EQ(result.error, error::kCancelled);
  EXPECT_EQ(result.errorText, launcher.ErrorText(error::kCancelled));
}

TEST(LauncherStart, OtherFailuresAreReportedWithoutASecondAttempt) {
  FakeLauncher launcher;
  launcher.FailWith(StartWay::Direct, error::kFileNotFound);
  launcher.FailWith(StartWay::Shell, error::kFileNotFound);
  for (const char* program : {"C:\\Gone\\x.exe", "C:\\Gone\\x.lnk"}) {
    StartResult result = launcher.Start(Request(program));
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, error::kFileNotFound);
    EXPECT_FALSE(result.errorText.empty());
  }
  EXPECT_EQ(launcher.attempts.size(), 2u);
}
