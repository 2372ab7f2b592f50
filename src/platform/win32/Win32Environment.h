#pragma once
#include "platform/Environment.h"

namespace sequora::platform::win32 {

class Win32Environment : public Environment {
 public:
  std::string GetVariable(const std::string& name) override;
  std::string ExpandVariables(const std::string& text) override;
  std::string AppPath() override;
  std::string ExeName() override;
  std::string Arguments() override;
  std::string TimeText() override;
  std::string DateText() override;

 private:
  std::string ModulePath();
};

}  // namespace sequora::platform::win32
