#pragma once
// The one window base of the renderer. A class derived from Window owns one HWND of a window class
// of its own; the HWND's procedure finds the object through the pointer stored at WM_NCCREATE and
// calls HandleMessage. This is the only place where an HWND is tied to a C++ object.
//
// Conventions:
//  - A Window is not copied or moved (the HWND holds its address).
//  - Destroying the object destroys the HWND; when the HWND goes first (its parent was destroyed),
//    the object is told through OnDestroyed and forgets the handle.
//  - HandleMessage must not throw; what it does not handle goes to DefWindowProcA.
#include <windows.h>

namespace sequora::ui::win32 {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  // The object behind an HWND created by this base (nullptr for other windows).
  static Window* FromHandle(HWND hwnd);
  // Destroys the HWND now (no-op when there is none).
  void DestroyHandle();

 protected:
  // Registers `className` on first use (arrow cursor, double clicks, no background brush) and
  // creates the window; false when that fails.
  bool CreateHandle(const char* className, DWORD exStyle, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

HINSTANCE ModuleInstance();

}  // namespace sequora::ui::win32
