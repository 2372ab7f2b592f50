// The notification area and the window operations against Wine's shell and window manager.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>

#include "UiTestSupport.h"
#include "platform/fake/FakePopupMenus.h"
#include "platform/win32/Win32Tray.h"
#include "forms/tray/SystemTray.h"
#include "ui/Controls.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using platform::TrayIconData;
using platform::TrayMessage;
using platform::win32::Win32Tray;

namespace {

TrayIconData Record(const std::string& tip) {
  TrayIconData data;
  data.id = 7;
  data.flags = 7;
  data.callbackMessage = 512;
  data.icon = Picture::Named("sequora");
  data.tip = tip;
  return data;
}

// Asks the shell directly whether it has the icon: a change of an icon it does not have fails.
bool ShellHasIcon(HWND window, UINT id) {
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = window;
  nid.uID = id;
  nid.uFlags = NIF_TIP;
  lstrcpyA(nid.szTip, "probe");
  return ::Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

struct Recorder : platform::TrayListener {
  std::vector<std::pair<std::uint32_t, int>> mouse;
  int taskbarCreated = 0;
  std::vector<bool> balloons;  // clicked, per closed balloon
  void TrayMouseMessage(std::uint32_t id, int message) override { mouse.push_back({id, message}); }
  void TaskbarCreated() override { ++taskbarCreated; }
  void TrayBalloonClosed(std::uint32_t, bool clicked) override { balloons.push_back(clicked); }
};

struct Dialog : ui::Form {
  Dialog() : ui::Form("Dialog") {
    SetCaption("Drag me");
    SetBorder(ui::BorderStyle::FixedDialog);
    Move(1500, 1500, 4500, 3000);
  }
  ui::Label Label1{*this, "Label1"};
};

}  // namespace

TEST(Win32Tray, AddsChangesAndRemovesAnIconAndRoutesItsMessagesAndBalloonReports) {
  test::StartUi();
  Win32Tray tray;
  Recorder recorder;
  tray.SetListener(&recorder);

  ASSERT_TRUE(tray.NotifyIcon(TrayMessage::Add, Record("Sequora 1.3 Beta")));
  ASSERT_NE(tray.Window(), nullptr);
  EXPECT_FALSE(tray.NotifyIcon(TrayMessage::Add, Record("twice")));  // the shell has it already
  EXPECT_TRUE(ShellHasIcon(tray.Window(), 7));

  // The shell reports a release of the left button on the icon with the callback message.
  ::SendMessageA(tray.Window(), 512, 7, WM_LBUTTONUP);
  ::SendMessageA(tray.Window(), 512, 8, WM_LBUTTONUP);  // not one of ours
  ASSERT_EQ(recorder.mouse.size(), 1u);
  EXPECT_EQ(recorder.mouse[0], (std::pair<std::uint32_t, int>{7, WM_LBUTTONUP}));

  TrayIconData balloon = Record("");
  balloon.flags = TrayIconData::kInfoValid;
  balloon.infoTitle = "Sequora";
  balloon.info = "Startup list done: 3 programs started.";
  balloon.infoFlags = TrayIconData::kInfoIcon;
  EXPECT_TRUE(tray.NotifyIcon(TrayMessage::Modify, balloon));
  // The shell's reports of a balloon: shown (nothing to do), clicked, timed out.
  for (LPARAM report : {NIN_BALLOONSHOW, NIN_BALLOONUSERCLICK, NIN_BALLOONTIMEOUT})
    ::SendMessageA(tray.Window(), 512, 7, report);
  EXPECT_EQ(recorder.balloons, (std::vector<bool>{true, false}));
  const size_t reported = recorder.mouse.size();

  EXPECT_TRUE(tray.NotifyIcon(TrayMessage::Delete, Record("")));
  EXPECT_FALSE(ShellHasIcon(tray.Window(), 7));
  EXPECT_FALSE(tray.NotifyIcon(TrayMessage::Delete, Record("")));
  ::SendMessageA(tray.Window(), 512, 7, WM_LBUTTONUP);  // a removed icon reports nothing
  EXPECT_EQ(recorder.mouse.size(), reported);
  tray.RemoveListener(&recorder);
}

TEST(Win32Tray, AClickRestoresTheTargetAndTheRestartedShellGetsTheIconBack) {
  test::StartUi();
  Win32Tray tray;
  ui::Form target("Target");
  platform::FakePopupMenus menus;
  forms::SystemTray systemTray(tray, menus);

  systemTray.AddTrayIcon(target, "Sequora 1.3 Beta", false, &target, "");
  HWND window = tray.Window();
  ASSERT_TRUE(ShellHasIcon(window, systemTray.IconData.id));

  // Explorer restarts: the new shell has no icons and broadcasts "TaskbarCreated".
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = window;
  nid.uID = systemTray.IconData.id;
  ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &nid));
  ::SendMessageA(window, Win32Tray::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(ShellHasIcon(window, systemTray.IconData.id));

  ::SendMessageA(window, 512, systemTray.IconData.id, WM_LBUTTONUP);
  EXPECT_TRUE(target.Visible());
  EXPECT_FALSE(systemTray.Loaded());
  EXPECT_FALSE(ShellHasIcon(window, systemTray.IconData.id));
}

