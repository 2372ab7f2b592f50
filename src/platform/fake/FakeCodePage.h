#pragma once
// A single-byte Windows code page from a built-in table: 1252 (Western, Wine's default) or 1251
// (Cyrillic), enough to read real shortcut files made on either kind of system.
#include <array>

#include "platform/CodePage.h"

namespace sequora::platform {

class FakeCodePage : public CodePage {
 public:
  explicit FakeCodePage(int codePage = 1252);  // any other number falls back to 1252
  int Number() const { return number_; }

  std::string FromUtf16(std::u16string_view text) const override;
  std::u16string ToUtf16(std::string_view text) const override;

 private:
  int number_;
  std::array<char16_t, 128> high_{};  // bytes 0x80..0xFF
};

}  // namespace sequora::platform
