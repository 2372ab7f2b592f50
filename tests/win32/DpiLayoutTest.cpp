// The main window and the group confirmation at 96, 120, 144 and 192 DPI: what the user sees is
// the 96 DPI window scaled, nothing is cut off, and every caption fits its control.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "controls/win32/ListBoxExtendedPart.h"
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

std::map<std::string, Seen> Look(ui::win32::FormWindow& window, const ui::Form& form) {
  std::map<std::string, Seen> seen;
  for (ui::Control* control : form.Controls()) {
    HWND hwnd = window.HandleOf(*control);
    if (!hwnd) continue;
    Seen s{};
    s.rect = RectInParent(hwnd);
    ::GetClientRect(::GetParent(hwnd), &s.parent);
    s.textWidth = TextWidth(hwnd);
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
    fakes.environment.appPath = "C:\\Sequora";
    fakes.environment.exeName = "Sequora";
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
    for (int dpi : {120, 144, 192}) {
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
        }
      }
    }
  }

  platform::FakePlatform fakes;
  std::unique_ptr<forms::Form1> form;
  std::unique_ptr<ui::win32::FormWindow> window, confirm;
};

}  // namespace

TEST_F(DpiLayout, TheMainWindowScalesWholeAt120144And192Dpi) { ExpectScaledAndWhole(*window, *form); }

TEST_F(DpiLayout, TheConfirmationScalesWholeAt120144And192Dpi) {
  ASSERT_TRUE(form->msgBoxForm.Visible());
  ExpectScaledAndWhole(*confirm, form->msgBoxForm);
}
