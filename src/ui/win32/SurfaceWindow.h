#pragma once
// A child window that Sequora paints itself (picture boxes, frames, user controls without a part
// of their own). It paints through a callback, double-buffered, and hands the messages of its own
// children to the form (FormWindow::RouteChildMessage), so controls inside a frame behave like
// controls on the form.
#include <windows.h>

#include <functional>

#include "ui/win32/Window.h"

namespace sequora::ui::win32 {

class FormWindow;

class SurfaceWindow : public Window {
 public:
  using Painter = std::function<void(HDC dc, const RECT& client)>;
  SurfaceWindow(FormWindow& form, Painter painter) : form_(form), painter_(std::move(painter)) {}
  // Creates the window as a child of `parent` (hidden; the part shows it).
  HWND Create(const char* className, HWND parent, const RECT& rect, int id, DWORD style, DWORD exStyle);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // For a look that follows the mouse: call on every WM_MOUSEMOVE (WM_MOUSELEAVE is asked for
  // once while the mouse stays over the window) and MouseLeft on WM_MOUSELEAVE.
  void TrackMouseLeave();
  void MouseLeft() { trackingLeave_ = false; }

 private:
  void Paint(HDC dc, const RECT& client);
  FormWindow& form_;
  Painter painter_;
  bool trackingLeave_ = false;
};

}  // namespace sequora::ui::win32
