// The main window in the notification area.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

using namespace sequora;
using platform::TrayMessage;

namespace {

class TrayModeTest : public test::Form1Test {
 protected:
  forms::Form1& LoadInTray() {
    PutSettings({"SystemTray=1", "InitialStartupTime=20"}, {"Program1=a.exe", "Program1Dir=C:\\A\\"});
    return Load();
  }
  const platform::TrayIconData* Icon() { return fakes.tray.Shown(); }
};

}  // namespace

TEST_F(TrayModeTest, SystemTrayOnHidesTheWindowBehindAnIconTippedWithTheCaption) {
  forms::Form1& f = LoadInTray();
  EXPECT_FALSE(f.Visible());
  ASSERT_NE(Icon(), nullptr);
  EXPECT_EQ(Icon()->tip, "Sequora 1.3 Beta  20");
}

TEST_F(TrayModeTest, TheCountdownUpdatesTheTipAndReAddsTheIconEveryFifthTick) {
  LoadInTray();
  Advance(3000);
  ASSERT_NE(Icon(), nullptr);
  EXPECT_EQ(Icon()->tip, "Sequora 1.3 Beta  17");
  EXPECT_EQ(fakes.tray.Count(TrayMessage::Add), 1);
  Advance(2000);
  EXPECT_EQ(fakes.tray.Count(TrayMessage::Add), 2);
}

// Minimised in tray mode, the window goes to the icon only: no taskbar button beside it.
TEST_F(TrayModeTest, MinimisingInTrayModeHidesTheWindowBehindItsIcon) {
  forms::Form1& f = LoadInTray();
  fakes.tray.SendMouseMessage(514);  // back from the icon
  ASSERT_TRUE(f.Visible());
  ASSERT_EQ(Icon(), nullptr);
  f.RaiseStateChanged(ui::WindowState::Minimized);  // the user minimised it
  EXPECT_FALSE(f.Visible());
  ASSERT_NE(Icon(), nullptr);
  fakes.tray.SendMouseMessage(514);
  EXPECT_TRUE(f.Visible());

  PutSettings({"SystemTray=0"});  // without tray mode it stays on the taskbar
  forms::Form1& g = Load();
  g.RaiseStateChanged(ui::WindowState::Minimized);
  EXPECT_TRUE(g.Visible());
  EXPECT_EQ(Icon(), nullptr);
}

TEST_F(TrayModeTest, TrayModeOffRemovesTheIconAndShowsTheWindow) {
  forms::Form1& f = LoadInTray();
  f.MainSettings().SystemTray = false;
  f.SetTrayMode(false);
  EXPECT_EQ(Icon(), nullptr);
  EXPECT_TRUE(f.Visible());
}

TEST_F(TrayModeTest, ExitAndClosingRemoveTheIcon) {
  forms::Form1& f = LoadInTray();
  f.Command1.RaiseClick();
  EXPECT_EQ(Icon(), nullptr);
  EXPECT_TRUE(fakes.windows.Ended());

  forms::Form1& g = LoadInTray();
  EXPECT_TRUE(g.Unload(ui::UnloadMode::ControlMenu));
  EXPECT_EQ(Icon(), nullptr);
}

TEST_F(TrayModeTest, TheEndOfTheRunShowsABalloonThenRemovesTheIconAndEnds) {
  fakes.fileSystem.PutFile("C:\\A\\a.exe", "MZ");
  PutSettings({"SystemTray=1", "InitialStartupTime=1"},
              {"Program1=a.exe", "Program1Dir=C:\\A\\", "Program1StartupDelay=0"});
  Load();
  Advance(2000);
  EXPECT_EQ(fakes.launcher.started.size(), 1u);
  ASSERT_NE(Icon(), nullptr);
  EXPECT_EQ(fakes.tray.Balloon(), "Startup list done: 1 program started.");
  EXPECT_FALSE(fakes.windows.Ended());

  fakes.tray.CloseBalloon(false);  // timed out
  EXPECT_TRUE(fakes.windows.Ended());
  EXPECT_EQ(Icon(), nullptr);
}

