#pragma once
// The Win32 parts of user controls (ui::UserControl), looked up by TypeName. The owner of a user
// control registers a factory once at start-up (before the form is loaded):
//
//   RegisterUserControl("ListBoxExtended", [](UserControl& model, FormWindow& form) {
//     return std::make_unique<ListBoxExtendedPart>(model, form);
//   });
//
// The renderer then creates the part's window inside the control's container and, like for every
// other control, moves, shows, hides, enables it, and gives it its font and tool tip. What happens
// inside the window is the part's business. A TypeName without a factory shows an empty panel.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/Controls.h"

namespace sequora::ui::win32 {

class FormWindow;

class UserControlPart {
 public:
  virtual ~UserControlPart() = default;
  // Creates the control's window as a child of `parent` at `rect` (pixels), without WS_VISIBLE;
  // returns it (nullptr on failure). The part owns the window; it is destroyed by the renderer
  // with DestroyWindow before the part is deleted.
  virtual HWND Create(HWND parent, const RECT& rect, int id) = 0;
  // UserControl::Invalidate was called (content changed), or a style property changed.
  virtual void Update(Property /*what*/) {}
  // The form's DPI changed; the renderer then applies the font and the new geometry.
  virtual void DpiChanged(int /*dpi*/) {}
};

using UserControlFactory = std::function<std::unique_ptr<UserControlPart>(UserControl& model, FormWindow& form)>;

// Registers (or replaces) the factory for a TypeName.
void RegisterUserControl(const std::string& typeName, UserControlFactory factory);
// The factory for a TypeName, nullptr when none is registered.
const UserControlFactory* FindUserControl(const std::string& typeName);

}  // namespace sequora::ui::win32
