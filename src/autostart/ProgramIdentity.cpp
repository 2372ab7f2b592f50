#include "autostart/ProgramIdentity.h"

#include <algorithm>

#include "base/Paths.h"
#include "base/StringOps.h"
#include "platform/FilePaths.h"

namespace sequora::autostart {

namespace {

bool HasExtension(std::string_view path) {
  size_t dot = path.rfind('.');
  size_t slash = path.find_last_of("\\/");
  return dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
}

}  // namespace

std::string ExpandEnvironmentText(platform::Environment& environment, std::string_view text) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('%', pos);
    size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    out.append(text.substr(pos, open - pos));
    std::string name(text.substr(open + 1, close - open - 1));
    std::string value = name.empty() ? std::string() : environment.GetVariable(name);
    if (value.empty()) {
      // Unset: the first percent sign stays and the second may open the next reference.
      out += '%';
      pos = open + 1;
      continue;
    }
    out += value;
    pos = close + 1;
  }
  out.append(text.substr(std::min(pos, text.size())));
  return out;
}

std::string ProgramOfCommand(platform::FileSystem& fs, platform::Environment& environment,
                             std::string_view commandLine) {
  std::string text = Trim(ExpandEnvironmentText(environment, commandLine));
  if (!text.empty() && text.front() == '"') {
    size_t close = text.find('"', 1);
    return Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  }
  for (size_t end = text.find(' ');; end = text.find(' ', end + 1)) {
    std::string candidate = text.substr(0, end);
    if (!candidate.empty() && candidate.back() != '\\') {
      if (fs.FileExists(candidate)) return candidate;
      if (!HasExtension(candidate) && fs.FileExists(candidate + ".exe")) return candidate + ".exe";
    }
    if (end == std::string::npos) break;
  }
  platform::PathParts parts = platform::SplitPath(fs, text);
  return parts.directory + parts.file;
}

std::string ProgramKey(platform::FileSystem& fs, platform::Environment& environment,
                       std::string_view programPath) {
  std::string path = StripQuotes(ExpandEnvironmentText(environment, programPath));
  std::replace(path.begin(), path.end(), '/', '\\');
  if (path.empty()) return path;
  // An 8.3 alias that differs from its long name carries a "~": a path without one is its own long
  // form, and the disk is not asked (a long-form query costs milliseconds under Wine).
  if (path.find('~') == std::string::npos) return ToLower(path);
  std::string longForm = fs.LongPathName(path);
  return ToLower(longForm.empty() ? path : longForm);
}

}  // namespace sequora::autostart
