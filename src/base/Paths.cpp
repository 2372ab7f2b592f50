#include "base/Paths.h"

#include "base/StringOps.h"

namespace sequora {

namespace {
bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }
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

}  // namespace sequora
