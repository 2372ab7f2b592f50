#pragma once
// Single instance and program end for the tests: another instance is a flag; activations, window
// operations and the end of the program are recorded (the test goes on running).
#include <optional>
#include <vector>

#include "platform/Windows.h"
#include "ui/Form.h"

namespace sequora::platform {

class FakeWindows : public Windows {
 public:
  bool otherInstanceRunning = false;
  std::vector<std::string> claimed;    // names claimed successfully
  std::vector<std::string> activated;  // names whose first instance was brought to the front
  std::optional<int> exitCode;         // set when the program was ended
  int endCalls = 0;

  bool Ended() const { return endCalls > 0; }

  bool ClaimSingleInstance(const std::string& appName) override {
    if (otherInstanceRunning) return false;
    claimed.push_back(appName);
    return true;
  }
  bool ActivateFirstInstance(const std::string& appName) override {
    activated.push_back(appName);
    return otherInstanceRunning;
  }
  void EndProgram(int code) override {
    ++endCalls;
    exitCode = code;
  }

  // Window operations, by form name.
  std::vector<std::string> topmost;    // windows pinned on top now
  std::vector<std::string> activatedWindows;
  std::vector<std::string> drags;      // windows the user was allowed to drag

  bool IsTopmost(const std::string& name) const {
    for (const auto& n : topmost)
      if (n == name) return true;
    return false;
  }
  void SetTopmost(const ui::Form& form, bool on) override {
    std::erase(topmost, form.Name());
    if (on) topmost.push_back(form.Name());
  }
  void ActivateWindow(const ui::Form& form) override { activatedWindows.push_back(form.Name()); }
  void BeginWindowDrag(const ui::Form& form) override { drags.push_back(form.Name()); }
};

}  // namespace sequora::platform
