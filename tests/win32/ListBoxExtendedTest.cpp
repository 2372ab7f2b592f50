// The row list control on a real window under Wine: a main-window-like form holding it, filled
// with 101 entries, scrolled, clicked and painted.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "controls/ListBoxExtended.h"
#include "controls/win32/ListBoxExtendedPart.h"
#include "controls/win32/RowListGeometry.h"
#include "platform/fake/FakeDialogs.h"
#include "forms/main/ProgramListColumns.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using namespace sequora::controls;
using sequora::test::Pump;

namespace {

struct Host : ListBoxHost {
  std::vector<std::string> calls;
  void E_ListBox_Button1_Click(int e) override { calls.push_back("Button1(" + std::to_string(e) + ")"); }
  void E_ListBox_Picture2_Click(int e) override { calls.push_back("Picture2(" + std::to_string(e) + ")"); }
  void E_ListBox_Text1_GotFocus(int e, const std::string& t) override {
    calls.push_back("Text1Got(" + std::to_string(e) + "," + t + ")");
  }
  void E_ListBox_Text1_LostFocus(int e, const std::string&) override {
    calls.push_back("Text1Lost(" + std::to_string(e) + ")");
  }
};

struct MainLike : ui::Form {
  explicit MainLike(platform::Dialogs& dialogs) : Form("Form1"), ListBoxExtended1(*this, "ListBoxExtended1", dialogs) {
    SetCaption("Row list");
    Move(-1, -1, 11000, 7500);
    ListBoxExtended1.Move(120, 120, 10400, 5000);
    Command1.SetCaption("Save");
    Command1.Move(120, 5400, 1200, 375);
  }
  ListBoxExtended ListBoxExtended1;
  ui::Button Command1{*this, "Command1"};
};

class RowListWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    sequora::test::StartUi();
    win32::RegisterListBoxExtendedPart();
    list.SetHost(&host);
    window = std::make_unique<ui::win32::FormWindow>(form);
    form.Show();
    Pump();
    hwnd = window->HandleOf(list);
  }
  void TearDown() override {
    window.reset();
    Pump();
  }

  // The main window's list fill: layout, then one entry per slot; every third slot is free.
  void Fill(bool hideEmpty = false) {
    list.ClearAll();
    forms::SetProgramListColumns(list);
    list.Set_HideEmpty(hideEmpty);
    for (int n = 1; n <= 101; ++n) {
      const bool free = n % 3 == 0;
      list.Add_NewListentry(n - 1, free ? (hideEmpty ? "" : "-Empty-") : "C:\\Tools prog" + std::to_string(n) + ".exe",
                            "+" + std::to_string(n) + " sec.", "Check1", "Check2", "", "Btn2",
                            Picture::Named("play"), Picture::Named("pause"), Picture::Named("play"),
                            std::to_string(n), n == 101);
    }
    list.Set_ListIndex(0, true);
    ::UpdateWindow(hwnd);
  }
  POINT CentreOf(const ui::Control& element) const {
    RECT r = win32::ElementRect(list, element, window->Dpi());
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void Click(POINT p) {
    const LPARAM at = MAKELPARAM(p.x, p.y);
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
  }
  // The control's client area as it paints it.
  struct Snapshot {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    explicit Snapshot(HWND hwnd) {
      RECT client;
      ::GetClientRect(hwnd, &client);
      HDC screen = ::GetDC(hwnd);
      bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
      ::ReleaseDC(hwnd, screen);
      old = ::SelectObject(dc, bitmap);
      ::SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    ~Snapshot() {
      ::SelectObject(dc, old);
      ::DeleteObject(bitmap);
      ::DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }
  };

  platform::FakeDialogs dialogs;
  MainLike form{dialogs};
  ListBoxExtended& list = form.ListBoxExtended1;
  Host host;
  std::unique_ptr<ui::win32::FormWindow> window;
  HWND hwnd = nullptr;
};

}  // namespace

TEST_F(RowListWindow, TheScrollBarFollowsTheModelAndMovesIt) {
  Fill();
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL;
  ASSERT_TRUE(::GetScrollInfo(hwnd, SB_VERT, &info));
  EXPECT_EQ(static_cast<int>(info.nMax - info.nPage + 1), 94);

  for (int i = 0; i < 3; ++i) ::SendMessageA(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(list.VScroll1.Value(), 3);

  // The window's keys reach the list: the selection moves and the view follows it.
  ::SendMessageA(hwnd, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(list.SelectedRow(), list.RowCount() - 1);
  EXPECT_GE(list.VScroll1.Value(), 90);
  ::SendMessageA(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_LT(list.VScroll1.Value(), 94);
  ::SendMessageA(hwnd, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(list.VScroll1.Value(), 0);
}

TEST_F(RowListWindow, AClickOnARowsButtonCallsTheHostWithTheRowsEntry) {
  Fill(true);  // free slots get no row, so rows and entries differ
  ::SendMessageA(hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
  const int row = 4;
  ASSERT_TRUE(list.Row(row).Command1.Visible());
  Click(CentreOf(list.Row(row).Command1));
  ASSERT_EQ(host.calls.size(), 1u);
  EXPECT_EQ(host.calls[0], "Button1(" + std::to_string(list.EntryOfRow(row)) + ")");
  EXPECT_EQ(list.EntryOfRow(row), 6);

  // A press that leaves the button before the release does nothing.
  const POINT at = CentreOf(list.Row(row).Command1), away = CentreOf(list.Row(row).Text2);
  ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(away.x, away.y));
  EXPECT_EQ(host.calls.size(), 1u);

  Click(CentreOf(list.Row(row + 1).Picture2));
  EXPECT_EQ(host.calls.back(), "Picture2(" + std::to_string(list.EntryOfRow(row + 1)) + ")");
}

TEST_F(RowListWindow, ARowTextTakesTheFocusAndLosesItToTheNextControl) {
  Fill();
  Click(CentreOf(list.Row(1).Text1));
  EXPECT_EQ(::GetFocus(), hwnd);
  ASSERT_EQ(host.calls.size(), 1u);
  EXPECT_EQ(host.calls[0], "Text1Got(1,C:\\Tools prog2.exe)");
  ::SetFocus(window->HandleOf(form.Command1));
  ASSERT_EQ(host.calls.size(), 2u);
  EXPECT_EQ(host.calls[1], "Text1Lost(1)");
}

TEST_F(RowListWindow, PaintsTheSelectedRowBehindItsElements) {
  Fill();
  list.Set_ListIndex(1, true);
  const int dpi = window->Dpi();
  const ListBoxRow& selected = list.Row(1);
  const Snapshot shot(hwnd);
  // Between the row label and the icon lies the selection band.
  RECT label = win32::ElementRect(list, selected.Label1, dpi), icon = win32::ElementRect(list, selected.Picture1, dpi);
  EXPECT_EQ(shot.At((label.right + icon.left) / 2, label.bottom - 2), ::GetSysColor(COLOR_BTNFACE));
  // Other rows are white; the entry's text is drawn in the selected row's first text.
  RECT other = win32::ElementRect(list, list.Row(2).Text1, dpi);
  EXPECT_EQ(shot.At(other.right - 2, other.top + 1), RGB(255, 255, 255));
  RECT text = win32::ElementRect(list, selected.Text1, dpi);
  int dark = 0;
  for (int x = text.left; x < text.left + 120; ++x)
    for (int y = text.top; y < text.bottom; ++y) dark += GetRValue(shot.At(x, y)) < 100;
  EXPECT_GT(dark, 10);
}
