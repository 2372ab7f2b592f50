#pragma once
// The system's ANSI code page, for the few places where Windows stores text as UTF-16 (shortcut
// files): UTF-16 to ANSI and back, as WideCharToMultiByte / MultiByteToWideChar with CP_ACP do.
// Win32: platform/win32/Win32CodePage; tests: platform/fake/FakeCodePage (windows-1252 or 1251).
#include <string>
#include <string_view>

namespace sequora::platform {

class CodePage {
 public:
  virtual ~CodePage() = default;
  // Characters the code page lacks become '?'.
  virtual std::string FromUtf16(std::u16string_view text) const = 0;
  virtual std::u16string ToUtf16(std::string_view text) const = 0;
};

}  // namespace sequora::platform
