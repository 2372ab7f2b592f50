#pragma once
// Paints the row list control: the background, the selection rectangle and every visible element
// of the rows in view, with the native (themed) look of buttons and check boxes. The control's
// window calls it into an off-screen bitmap, so a repaint never flickers.
#include <windows.h>

#include <uxtheme.h>

#include <optional>

#include "controls/ListBoxExtended.h"
#include "controls/win32/RenderCache.h"
#include "controls/win32/RowListGeometry.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::ui::win32 {
class FormWindow;
}

namespace sequora::controls::win32 {

// What the mouse and the keyboard focus add to the model's look.
struct PaintState {
  std::optional<ElementAt> hot;      // under the mouse
  std::optional<ElementAt> pressed;  // held down with the mouse over it
  bool showFocus = false;            // the control has the focus and focus cues are shown
};

class RowListPainter {
 public:
  explicit RowListPainter(ui::win32::FormWindow& form) : form_(form) {}
  // The button theme of the window at its DPI (again after a theme or DPI change); none under the
  // classic look. Forgets what was drawn with the old one.
  void OpenTheme(HWND hwnd, int dpi);
  void CloseTheme() { theme_.Reset(); }
  // Forget drawn elements (the system's colours or the DPI changed).
  void ForgetDrawings() { cache_.Clear(); }
  void Paint(HDC dc, const RECT& client, const RECT& dirty, const ListBoxExtended& list, const PaintState& state,
             int dpi);

 private:
  void TextBox(HDC dc, RECT box, const ui::TextBox& text, int dpi);
  void Button(HDC dc, RECT box, const ui::Button& button, bool hot, bool pressed, COLORREF under, int dpi);
  void DrawButton(HDC dc, RECT box, const ui::Button& button, int state, bool pressed, int dpi);
  void CheckBox(HDC dc, RECT box, const ui::CheckBox& check, bool hot, bool pressed, int dpi);
  void PictureBox(HDC dc, RECT box, const ui::PictureBox& picture, int dpi);
  void Label(HDC dc, RECT box, const ui::Label& label);
  void Caption(HDC dc, const ui::Control& element, const std::string& text, RECT box, UINT flags, bool greyed);

  ui::win32::FormWindow& form_;
  platform::win32::UniqueTheme theme_;
  RenderCache cache_;
};

}  // namespace sequora::controls::win32
