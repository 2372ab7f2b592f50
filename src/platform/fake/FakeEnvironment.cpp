#include "platform/fake/FakeEnvironment.h"

#include <algorithm>

#include "base/StringOps.h"

namespace sequora::platform {

std::string FakeEnvironment::GetVariable(const std::string& name) {
  for (const auto& [key, value] : variables)
    if (EqualsNoCase(key, name)) return value;
  return "";
}

std::string FakeEnvironment::ExpandVariables(const std::string& text) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '%') {
      out += text[i++];
      continue;
    }
    size_t close = text.find('%', i + 1);
    if (close == std::string::npos) {
      out += text.substr(i);
      break;
    }
    std::string name = text.substr(i + 1, close - i - 1);
    auto found = name.empty() ? variables.end()
                              : std::find_if(variables.begin(), variables.end(),
                                             [&](const auto& v) { return EqualsNoCase(v.first, name); });
    if (found != variables.end()) {
      out += found->second;
      i = close + 1;
    } else {
      out += text.substr(i, close - i + 1);  // not set: "%NAME%" stays as written
      i = close + 1;
    }
  }
  return out;
}

}  // namespace sequora::platform
