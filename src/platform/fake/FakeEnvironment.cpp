#include "platform/fake/FakeEnvironment.h"

#include <cctype>

namespace sequora::platform {

std::string FakeEnvironment::GetVariable(const std::string& name) {
  for (const auto& [key, value] : variables) {
    if (key.size() != name.size()) continue;
    bool same = true;
    for (size_t i = 0; i < key.size() && same; ++i)
      same = std::toupper(static_cast<unsigned char>(key[i])) ==
             std::toupper(static_cast<unsigned char>(name[i]));
    if (same) return value;
  }
  return "";
}

}  // namespace sequora::platform
