#include "platform/fake/FakeCodePage.h"

namespace sequora::platform {

namespace {

// Bytes 0x80..0x9F of windows-1252; the five unassigned bytes map to the same code points, as
// Windows maps them. 0xA0..0xFF equal U+00A0..U+00FF.
constexpr char16_t k1252Low[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Bytes 0x80..0xBF of windows-1251; 0xC0..0xFF are U+0410..U+044F.
constexpr char16_t k1251Low[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

}  // namespace

FakeCodePage::FakeCodePage(int codePage) : number_(codePage == 1251 ? 1251 : 1252) {
  for (int i = 0; i < 128; ++i) {
    if (number_ == 1251) {
      high_[i] = i < 64 ? k1251Low[i] : static_cast<char16_t>(0x0410 + (i - 64));
    } else {
      high_[i] = i < 32 ? k1252Low[i] : static_cast<char16_t>(0x80 + i);
    }
  }
}

std::string FakeCodePage::FromUtf16(std::u16string_view text) const {
  std::string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 128; ++i) {
      if (high_[i] == c) {
        mapped = static_cast<char>(0x80 + i);
        break;
      }
    }
    out.push_back(mapped);
  }
  return out;
}

std::u16string FakeCodePage::ToUtf16(std::string_view text) const {
  std::u16string out;
  out.reserve(text.size());
  for (char ch : text) {
    auto b = static_cast<unsigned char>(ch);
    out.push_back(b < 0x80 ? static_cast<char16_t>(b) : high_[b - 0x80]);
  }
  return out;
}

}  // namespace sequora::platform
