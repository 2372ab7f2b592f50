#pragma once
// Environment for the tests: variables, program location and the clock text are plain fields.
#include <map>

#include "platform/Environment.h"

namespace sequora::platform {

class FakeEnvironment : public Environment {
 public:
  std::map<std::string, std::string> variables;  // names compared case-insensitively
  std::string appPath = "C:\\Sequora";
  std::string exeName = "Sequora";
  std::string arguments;
  std::string time = "12:00:00";
  std::string date = "06.12.2026";

  std::string GetVariable(const std::string& name) override;
  // Expands from `variables` as Windows does; a name counts as set when it is in the map.
  std::string ExpandVariables(const std::string& text) override;
  std::string AppPath() override { return appPath; }
  std::string ExeName() override { return exeName; }
  std::string Arguments() override { return arguments; }
  std::string TimeText() override { return time; }
  std::string DateText() override { return date; }
};

}  // namespace sequora::platform
