// ScrollBar: a SCROLLBAR control. Arrow, page and thumb moves become ScrollBar::SetValue (which
// raises Change); the model's range and value are written back.
#include <algorithm>

#include "ui/win32/FormWindow.h"
#include "ui/win32/Parts.h"

namespace sequora::ui::win32 {

namespace {

class ScrollBarPart : public ControlPart {
 public:
  ScrollBarPart(FormWindow& form, ScrollBar& bar) : ControlPart(form, bar), bar_(bar) {}

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    return CreateChild("SCROLLBAR", (bar_.Vertical() ? SBS_VERT : SBS_HORZ) | WS_TABSTOP, 0, "", parent, rect, id);
  }
  void ApplyAll() override { Update(Property::Range); }
  void Update(Property what) override {
    if (what != Property::Range && what != Property::Value) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = bar_.Min();
    info.nMax = bar_.Max();
    info.nPos = bar_.Value();
    ::SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
  }
  void OnScroll(int code) override {
    int value = bar_.Value();
    switch (code) {
      case SB_LINEUP: value -= bar_.SmallChange(); break;
      case SB_LINEDOWN: value += bar_.SmallChange(); break;
      case SB_PAGEUP: value -= bar_.LargeChange(); break;
      case SB_PAGEDOWN: value += bar_.LargeChange(); break;
      case SB_TOP: value = bar_.Min(); break;
      case SB_BOTTOM: value = bar_.Max(); break;
      case SB_THUMBTRACK:
      case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        if (::GetScrollInfo(Handle(), SB_CTL, &info)) value = info.nTrackPos;
        break;
      }
      default: return;  // SB_ENDSCROLL
    }
    bar_.SetValue(std::clamp(value, bar_.Min(), bar_.Max()));
  }

 private:
  ScrollBar& bar_;
};

}  // namespace

std::shared_ptr<ControlPart> MakeScrollBarPart(FormWindow& form, ScrollBar& bar) {
  return std::make_shared<ScrollBarPart>(form, bar);
}

}  // namespace sequora::ui::win32
