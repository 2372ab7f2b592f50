// Button: a push BUTTON. A button with a picture keeps the native (themed) button face and draws
// its glyph and caption itself through NM_CUSTOMDRAW, at the button's pixel size.
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Parts.h"
#include "platform/win32/PictureDrawing.h"
#include "platform/win32/ScopedGdi.h"

namespace sequora::ui::win32 {

namespace {

class ButtonPart : public ControlPart {
 public:
  ButtonPart(FormWindow& form, Button& button) : ControlPart(form, button), button_(button) {}

  bool IsDefaultButton() const override { return button_.IsDefault(); }
  bool IsCancelButton() const override { return button_.IsCancel(); }
  void Press() override { button_.RaiseClick(); }

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    return CreateChild("BUTTON", Style(), 0, button_.Caption(), parent, rect, id);
  }
  void Update(Property what) override {
    if (what == Property::Text) {
      SetWindowTextFromModel(button_.Caption());
    } else if (what == Property::Style) {
      ::SendMessageA(Handle(), BM_SETSTYLE, Style() & 0xF, TRUE);
    } else if (what == Property::Picture) {
      ::InvalidateRect(Handle(), nullptr, TRUE);
    }
  }
  void OnCommand(int code) override {
    if (code == BN_CLICKED) button_.RaiseClick();
  }
  bool OnNotify(NMHDR& header, LRESULT& result) override {
    if (header.code != NM_CUSTOMDRAW || button_.Picture().Empty()) return false;
    auto& draw = reinterpret_cast<NMCUSTOMDRAW&>(header);
    if (draw.dwDrawStage != CDDS_PREPAINT) {
      result = CDRF_DODEFAULT;
      return true;
    }
    Paint(draw.hdc, draw.rc, draw.uItemState);
    result = CDRF_SKIPDEFAULT;
    return true;
  }

 private:
  DWORD Style() const { return WS_TABSTOP | (button_.IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON); }

  void Paint(HDC dc, RECT rc, UINT itemState) {
    HWND hwnd = Handle();
    const bool disabled = (itemState & CDIS_DISABLED) || !::IsWindowEnabled(hwnd);
    const bool pressed = (itemState & CDIS_SELECTED) != 0;
    RECT content = rc;
    if (HTHEME theme = ::OpenThemeData(hwnd, L"BUTTON")) {
      int state = disabled ? PBS_DISABLED
                  : pressed ? PBS_PRESSED
                  : (itemState & CDIS_HOT) ? PBS_HOT
                  : (button_.IsDefault() || (itemState & CDIS_FOCUS)) ? PBS_DEFAULTED
                  : PBS_NORMAL;
      if (::IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state))
        ::DrawThemeParentBackground(hwnd, dc, &rc);
      ::DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &rc, nullptr);
      ::GetThemeBackgroundContentRect(theme, dc, BP_PUSHBUTTON, state, &rc, &content);
      ::CloseThemeData(theme);
    } else {
      ::DrawFrameControl(dc, &rc, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
      ::InflateRect(&content, -3, -3);
      if (pressed) ::OffsetRect(&content, 1, 1);
    }

    const int dpi = Dpi();
    const int pad = ScalePixels(2, dpi), gap = ScalePixels(4, dpi);
    LRESULT uiState = ::SendMessageA(hwnd, WM_QUERYUISTATE, 0, 0);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0));
    const platform::win32::ScopedSelect selectFont(dc, font);
    const std::string& caption = button_.Caption();

    RECT inner = content;
    ::InflateRect(&inner, -pad, -pad);
    const int innerW = inner.right - inner.left, innerH = inner.bottom - inner.top;
    RECT textBox{0, 0, 0, 0};
    if (!caption.empty()) ::DrawTextA(dc, caption.c_str(), -1, &textBox, DT_CALCRECT | DT_SINGLELINE);
    const int textW = textBox.right, textH = textBox.bottom;
    RECT pictureBox = inner;
    RECT textRect = inner;
    if (caption.empty()) {
      int size = std::min(innerW, innerH);
      pictureBox = RECT{inner.left + (innerW - size) / 2, inner.top + (innerH - size) / 2, 0, 0};
      pictureBox.right = pictureBox.left + size;
      pictureBox.bottom = pictureBox.top + size;
    } else if (innerH >= textH + gap + ScalePixels(16, dpi)) {
      // Tall button: picture above the caption.
      int size = std::min({innerW, innerH - textH - gap, ScalePixels(32, dpi)});
      int top = inner.top + (innerH - size - gap - textH) / 2;
      pictureBox = RECT{inner.left + (innerW - size) / 2, top, inner.left + (innerW - size) / 2 + size, top + size};
      textRect = RECT{inner.left, top + size + gap, inner.right, top + size + gap + textH};
    } else {
      // Wide button: picture left of the caption, both centred.
      int size = std::min(innerH, ScalePixels(20, dpi));
      int total = size + gap + textW;
      int left = inner.left + std::max(0, (innerW - total) / 2);
      pictureBox = RECT{left, inner.top + (innerH - size) / 2, left + size, inner.top + (innerH - size) / 2 + size};
      textRect = RECT{left + size + gap, inner.top, inner.right, inner.bottom};
    }
    platform::win32::DrawPicture(dc, pictureBox, button_.Picture(), disabled);
    if (!caption.empty()) {
      UINT flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
      flags |= (pictureBox.top < textRect.top) ? DT_CENTER : DT_LEFT;
      if (uiState & UISF_HIDEACCEL) flags |= DT_HIDEPREFIX;
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, disabled ? ::GetSysColor(COLOR_GRAYTEXT) : ToColorRef(button_.ForeColor()));
      ::DrawTextA(dc, caption.c_str(), -1, &textRect, flags);
    }
    if ((itemState & CDIS_FOCUS) && !(uiState & UISF_HIDEFOCUS)) {
      RECT focus = content;
      ::InflateRect(&focus, -1, -1);
      ::DrawFocusRect(dc, &focus);
    }
  }

  Button& button_;
};

}  // namespace

std::shared_ptr<ControlPart> MakeButtonPart(FormWindow& form, Button& button) {
  return std::make_shared<ButtonPart>(form, button);
}

}  // namespace sequora::ui::win32
