#include "platform/FilePaths.h"

#include "base/StringOps.h"

namespace sequora::platform {

namespace {

std::string WithoutEnclosingQuotes(std::string s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return s;
}

// The platform's answer as the fixed buffer received it: nothing when it would not fit.
std::string FittingAnswer(std::string answer) {
  return answer.size() < kPathBuffer ? answer : std::string();
}

// Directory and file by the last separator, then the dot rule on the file.
PathParts SplitPlain(FileSystem& fs, const std::string& complete) {
  PathParts parts;
  if (complete.empty()) return parts;
  std::string text = StripQuotes(complete);
  parts.directory = AddPathSeparator(GetDirectoryPart(fs, text));
  parts.file = Trim(GetFileNamePart(text));
  std::size_t dot = parts.file.find('.');
  if (dot != std::string::npos) {
    std::size_t blank = parts.file.find(' ', dot);
    if (blank != std::string::npos) {
      parts.parameters = Trim(parts.file.substr(blank));
      parts.file = Trim(parts.file.substr(0, blank));
    }
  }
  return parts;
}

}  // namespace

std::string GetDirectoryPart(FileSystem& fs, const std::string& path) {
  if (path.empty()) return "";
  if (fs.DirectoryExists(path)) return path;
  std::size_t cut = LastSeparator(path);
  if (cut == std::string::npos) return "";
  return Trim(path.substr(0, cut + 1));
}

std::string GetShortPath(FileSystem& fs, const std::string& path) {
  std::string shortForm = path.empty() ? std::string() : FittingAnswer(fs.ShortPathName(path));
  return WithoutEnclosingQuotes(shortForm.empty() ? path : shortForm);
}

std::string GetLongPath(FileSystem& fs, const std::string& path) {
  std::string longForm = path.empty() ? std::string() : FittingAnswer(fs.LongPathName(path));
  std::size_t start = longForm.find_first_not_of('\0');
  longForm = Trim(start == std::string::npos ? std::string() : longForm.substr(start));
  return longForm.empty() ? path : longForm;
}

PathParts SplitPath(FileSystem& fs, const std::string& complete) {
  // A switch such as "/min" after a backslash path would make its "/" the last separator and the
  // switch the file name. When the name after the last "\" before the first "/" already holds a
  // "." and then a blank, the parameters start at that blank: split the path before it.
  std::string text = StripQuotes(complete);
  std::size_t slash = text.find('/');
  if (slash != std::string::npos) {
    std::size_t backslash = text.rfind('\\', slash);
    if (backslash != std::string::npos) {
      std::size_t dot = text.find('.', backslash);
      std::size_t blank = dot < slash ? text.find(' ', dot) : std::string::npos;
      if (blank < slash) {
        PathParts parts = SplitPlain(fs, text.substr(0, blank));
        parts.parameters = Trim(text.substr(blank));
        return parts;
      }
    }
  }
  return SplitPlain(fs, complete);
}

}  // namespace sequora::platform
