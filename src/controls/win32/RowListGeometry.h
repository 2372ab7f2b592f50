#pragma once
// Where the row list control's elements stand on screen: the twips of the model (relative to
// Frame1) as pixels in the control's client area, and the element under a point.
#include <windows.h>

#include <optional>

#include "controls/ListBoxExtended.h"

namespace sequora::controls::win32 {

struct ElementAt {
  int row = -1;
  RowElement kind = RowElement::Text1;
  bool operator==(const ElementAt&) const = default;
};

// Frame1's rectangle in client pixels; rows are clipped to it.
RECT FrameRect(const ListBoxExtended& list, int dpi);
// A control of the list (a row element, or Selected_Background) in client pixels.
RECT ElementRect(const ListBoxExtended& list, const ui::Control& element, int dpi);

// The visible, enabled element of a row in view under the point, if any.
std::optional<ElementAt> HitTest(const ListBoxExtended& list, POINT point, int dpi);

}  // namespace sequora::controls::win32
