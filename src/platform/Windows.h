#pragma once
// The program among the other windows of the session: one instance only, bringing the first
// instance to the front, ending the program, and what is done to one of Sequora's own windows as a
// whole (pinning it on top, activating it, moving it with the mouse). Win32:
// platform/win32/Win32Windows; tests: platform/fake/FakeWindows.
#include <string>

namespace sequora::ui {
class Form;
}

namespace sequora::platform {

class Windows {
 public:
  virtual ~Windows() = default;
  // Claims the single-instance slot named `appName` for this process, for as long as it runs.
  // False when another running instance holds it.
  virtual bool ClaimSingleInstance(const std::string& appName) = 0;
  // Brings the main window of the instance holding `appName` to the front: restored, made
  // topmost, activated, then put back among the normal windows. False when it was not found.
  virtual bool ActivateFirstInstance(const std::string& appName) = 0;
  // Ends the program at once with the exit code; no window handler runs any more.
  virtual void EndProgram(int exitCode) = 0;

  // The operations below act on the window that shows `form`; a form that is not on screen
  // (no window yet, or no renderer, as in the tests) is left alone.
  // Places the window in the topmost band, above all normal windows, or back among them.
  virtual void SetTopmost(const ui::Form& form, bool topmost) = 0;
  // Makes the window the active (foreground) window.
  virtual void ActivateWindow(const ui::Form& form) = 0;
  // Called while a mouse button is down on the window: the user moves the window until the
  // button is released, as if the button had gone down on its title bar. Returns when done.
  virtual void BeginWindowDrag(const ui::Form& form) = 0;
};

}  // namespace sequora::platform
