// The main window and the group confirmation at 96, 120, 144 and 192 DPI: what the user sees is
// the 96 DPI window scaled, nothing is cut off, and every caption fits its control, the seconds
// as a count and as "PAUSE" too; inside the row list, every element of a row in view lies within
// the list's client area, beside the scroll bar, and apart from its neighbours.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>
#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "controls/win32/ListBoxExtendedPart.h"
#include "controls/win32/RowListGeometry.h"
#include "forms/main/Form1.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/ScopedGdi.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using sequora::test::Pump;
using sequora::test::RectInParent;

namespace {

struct Seen {
  RECT rect;          // in the parent's client area
  RECT parent;        // the parent's client area
  int textWidth;      // of the caption in the control's font, without its "&" (0 without one)
  SIZE wrapped;       // a label's caption broken into lines at its width, as the label shows it
  bool visible;
  ui::Kind kind;
};

std::string Caption(HWND hwnd) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  std::string s = text, out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&' && i + 1 < s.size()) ++i;
    out += s[i];
  }
  return out;
}

int TextWidth(HWND hwnd) {
  const std::string text = Caption(hwnd);
  if (text.empty()) return 0;
  const platform::win32::WindowDc dc(hwnd);
  const platform::win32::ScopedSelect font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)));
  SIZE size{};
  ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// A label's caption laid out as a STATIC control lays it out: words broken at its width. A word
// longer than the width comes back wider than the label.
SIZE WrappedText(HWND hwnd) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  RECT client;
  ::GetClientRect(hwnd, &client);
  if (!text[0]) return SIZE{0, 0};
  const platform::win32::WindowDc dc(hwnd);
  const platform::win32::ScopedSelect font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0)));
  RECT box{0, 0, client.right, 0};
  ::DrawTextA(dc.Get(), text, -1, &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  return SIZE{box.right, box.bottom};
}

std::map<std::string, Seen> Look(ui::win32::FormWindow& window, const ui::Form& form) {
  std::map<std::string, Seen> seen;
  for (ui::Control* control : form.Controls()) {
    HWND hwnd = window.HandleOf(*control);
    if (!hwnd) continue;
    Seen s{};
    s.rect = RectInParent(hwnd);
    ::GetClientRect(::GetParent(hwnd), &s.parent);
    s.textWidth = TextWidth(hwnd);
    s.wrapped = control->GetKind() == ui::Kind::Label ? WrappedText(hwnd) : SIZE{0, 0};
    s.visible = ::IsWindowVisible(hwnd) != FALSE;
    s.kind = control->GetKind();
    seen[control->Name()] = s;
  }
  return seen;
}

