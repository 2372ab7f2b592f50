#pragma once
#include "platform/CodePage.h"

namespace sequora::platform::win32 {

// The system ANSI code page (CP_ACP).
class Win32CodePage : public CodePage {
 public:
  std::string FromUtf16(std::u16string_view text) const override;
  std::u16string ToUtf16(std::string_view text) const override;
};

}  // namespace sequora::platform::win32
