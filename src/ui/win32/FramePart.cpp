// Frame: a container window (children are positioned relative to it and move, hide and disable
// with it) that paints its own group box: the themed one of the BUTTON class where visual styles
// are on, an etched edge otherwise. The container is a control parent, so Tab and mnemonics reach
// the controls inside.
#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "platform/win32/ScopedGdi.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Parts.h"
#include "ui/win32/SurfaceWindow.h"

namespace sequora::ui::win32 {

namespace {

class FramePart : public ControlPart {
 public:
  FramePart(FormWindow& form, Frame& frame) : ControlPart(form, frame), frame_(frame) {}
  HWND ChildParent() const override { return Handle(); }

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    window_ = std::make_unique<SurfaceWindow>(Form(), [this](HDC dc, const RECT& client) { Paint(dc, client); });
    return window_->Create("SequoraFrame", parent, rect, id, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  }
  void Update(Property) override { ::InvalidateRect(Handle(), nullptr, TRUE); }
  bool IsSurface() const override { return true; }

 private:
  void Paint(HDC dc, const RECT& client) {
    ::FillRect(dc, &client, Form().Brush(frame_.BackColor()));
    if (!frame_.Border()) return;
    const platform::win32::ScopedSelect font(dc, Form().Font(frame_.FontSize(), frame_.FontBold()));
    const std::string& caption = frame_.Caption();
    SIZE text{0, 0};
    ::GetTextExtentPoint32A(dc, caption.empty() ? "M" : caption.c_str(), caption.empty() ? 1 : static_cast<int>(caption.size()), &text);
    RECT box = client;
    box.top += text.cy / 2;
    const int indent = ScalePixels(8, Dpi()), pad = ScalePixels(2, Dpi());
    RECT label{client.left + indent, client.top, client.left + indent + text.cx + 2 * pad, client.top + text.cy};
    COLORREF textColour = ToColorRef(frame_.ForeColor());
    if (const platform::win32::UniqueTheme theme(::OpenThemeData(Handle(), L"BUTTON")); theme) {
      int state = frame_.Enabled() ? GBS_NORMAL : GBS_DISABLED;
      ::DrawThemeBackground(theme.Get(), dc, BP_GROUPBOX, state, &box, nullptr);
      COLORREF themed;
      if (frame_.ForeColor() == kWindowText &&
          SUCCEEDED(::GetThemeColor(theme.Get(), BP_GROUPBOX, state, TMT_TEXTCOLOR, &themed)))
        textColour = themed;
    } else {
      ::DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
    }
    if (!caption.empty()) {
      ::FillRect(dc, &label, Form().Brush(frame_.BackColor()));
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, frame_.Enabled() ? textColour : ::GetSysColor(COLOR_GRAYTEXT));
      ::InflateRect(&label, -pad, 0);
      ::DrawTextA(dc, caption.c_str(), -1, &label, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
    }
  }

  Frame& frame_;
  std::unique_ptr<SurfaceWindow> window_;
};

}  // namespace

std::shared_ptr<ControlPart> MakeFramePart(FormWindow& form, Frame& frame) {
  return std::make_shared<FramePart>(form, frame);
}

}  // namespace sequora::ui::win32