void ChangeDpi(ui::win32::FormWindow& window, const ui::Form& form, int dpi) {
  HWND top = window.Handle();
  RECT suggested;
  ::GetWindowRect(top, &suggested);
  suggested.right = suggested.left + ui::win32::TwipsToPixels(form.Width(), dpi);
  suggested.bottom = suggested.top + ui::win32::TwipsToPixels(form.Height(), dpi);
  ::SendMessageA(top, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Pump();
}

// The main window with a confirmation group, so that both windows are up.
class DpiLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StartUi();
    controls::win32::RegisterListBoxExtendedPart();
    fakes.fileSystem.MakeDirs("C:\\Sequora");
    fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini",
                             "[MainSettings]\r\nInitialStartupTime=600\r\n[ProgramList]\r\nProgram1=notepad.exe\r\n"
                             "Program1Dir=C:\\Windows\\\r\nProgram1ConfirmMessageBoxNr=1\r\n");
    form = std::make_unique<forms::Form1>(fakes.platform);
    window = std::make_unique<ui::win32::FormWindow>(*form);
    confirm = std::make_unique<ui::win32::FormWindow>(form->msgBoxForm);
    form->Load();
    Pump();
  }
  void TearDown() override {
    form->Unload();
    confirm.reset();
    window.reset();
    form.reset();
    Pump();
  }

  // Every DPI against 96 DPI: the same window, scaled by the DPI it is laid out at; inside the
  // screen's work area; every control inside its container; every caption within its control.
  void ExpectScaledAndWhole(ui::win32::FormWindow& w, const ui::Form& f) {
    ChangeDpi(w, f, 96);
    const std::map<std::string, Seen> at96 = Look(w, f);
    ASSERT_FALSE(at96.empty());
    for (int dpi : {96, 120, 144, 192}) {
      ChangeDpi(w, f, dpi);
      const int layout = w.Dpi();
      EXPECT_LE(layout, dpi);
      RECT outer, work;
      ::GetWindowRect(w.Handle(), &outer);
      ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
      const bool fitsAtDpi = ui::win32::TwipsToPixels(f.Width(), dpi) <= work.right - work.left &&
                             ui::win32::TwipsToPixels(f.Height(), dpi) <= work.bottom - work.top;
      if (fitsAtDpi) {
        EXPECT_EQ(layout, dpi) << "shrunk although it fits";
      }
      EXPECT_LE(outer.right - outer.left, work.right - work.left) << dpi;
      EXPECT_LE(outer.bottom - outer.top, work.bottom - work.top) << dpi;

      // Edges are rounded twice (at 96 DPI and here): up to one pixel each, scaled.
      const long slack = 1 + layout / 96;
      for (const auto& [name, s] : Look(w, f)) {
        SCOPED_TRACE(f.Name() + "." + name + " at " + std::to_string(dpi) + " DPI");
        const Seen& base = at96.at(name);
        const long scaled[4] = {base.rect.left * layout / 96, base.rect.top * layout / 96,
                                base.rect.right * layout / 96, base.rect.bottom * layout / 96};
        const long edges[4] = {s.rect.left, s.rect.top, s.rect.right, s.rect.bottom};
        // Combo boxes take the height of their font; their top and sides scale.
        const int checked = s.kind == ui::Kind::ComboBox ? 3 : 4;
        for (int e = 0; e < checked; ++e) EXPECT_NEAR(edges[e], scaled[e], slack) << "edge " << e;
        if (!s.visible) continue;
        EXPECT_GE(s.rect.left, 0);
        EXPECT_GE(s.rect.top, 0);
        EXPECT_LE(s.rect.right, s.parent.right);
        EXPECT_LE(s.rect.bottom, s.parent.bottom);
        // A check box's caption beside its box, a button's within its edges.
        const long width = s.rect.right - s.rect.left;
        if (s.kind == ui::Kind::CheckBox) {
          EXPECT_LE(s.textWidth + ui::win32::ScalePixels(16, layout), width);
        } else if (s.kind == ui::Kind::Button) {
          EXPECT_LE(s.textWidth + ui::win32::ScalePixels(8, layout), width);
        } else if (s.kind == ui::Kind::Label) {
          EXPECT_LE(s.wrapped.cx, width) << "caption cut at the sides";
          EXPECT_LE(s.wrapped.cy, s.rect.bottom - s.rect.top) << "caption cut at the bottom";
        }
      }
      if (const controls::ListBoxExtended* list = RowList(f)) ExpectRowsWhole(*list, w, layout);
    }
  }

  static const controls::ListBoxExtended* RowList(const ui::Form& f) {
    for (ui::Control* c : f.Controls())
      if (auto* list = dynamic_cast<const controls::ListBoxExtended*>(c)) return list;
    return nullptr;
  }

  // The row list draws its rows itself: each element of a row in view within the client area
  // (the scroll bar lies outside it) and clear of the element before it in the row.
  static void ExpectRowsWhole(const controls::ListBoxExtended& list, ui::win32::FormWindow& w, int dpi) {
    HWND hwnd = w.HandleOf(list);
    ASSERT_TRUE(hwnd);
    RECT client;
    ::GetClientRect(hwnd, &client);
    const RECT frame = controls::win32::FrameRect(list, dpi);
    EXPECT_LE(frame.right, client.right) << "rows run under the scroll bar at " << dpi << " DPI";
    int rows = 0;
    for (int row = 0; row < list.InstanceCount(); ++row) {
      const controls::ListBoxRow& r = list.Row(row);
      if (!r.InView) continue;
      ++rows;
      std::vector<RECT> shown;
      for (int k = 0; k < controls::kRowElementCount; ++k) {
        const ui::Control& element = r.Element(static_cast<controls::RowElement>(k));
        if (element.Visible()) shown.push_back(controls::win32::ElementRect(list, element, dpi));
      }
      std::sort(shown.begin(), shown.end(), [](const RECT& a, const RECT& b) { return a.left < b.left; });
      for (size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(row) + ", element " + std::to_string(i) + " at " +
                     std::to_string(dpi) + " DPI");
        EXPECT_GE(shown[i].left, frame.left);
        EXPECT_LE(shown[i].right, frame.right);
        if (i > 0) {
          EXPECT_LE(shown[i - 1].right, shown[i].left) << "overlaps its neighbour";
        }
      }
    }
    EXPECT_GT(rows, 0);
  }

  platform::FakePlatform fakes;
  std::unique_ptr<forms::Form1> form;
  std::unique_ptr<ui::win32::FormWindow> window, confirm;
};

}  // namespace

TEST_F(DpiLayout, TheMainWindowIsWholeAt96120144And192Dpi) {
  ExpectScaledAndWhole(*window, *form);
  form->Command4.RaiseClick();  // paused: "PAUSE" in the seconds
  ASSERT_EQ(form->Label1.Caption(), "PAUSE");
  ExpectScaledAndWhole(*window, *form);
}

TEST_F(DpiLayout, TheConfirmationIsWholeAt96120144And192Dpi) {
  ASSERT_TRUE(form->msgBoxForm.Visible());
  ExpectScaledAndWhole(*confirm, form->msgBoxForm);
  for (const char* seconds : {"PAUSE", "Resume.."}) {
    form->Command4.RaiseClick();
    Pump();
    ASSERT_EQ(form->msgBoxForm.Label2.Caption(), seconds);
    ExpectScaledAndWhole(*confirm, form->msgBoxForm);
  }
}
