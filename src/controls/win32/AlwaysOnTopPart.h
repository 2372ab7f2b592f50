#pragma once
// The Win32 part of the always-on-top button: one child window that draws the image the model
// shows (the named pictures "pinoff", "pinhover", "pinned"), tells the model when the mouse moves
// over it or leaves it, and clicks on the button's release over it. It is a tab stop: Space or
// Enter pins and releases as a click does, and a focus rectangle shows where the focus is.
#include <windows.h>

#include "controls/AlwaysOnTop.h"
#include "ui/win32/SurfaceWindow.h"
#include "ui/win32/UserControls.h"

namespace sequora::controls::win32 {

// Makes the renderer show every AlwaysOnTop through AlwaysOnTopPart. Call once at start-up,
// before the first form is loaded.
void RegisterAlwaysOnTopPart();

class AlwaysOnTopPart : public ui::win32::UserControlPart, public ui::win32::SurfaceWindow {
 public:
  static constexpr const char* kClassName = "SequoraAlwaysOnTop";

  AlwaysOnTopPart(AlwaysOnTop& button, ui::win32::FormWindow& form);

  HWND Create(HWND parent, const RECT& rect, int id) override;
  void Update(ui::Property what) override;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc, const RECT& client);

  AlwaysOnTop& button_;
  ui::win32::FormWindow& formWindow_;
  bool pressed_ = false;
};

}  // namespace sequora::controls::win32
