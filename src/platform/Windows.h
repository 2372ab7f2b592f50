#pragma once
// The program among the other windows of the session: one instance only, bringing the first
// instance to the front, ending the program. (What is done to one of Sequora's own windows, such as
// pinning it on top, is the form's own business: ui::Form.) Win32:
// platform/win32/Win32Windows; tests: platform/fake/FakeWindows.
#include <string>

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

};

}  // namespace sequora::platform
