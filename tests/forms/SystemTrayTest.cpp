// The notification-area icon on the fake shell.
#include <gtest/gtest.h>

#include "platform/fake/FakePopupMenus.h"
#include "platform/fake/FakeTray.h"
#include "forms/tray/SystemTray.h"

using namespace sequora;
using platform::TrayMessage;

namespace {

class SystemTrayTest : public ::testing::Test {
 protected:
  platform::FakeTray shell;
  platform::FakePopupMenus menus;
  ui::Form target{"Target"};
  forms::SystemTray tray{shell, menus};

  SystemTrayTest() { target.SetIcon(Picture::Named("sequora")); }
  void Add(const std::string& tip, bool menuOnRightClick = false, const std::string& menu = "") {
    tray.AddTrayIcon(target, tip, menuOnRightClick, &target, menu);
  }
};

}  // namespace

TEST_F(SystemTrayTest, TheIconRecordAndItsToolTipOfAtMost63Characters) {
  const std::string seventy(70, 'x');
  Add(seventy);
  ASSERT_TRUE(tray.Loaded());
  const platform::TrayIconData* shown = shell.Shown();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->flags, 7u);
  EXPECT_EQ(shown->callbackMessage, 512u);
  EXPECT_EQ(shown->icon, Picture::Named("sequora"));
  EXPECT_EQ(shown->tip, std::string(63, 'x'));
  EXPECT_EQ(tray.TipText, seventy);

  tray.ChangeToolTipText("   Sequora 1.3 Beta  12");
  EXPECT_EQ(shell.Shown()->tip, "Sequora 1.3 Beta  12");
  EXPECT_EQ(tray.TipText, seventy);  // the tip given when added stays
  tray.ChangeToolTipText(std::string(3, ' ') + std::string(80, 'y'));
  EXPECT_EQ(shell.Shown()->tip, std::string(63, 'y'));

  target.SetIcon(Picture::Named("pause"));
  tray.ChangeIcon(target);
  EXPECT_EQ(shell.Shown()->icon, Picture::Named("pause"));
  EXPECT_EQ(shell.icons.size(), 1u);  // changed under the same id
  EXPECT_EQ(shell.Count(TrayMessage::Modify), 3);
}

TEST_F(SystemTrayTest, WithMenuOnRightClickBothButtonsOpenTheMenuAndOnlyADoubleClickRestores) {
  std::vector<std::string> chosen;
  tray.OnTrayMenu = [&](const std::string& c) { chosen.push_back(c); };
  Add("tip", true, "Show,-,Exit");
  EXPECT_EQ(tray.MenuString, "Show,-,Exit");
  menus.choices = {"Exit", ""};
  shell.SendMouseMessage(514);  // left button up: the menu, "Exit" chosen
  shell.SendMouseMessage(517);  // right button up: the menu, dismissed
  for (int message : {512, 513, 516}) shell.SendMouseMessage(message);  // nothing for these
  EXPECT_EQ(menus.shown.size(), 2u);
  EXPECT_EQ(chosen, std::vector<std::string>{"Exit"});
  EXPECT_TRUE(tray.Loaded());
  EXPECT_FALSE(target.Visible());

  tray.AddTrayIcon(target, "tip", true, &target, "");  // an empty menu string keeps the menu
  EXPECT_EQ(tray.MenuString, "Show,-,Exit");
  shell.SendMouseMessage(515);
  EXPECT_TRUE(target.Visible());
  EXPECT_FALSE(tray.Loaded());
  EXPECT_TRUE(shell.icons.empty());
  EXPECT_EQ(menus.shown.size(), 2u);
}

