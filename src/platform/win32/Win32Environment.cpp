#include "platform/win32/Win32Environment.h"

#include <windows.h>

#include <cstring>

namespace sequora::platform::win32 {

std::string Win32Environment::GetVariable(const std::string& name) {
  DWORD n = ::GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (n == 0) return "";
  std::string value(n, '\0');
  n = ::GetEnvironmentVariableA(name.c_str(), value.data(), n);
  value.resize(n);
  return value;
}

std::string Win32Environment::ExpandVariables(const std::string& text) {
  if (text.find('%') == std::string::npos) return text;
  std::string out(text.size() + 256, '\0');
  for (;;) {
    DWORD n = ::ExpandEnvironmentStringsA(text.c_str(), out.data(), static_cast<DWORD>(out.size()));
    if (n == 0) return text;  // cannot be expanded: the text as written
    if (n <= out.size()) {
      // n counts the NUL and, for multi-byte code pages, may count more than was written.
      out.resize(::strnlen(out.data(), out.size()));
      return out;
    }
    out.resize(n);
  }
}

std::string Win32Environment::ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return "";
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string Win32Environment::AppPath() {
  std::string path = ModulePath();
  size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return "";
  if (cut == 2 && path[1] == ':') return path.substr(0, 3);  // a drive root keeps its "\"
  return path.substr(0, cut);
}

std::string Win32Environment::ExeName() {
  std::string path = ModulePath();
  size_t cut = path.find_last_of("\\/");
  std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string Win32Environment::Arguments() {
  // Skip the program name (quoted or not) and the blanks after it.
  const char* p = ::GetCommandLineA();
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

std::string Win32Environment::TimeText() {
  char text[80];
  int n = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, sizeof text);
  return n > 0 ? std::string(text, n - 1) : std::string();
}

std::string Win32Environment::DateText() {
  char text[80];
  int n = ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, sizeof text);
  return n > 0 ? std::string(text, n - 1) : std::string();
}

}  // namespace sequora::platform::win32
