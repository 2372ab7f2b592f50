// What Start does when the first way fails: elevation goes through the shell once, with the same
// request; any other failure is reported without a second attempt.
#include "platform/Launcher.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeLauncher.h"

using namespace sequora::platform;

TEST(LauncherStart, ElevationRequiredIsAskedOfTheShellWithTheSameRequest) {
  FakeLauncher launcher;
  launcher.FailWith(StartWay::Direct, error::kElevationRequired);
  StartResult result = launcher.Start({"C:\\Admin Tools\\a.exe", "/x", "C:\\Admin Tools", show::kMinimized});
  EXPECT_TRUE(result.started);
  EXPECT_EQ(result.way, StartWay::Shell);
  ASSERT_EQ(launcher.attempts.size(), 2u);
  const auto& shell = launcher.attempts[1];
  EXPECT_EQ(shell.program + "|" + shell.parameters + "|" + shell.folder, "C:\\Admin Tools\\a.exe|/x|C:\\Admin Tools");
  EXPECT_EQ(shell.showState, show::kMinimized);
}

TEST(LauncherStart, OtherFailuresAreReportedWithoutASecondAttempt) {
  FakeLauncher launcher;
  launcher.FailWith(StartWay::Direct, error::kFileNotFound);
  launcher.FailWith(StartWay::Shell, error::kFileNotFound);
  for (const char* program : {"C:\\Gone\\x.exe", "C:\\Gone\\x.lnk"}) {
    StartResult result = launcher.Start({program, "", "", show::kNormal});
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, error::kFileNotFound);
    EXPECT_FALSE(result.errorText.empty());
  }
  EXPECT_EQ(launcher.attempts.size(), 2u);
}
