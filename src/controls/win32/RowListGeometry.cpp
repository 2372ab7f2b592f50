#include "controls/win32/RowListGeometry.h"

#include "ui/win32/Dpi.h"

namespace sequora::controls::win32 {

using ui::win32::TwipsRectToPixels;

RECT FrameRect(const ListBoxExtended& list, int dpi) {
  const ui::Frame& f = list.Frame1;
  return TwipsRectToPixels(f.Left(), f.Top(), f.Width(), f.Height(), dpi);
}

RECT ElementRect(const ListBoxExtended& list, const ui::Control& element, int dpi) {
  // Edges from twips relative to the control, so that elements that touch in twips touch on screen.
  return TwipsRectToPixels(list.Frame1.Left() + element.Left(), list.Frame1.Top() + element.Top(), element.Width(),
                           element.Height(), dpi);
}

std::optional<ElementAt> HitTest(const ListBoxExtended& list, POINT point, int dpi) {
  const RECT frame = FrameRect(list, dpi);
  if (!list.Frame1.Visible() || !::PtInRect(&frame, point)) return std::nullopt;
  for (int row = 0; row < list.InstanceCount(); ++row) {
    const ListBoxRow& r = list.Row(row);
    if (!r.InView) continue;
    for (int k = 0; k < kRowElementCount; ++k) {
      const auto kind = static_cast<RowElement>(k);
      const ui::Control& element = r.Element(kind);
      if (!element.Visible() || !element.Enabled()) continue;
      const RECT box = ElementRect(list, element, dpi);
      if (::PtInRect(&box, point)) return ElementAt{row, kind};
    }
  }
  return std::nullopt;
}

}  // namespace sequora::controls::win32
