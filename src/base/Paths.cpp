#include "base/Paths.h"

#include "base/StringOps.h"

namespace sequora {

namespace {
bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

std::size_t LastSeparator(const std::string& path) { return path.rfind(Contains(path, '/') ? '/' : '\\'); }

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

std::string GetFileNamePart(const std::string& path) {
  std::size_t cut = LastSeparator(path);
  return cut == std::string::npos ? path : path.substr(cut + 1);
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

std::string JoinPath(const std::string& folder, const std::string& file) {
  if (folder.empty()) return file;
  std::string joined = folder;
  const bool quoted = joined.back() == '"';
  if (quoted) joined.pop_back();
  if (!joined.empty() && joined.back() != '\\' && joined.back() != '/')
    joined += Contains(joined, '/') && !Contains(joined, '\\') ? '/' : '\\';
  if (quoted) joined += '"';
  return joined + file;
}

bool IsAbsolutePath(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':' && IsLetter(path[0])) return true;
  return !path.empty() && (path[0] == '\\' || path[0] == '/');
}

}  // namespace sequora