TEST_F(TrayModeTest, OutsideTheNotificationAreaTheIconComesForTheBalloonOnly) {
  PutSettings({"SystemTray=0", "InitialStartupTime=1"});
  Load();
  EXPECT_EQ(Icon(), nullptr);
  Advance(1000);  // nothing to start: the list is done at once
  ASSERT_NE(Icon(), nullptr);
  EXPECT_EQ(fakes.tray.Balloon(), "Startup list done: no program was started.");
  Advance(14000);
  EXPECT_FALSE(fakes.windows.Ended());
  Advance(1000);  // nobody closed it: the program ends after fifteen seconds
  EXPECT_TRUE(fakes.windows.Ended());
  EXPECT_EQ(Icon(), nullptr);
}

TEST_F(TrayModeTest, WithoutAShellTheProgramEndsAtOnce) {
  PutSettings({"SystemTray=0", "InitialStartupTime=1"});
  fakes.tray.shellRunning = false;
  Load();
  Advance(1000);
  EXPECT_TRUE(fakes.windows.Ended());
}

// ---- The icon's menu ----------------------------------------------------------------------------

TEST_F(TrayModeTest, TheRightButtonOpensTheRunMenuAndItsChoicesDriveTheRun) {
  fakes.fileSystem.PutFile("C:\\A\\a.exe", "MZ");
  forms::Form1& f = LoadInTray();
  auto& menus = fakes.popupMenus;
  fakes.tray.SendMouseMessage(516);  // right button down: nothing yet
  EXPECT_TRUE(menus.shown.empty());

  menus.choices = {"&Pause"};
  fakes.tray.SendMouseMessage(517);
  EXPECT_EQ(menus.LastMenu(), (std::vector<std::string>{"&Show", "&Pause", "Start &next now", "S&kip next", "-",
                                                        "E&xit"}));
  EXPECT_TRUE(f.sequencer.Paused());
  Advance(5000);
  EXPECT_EQ(f.sequencer.Countdown(), 20);

  menus.choices = {"&Resume"};
  fakes.tray.SendMouseMessage(517);
  EXPECT_EQ(menus.LastMenu(), (std::vector<std::string>{"&Show", "&Resume", "Start &next now (grey)", "S&kip next",
                                                        "-", "E&xit"}));  // no start while paused
  EXPECT_FALSE(f.sequencer.Paused());

  menus.choices = {""};  // Esc, or a click elsewhere
  fakes.tray.SendMouseMessage(517);

  menus.choices = {"Start &next now"};
  fakes.tray.SendMouseMessage(517);
  Advance(2000);
  EXPECT_EQ(Started(), std::vector<std::string>{"C:\\A\\a.exe"});
}

TEST_F(TrayModeTest, SkipShowAndExitFromTheMenu) {
  PutSettings({"SystemTray=1", "InitialStartupTime=20"},
              {"Program1=a.exe", "Program1Dir=C:\\A\\", "Program2=b.exe", "Program2Dir=C:\\A\\"});
  fakes.fileSystem.PutFile("C:\\A\\a.exe", "MZ");
  fakes.fileSystem.PutFile("C:\\A\\b.exe", "MZ");
  forms::Form1& f = Load();
  auto& menus = fakes.popupMenus;
  menus.choices = {"S&kip next"};
  fakes.tray.SendMouseMessage(517);
  EXPECT_EQ(f.sequencer.CurrentEntry(), 2);

  menus.choices = {"&Show"};
  fakes.tray.SendMouseMessage(517);
  EXPECT_TRUE(f.Visible());

  f.SetTrayMode(true);
  menus.choices = {"E&xit"};
  fakes.tray.SendMouseMessage(517);
  EXPECT_TRUE(fakes.windows.Ended());

  // After the run nothing of it can be asked for any more.
  f.sequencer.Stop();
  EXPECT_EQ(f.TrayMenuString(),
            "&Show,&Pause[DISABLED],Start &next now[DISABLED],S&kip next[DISABLED],-,E&xit");
}