TEST(FormWindow, AWindowShownWhileAPinnedOneIsUpLeavesItTheKeyboard) {
  test::StartUi();
  Dialog pinned, other;
  pinned.SetTopmost(true);
  other.Move(3000, 3000, 4500, 3000);
  auto pinnedView = std::make_unique<ui::win32::FormWindow>(pinned);
  auto otherView = std::make_unique<ui::win32::FormWindow>(other);
  pinned.Show();
  test::Pump();
  HWND top = ui::win32::WindowHandleOf(pinned);
  ASSERT_EQ(::GetActiveWindow(), top);

  other.Show();
  test::Pump();
  EXPECT_TRUE(::IsWindowVisible(ui::win32::WindowHandleOf(other)));
  EXPECT_EQ(::GetActiveWindow(), top);
  other.Activate();  // asked for: it gets it
  test::Pump();
  EXPECT_EQ(::GetActiveWindow(), ui::win32::WindowHandleOf(other));

  // Without a pinned window, showing activates as usual.
  other.Hide();
  pinned.Hide();
  other.Show();
  test::Pump();
  EXPECT_EQ(::GetActiveWindow(), ui::win32::WindowHandleOf(other));
  otherView.reset();
  pinnedView.reset();
}

TEST(FormWindow, PinsActivatesAndDragsTheFormsWindow) {
  test::StartUi();
  Dialog form;
  form.SetTopmost(true);  // not on screen yet: applied when the window is made
  auto view = std::make_unique<ui::win32::FormWindow>(form);
  form.Show();
  test::Pump();
  HWND hwnd = ui::win32::WindowHandleOf(form);
  ASSERT_TRUE(hwnd);
  EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);


  form.Activate();
  test::Pump();
  EXPECT_EQ(::GetForegroundWindow(), hwnd);

  // A press and release without movement: the move loop ends and the window stays where it is.
  RECT before;
  ::GetWindowRect(hwnd, &before);
  ::PostMessageA(hwnd, WM_LBUTTONUP, 0, 0);
  // Should the loop miss the release, Esc ends it.
  UINT_PTR guard = ::SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) {
    ::PostMessageA(::GetCapture() ? ::GetCapture() : ::GetForegroundWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
  });
  form.BeginDrag();
  ::KillTimer(nullptr, guard);
  test::Pump();
  RECT after;
  ::GetWindowRect(hwnd, &after);
  EXPECT_EQ(before.left, after.left);
  EXPECT_EQ(before.top, after.top);
  EXPECT_EQ(::GetCapture(), nullptr);
  view.reset();
}