TEST_F(SystemTrayTest, WithoutMenuOnRightClickTheLeftButtonRestoresAndTheRightOneOpensAMenuIfThereIsOne) {
  std::vector<std::string> chosen;
  tray.OnTrayMenu = [&](const std::string& c) { chosen.push_back(c); };
  tray.MenuOpening = [&] { tray.ChangePopupMenuString("Open,Quit [disabled]"); };
  Add("tip");
  menus.choices = {"Quit", "Open"};
  shell.SendMouseMessage(517);  // a greyed item cannot be chosen
  shell.SendMouseMessage(517);
  EXPECT_EQ(menus.LastMenu(), (std::vector<std::string>{"Open", "Quit (grey)"}));
  EXPECT_EQ(chosen, std::vector<std::string>{"Open"});
  EXPECT_FALSE(target.Visible());
  shell.SendMouseMessage(514);
  EXPECT_TRUE(target.Visible());
  EXPECT_FALSE(tray.Loaded());

  // No menu string: the right button shows nothing and calls nothing, in either mode.
  tray.MenuOpening = nullptr;
  for (bool menuOnRightClick : {false, true}) {
    menus.shown.clear();
    tray.MenuString.clear();
    Add("tip", menuOnRightClick);
    shell.SendMouseMessage(517);
    EXPECT_TRUE(menus.shown.empty());
    EXPECT_EQ(chosen.size(), 1u);
  }
}

TEST_F(SystemTrayTest, TheIconComesBackWhenTheShellStartsAgain) {
  Add("tip");
  tray.ChangeToolTipText("newer tip");
  shell.RestartShell();  // Explorer restarted: the icon must not be lost
  ASSERT_NE(shell.Shown(), nullptr);
  EXPECT_EQ(shell.Shown()->tip, "newer tip");

  // Added before the taskbar was up (at logon): it appears once the taskbar is there.
  tray.RemoveTrayIcon();
  shell.shellRunning = false;
  Add("early");
  EXPECT_EQ(shell.Shown(), nullptr);
  shell.RestartShell();
  ASSERT_NE(shell.Shown(), nullptr);
  EXPECT_EQ(shell.Shown()->tip, "early");

  // Removed icons stay removed.
  tray.RemoveTrayIcon();
  shell.RestartShell();
  EXPECT_EQ(shell.Shown(), nullptr);
}

TEST_F(SystemTrayTest, UnloadingOrDestroyingTheWindowRemovesTheIcon) {
  Add("tip");
  EXPECT_TRUE(tray.Unload());
  EXPECT_TRUE(shell.icons.empty());
  shell.SendMouseMessage(514);  // a late message of the removed icon
  EXPECT_FALSE(target.Visible());

  {
    forms::SystemTray second(shell, menus);
    second.AddTrayIcon(target, "tip", false, &target, "");
    EXPECT_EQ(shell.icons.size(), 1u);
  }
  EXPECT_TRUE(shell.icons.empty());
}

TEST_F(SystemTrayTest, ABalloonNeedsTheIconAndReportsHowItWent) {
  std::vector<bool> closed;
  tray.OnBalloonClosed = [&](bool clicked) { closed.push_back(clicked); };
  EXPECT_FALSE(tray.ShowBalloon("Sequora", "done"));  // no icon to show it at
  EXPECT_EQ(shell.Count(TrayMessage::Modify), 0);

  Add("tip");
  ASSERT_TRUE(tray.ShowBalloon(std::string(70, 't'), std::string(300, 'x')));
  EXPECT_EQ(shell.Balloon(), std::string(255, 'x'));
  EXPECT_EQ(shell.Shown()->infoTitle, std::string(63, 't'));
  EXPECT_EQ(shell.Shown()->tip, "tip");  // the icon itself is unchanged
  shell.CloseBalloon(true);
  tray.ShowBalloon("Sequora", "again");
  shell.CloseBalloon(false);
  EXPECT_EQ(closed, (std::vector<bool>{true, false}));

  shell.shellRunning = false;
  EXPECT_FALSE(tray.ShowBalloon("Sequora", "nobody sees this"));
}

TEST_F(SystemTrayTest, EnterOnTheIconChosenWithTheKeyboardRestoresTheTarget) {
  Add("tip");
  shell.SendMouseMessage(0x400);  // NIN_SELECT follows a click's own messages: nothing more
  EXPECT_FALSE(target.Visible());
  shell.SendMouseMessage(forms::traymouse::kKeySelect);
  EXPECT_TRUE(target.Visible());
  EXPECT_FALSE(tray.Loaded());
}
