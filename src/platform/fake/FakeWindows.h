#pragma once
// Single instance and program end for the tests: another instance is a flag; activations and the
// end of the program are recorded (the test goes on running).
#include <optional>
#include <string>
#include <vector>

#include "platform/Windows.h"

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

};

}  // namespace sequora::platform
