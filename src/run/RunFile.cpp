#include "run/RunFile.h"

#include "autostart/StringOps.h"

namespace sequora::run {

namespace {

bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

std::string WithoutEnclosingQuotes(std::string s) {
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  return s;
}

// The platform's answer as the fixed buffer received it: nothing when it would not fit.
std::string FittingAnswer(std::string answer) {
  return answer.size() < kPathBuffer ? answer : std::string();
}

// Directory and file by the last separator, then the dot rule on the file.
PathParts SplitPlain(platform::FileSystem& fs, const std::string& complete) {
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

std::string AddPathSeparator(const std::string& path) {
  std::string p = path;
  bool quoted = !p.empty() && p.back() == '"';
  if (quoted) p.pop_back();
  if (Contains(p, '\\')) {
    if (p.back() != '\\') p += '\\';
  } else if (Contains(p, '/')) {
    if (p.back() != '/') p += '/';
  }
  if (quoted) p += '"';
  return p;
}

std::string GetDirectoryPart(platform::FileSystem& fs, const std::string& path) {
  if (path.empty()) return "";
  if (fs.DirectoryExists(path)) return path;
  std::size_t cut = path.rfind(Contains(path, '/') ? '/' : '\\');
  if (cut == std::string::npos) return "";
  return Trim(path.substr(0, cut + 1));
}

std::string GetFileNamePart(const std::string& path) {
  std::size_t cut = path.rfind(Contains(path, '/') ? '/' : '\\');
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string GetShortPath(platform::FileSystem& fs, const std::string& path) {
  std::string shortForm = path.empty() ? std::string() : FittingAnswer(fs.ShortPathName(path));
  return WithoutEnclosingQuotes(shortForm.empty() ? path : shortForm);
}

std::string GetLongPath(platform::FileSystem& fs, const std::string& path) {
  std::string longForm = path.empty() ? std::string() : FittingAnswer(fs.LongPathName(path));
  std::size_t start = longForm.find_first_not_of('\0');
  longForm = Trim(start == std::string::npos ? std::string() : longForm.substr(start));
  return longForm.empty() ? path : longForm;
}

std::string StripQuotes(const std::string& text) {
  std::string t = Trim(text);
  if (t.size() > 1 && t.front() == '"' && t.back() == '"') t = t.substr(1, t.size() - 2);
  return t;
}

std::string QuoteIfSpaces(const std::string& path) {
  std::string t = Trim(path);
  if (!t.empty() && !Contains(t, '"') && Contains(t, ' ')) t = '"' + t + '"';
  return t;
}

PathParts SplitPath(platform::FileSystem& fs, const std::string& complete) {
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

}  // namespace sequora::run
