#include "platform/fake/FakeEnvironment.h"

#include "base/StringOps.h"

namespace sequora::platform {

std::string FakeEnvironment::GetVariable(const std::string& name) {
  for (const auto& [key, value] : variables)
    if (EqualsNoCase(key, name)) return value;
  return "";
}

}  // namespace sequora::platform
