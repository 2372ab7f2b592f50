// The popup menu and the always-on-top button on Wine's menus, windows and registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "UiTestSupport.h"
#include "autostart/Registry.h"
#include "controls/AlwaysOnTop.h"
#include "controls/DynamicPopupMenu.h"
#include "controls/win32/AlwaysOnTopPart.h"
#include "controls/win32/Win32PopupMenus.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/win32/Win32Registry.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using controls::win32::Win32PopupMenus;

namespace {

// Runs `step` from a thread timer while the menu's own loop runs (that loop dispatches timers).
struct WhileOpen {
  static inline std::function<bool()> step;  // true when done
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    if (step && step()) {
      ::KillTimer(nullptr, id);
      step = nullptr;
    }
  }
  explicit WhileOpen(std::function<bool()> s) {
    step = std::move(s);
    ::SetTimer(nullptr, 0, 50, Tick);
  }
};

HWND MenuWindow() { return ::FindWindowA("#32768", nullptr); }

struct Seen {
  int count = -1;
  UINT separator = 0, checked = 0, grayed = 0, plain = 0;
  bool ownerInFront = false;
};

}  // namespace

TEST(Win32PopupMenus, TheMenuHasItsItemsTheOwnerInFrontAndGivesBackTheChoiceOrNothingOnEsc) {
  test::StartUi();
  Win32PopupMenus menus;
  controls::DynamicPopupMenu menu(menus);

  Seen seen;
  WhileOpen pick([&] {
    HMENU open = menus.OpenMenu();
    HWND window = MenuWindow();
    if (!open || !window || !::IsWindowVisible(window)) return false;
    seen.count = ::GetMenuItemCount(open);
    seen.separator = ::GetMenuState(open, 2, MF_BYCOMMAND) & MF_SEPARATOR;
    seen.checked = ::GetMenuState(open, 3, MF_BYCOMMAND) & MF_CHECKED;
    seen.grayed = ::GetMenuState(open, 4, MF_BYCOMMAND) & MF_GRAYED;
    seen.plain = ::GetMenuState(open, 5, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED);
    seen.ownerInFront = ::GetForegroundWindow() == menus.Owner();
    ::PostMessageA(window, WM_CHAR, 'n', 0);  // the mnemonic of "&Next"
    return true;
  });
  EXPECT_EQ(menu.Popup("&Show,-,Log[CHECKED],Exit[disabled],&Next"), "&Next");
  EXPECT_EQ(seen.count, 5);
  EXPECT_NE(seen.separator, 0u);
  EXPECT_NE(seen.checked, 0u);
  EXPECT_NE(seen.grayed, 0u);
  EXPECT_EQ(seen.plain, 0u);
  EXPECT_TRUE(seen.ownerInFront);

  WhileOpen escape([&] {
    HWND window = MenuWindow();
    if (!menus.OpenMenu() || !window || !::IsWindowVisible(window)) return false;
    ::PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    return true;
  });
  EXPECT_EQ(menu.Popup("&Show,E&xit"), "");
  EXPECT_EQ(menus.OpenMenu(), nullptr);
}

namespace {

struct Dialog : ui::Form {
  explicit Dialog(autostart::AppSettings& settings) : ui::Form("Dialog"), AlwaysOnTop1(*this, "AlwaysOnTop1", settings) {
    SetCaption("Pinned dialog");
    SetBorder(ui::BorderStyle::FixedDialog);
    Move(1500, 1500, 4500, 3000);
    Command1.Move(240, 240, 1200, 375);
    Command1.SetCaption("&OK");
    AlwaysOnTop1.Place(3600, 240);
  }
  ui::Button Command1{*this, "Command1"};
  controls::AlwaysOnTop AlwaysOnTop1;
};

// Pixels of the window's painting that are not the background colour.
int DrawnPixels(HWND hwnd) {
  RECT r;
  ::GetClientRect(hwnd, &r);
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  ::SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  const COLORREF background = ::GetPixel(dc, 0, 0);
  int drawn = 0;
  for (int y = 0; y < r.bottom; ++y)
    for (int x = 0; x < r.right; ++x) drawn += ::GetPixel(dc, x, y) != background;
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return drawn;
}

bool WindowTopmost(HWND hwnd) { return (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

std::string StoredOnTop() {
  char text[16] = {};
  DWORD size = sizeof(text);
  if (::RegGetValueA(HKEY_CURRENT_USER, "Software\\Sequora\\AlwaysOnTop", "OnTop", RRF_RT_REG_SZ, nullptr, text,
                     &size) != ERROR_SUCCESS)
    return "<none>";
  return text;
}

}  // namespace

TEST(AlwaysOnTopPart, TheButtonPinsItsWindowAndReleasesItByMouseAndByKey) {
  test::StartUi();
  controls::win32::RegisterAlwaysOnTopPart();
  platform::win32::Win32Registry registry;
  platform::FakeDialogs dialogs;
  autostart::AppSettings settings(registry, dialogs, [] {});
  Dialog dialog(settings);
  ui::win32::FormWindow window(dialog);
  dialog.Show();
  HWND top = ui::win32::WindowHandleOf(dialog);
  HWND button = window.HandleOf(dialog.AlwaysOnTop1);
  ASSERT_TRUE(top && button);
  EXPECT_EQ(test::ClassOf(button), controls::win32::AlwaysOnTopPart::kClassName);
  const int dpi = window.Dpi();
  RECT r;
  ::GetClientRect(button, &r);
  EXPECT_EQ(r.right, ::MulDiv(315, dpi, 1440));  // the control's own size at the window's DPI
  EXPECT_GT(DrawnPixels(button), r.right * r.bottom / 10);  // the pin is drawn

  dialog.AlwaysOnTop1.SetToTop(false);  // as the confirmation window opens
  test::Pump();
  EXPECT_TRUE(WindowTopmost(top));  // also with its tool tip made (Wine kept such a window out)
  EXPECT_EQ(StoredOnTop(), "True");

  ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  test::Pump();
  EXPECT_FALSE(WindowTopmost(top));
  EXPECT_EQ(StoredOnTop(), "False");
  EXPECT_EQ(dialog.AlwaysOnTop1.ShownImage(), controls::AlwaysOnTop::Image::AOT_MouseMove);
  ::SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(dialog.AlwaysOnTop1.ShownImage(), controls::AlwaysOnTop::Image::AOT_Disabled);

  // The keyboard: Tab reaches it from the button, Space pins.
  ::SetForegroundWindow(top);
  dialog.Command1.SetFocus();
  test::Pump();
  MSG tab{};
  tab.hwnd = window.HandleOf(dialog.Command1);
  tab.message = WM_KEYDOWN;
  tab.wParam = VK_TAB;
  window.PreTranslate(tab);
  test::Pump();
  ASSERT_EQ(::GetFocus(), button);
  ::SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
  test::Pump();
  EXPECT_TRUE(WindowTopmost(top));
  EXPECT_TRUE(dialog.AlwaysOnTop1.GetIsOnTop());
  dialog.Unload();
}
