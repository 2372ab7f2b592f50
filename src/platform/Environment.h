#pragma once
// The process's surroundings: environment variables, where and how the program was started, and
// the clock as text. Win32: platform/win32/Win32Environment; tests: platform/fake/FakeEnvironment.
#include <string>

namespace sequora::platform {

class Environment {
 public:
  virtual ~Environment() = default;

  // The value of an environment variable, "" when it is not set (names are case-insensitive).
  virtual std::string GetVariable(const std::string& name) = 0;
  // The text with every %NAME% of a set variable replaced by its value, as Windows expands
  // (ExpandEnvironmentStringsA): names case-insensitive, a name that is not set stays as
  // written with its "%" signs, a lone "%" stays. For the file to test and start; the stored text
  // keeps its variables.
  virtual std::string ExpandVariables(const std::string& text) = 0;
  // Folder of the executable, without a trailing separator (unless it is a drive root).
  virtual std::string AppPath() = 0;
  // File name of the executable without folder and extension, e.g. "Sequora".
  virtual std::string ExeName() = 0;
  // The command line after the program name, as the program received it ("" when none).
  virtual std::string Arguments() = 0;
  // Current local time and date in the system's short text forms, e.g. "14:03:07", "06.12.2026".
  virtual std::string TimeText() = 0;
  virtual std::string DateText() = 0;
};

}  // namespace sequora::platform
