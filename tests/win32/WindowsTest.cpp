// Single instance and activation of the first instance's main window, within one process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32Windows.h"

using sequora::platform::win32::Win32Windows;

namespace {

std::string UniqueName() { return "SequoraTest" + std::to_string(GetCurrentProcessId()); }

void Pump() {
  MSG msg;
  for (int i = 0; i < 20; ++i) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

}  // namespace

TEST(Win32Windows, SecondClaimFailsWhileTheFirstHoldsIt) {
  std::string name = UniqueName() + "a";
  {
    Win32Windows first;
    Win32Windows second;
    EXPECT_TRUE(first.ClaimSingleInstance(name));
    EXPECT_FALSE(second.ClaimSingleInstance(name));
  }
  Win32Windows again;  // the first instance ended: the slot is free
  EXPECT_TRUE(again.ClaimSingleInstance(name));
}

TEST(Win32Windows, ActivationRestoresTheMainWindowAndLeavesItNotTopmost) {
  std::string name = UniqueName() + "b";
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SequoraActivationTest";
  RegisterClassA(&wc);
  // An owned captionless tool window comes first in Z order and must be passed over.
  HWND main = CreateWindowA("SequoraActivationTest", "Main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                            nullptr, wc.hInstance, nullptr);
  HWND tool = CreateWindowExA(WS_EX_TOOLWINDOW, "SequoraActivationTest", "", WS_POPUP, 0, 0, 50, 50, main,
                              nullptr, wc.hInstance, nullptr);
  // So does the group confirmation: an unowned dialog pinned above the main window.
  HWND confirm = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, "SequoraActivationTest", "1 - Start?",
                                 WS_CAPTION | WS_SYSMENU, 0, 0, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_TRUE(main && tool && confirm);
  ShowWindow(main, SW_SHOWMINIMIZED);
  Pump();

  Win32Windows first, second;
  ASSERT_TRUE(first.ClaimSingleInstance(name));
  EXPECT_TRUE(second.ActivateFirstInstance(name));
  Pump();
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(IsIconic(main));
  EXPECT_FALSE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(IsWindowVisible(tool));

  EXPECT_FALSE(second.ActivateFirstInstance(name + "-none"));
  DestroyWindow(confirm);
  DestroyWindow(tool);
  DestroyWindow(main);
}
