#include "platform/CommandLine.h"

#include "base/StringOps.h"

namespace sequora::platform {

std::string RemoveQuotes(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path)
    if (c != '"') out += c;
  return Trim(out);
}

std::string QuoteProgramPath(std::string_view path) {
  std::string clean = RemoveQuotes(path);
  if (clean.find_first_of(" \t") == std::string::npos) return clean;
  return '"' + clean + '"';
}

std::string BuildCommandLine(std::string_view program, std::string_view parameters) {
  std::string line = QuoteProgramPath(program);
  std::string rest = Trim(parameters);
  if (!rest.empty()) line += ' ' + rest;
  return line;
}

ProgramText SplitProgramText(std::string_view text) {
  bool inQuotes = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '"') continue;
    inQuotes = !inQuotes;
    if (!inQuotes && i + 1 < text.size() && (text[i + 1] == ' ' || text[i + 1] == '\t'))
      return {Trim(text.substr(0, i + 1)), Trim(text.substr(i + 1))};
  }
  return {Trim(text), ""};
}

bool IsExecutableImage(std::string_view path) {
  size_t name = path.find_last_of("\\/");
  std::string_view file = name == std::string_view::npos ? path : path.substr(name + 1);
  size_t dot = file.find_last_of('.');
  if (dot == std::string_view::npos) return false;
  std::string_view extension = file.substr(dot);
  return EqualsNoCase(extension, ".exe") || EqualsNoCase(extension, ".com");
}

}  // namespace sequora::platform
