#include "base/StringOps.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace sequora {

namespace {
char Up(char c) { return ToUpperAscii(c); }
char Low(char c) { return ToLowerAscii(c); }
}  // namespace

std::string TrimLeft(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
  size_t e = s.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string Trim(std::string_view s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return std::string();
  size_t e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

std::string ToLower(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = Low(c);
  return r;
}

std::string ToUpper(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = Up(c);
  return r;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Up(a[i]) != Up(b[i])) return false;
  return true;
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
  return ToUpper(text).find(ToUpper(part)) != std::string::npos;
}

// Each occurrence is replaced in the result; the next search starts one character after the
// inserted replacement, so an occurrence right behind a replacement stays. The loop also ends when
// that start lies past the end, or when the rest no longer holds the search text in its exact
// letter case (even when the search itself ignores case). An empty search text changes nothing.
std::string ReplaceText(std::string_view source, std::string_view search, std::string_view replacement,
                        bool caseSensitive) {
  std::string result(source);
  if (search.empty()) return result;
  const std::string upperSearch = ToUpper(search);
  auto find = [&](size_t from) {
    return caseSensitive ? result.find(search, from) : ToUpper(result).find(upperSearch, from);
  };
  size_t pos = find(0);
  while (pos != std::string::npos) {
    result.replace(pos, search.size(), replacement);
    size_t next = pos + replacement.size() + 1;
    if (next >= result.size()) break;
    if (result.find(search, next) == std::string::npos) break;
    pos = find(next);
  }
  return result;
}

std::optional<double> ToNumber(std::string_view text) {
  std::string t = Trim(text);
  while (!t.empty() && t.front() == '\t') t.erase(t.begin());
  while (!t.empty() && t.back() == '\t') t.pop_back();
  if (t.empty()) return std::nullopt;
  if (t.size() > 2 && t[0] == '&' && (Up(t[1]) == 'H' || Up(t[1]) == 'O')) {
    const bool hex = Up(t[1]) == 'H';
    // Digits only: strtoull alone would also take blanks, a sign or "0x" after the prefix.
    const std::string_view digits = std::string_view(t).substr(2);
    const auto isDigit = [hex](char c) {
      const char u = Up(c);
      return (c >= '0' && c <= (hex ? '9' : '7')) || (hex && u >= 'A' && u <= 'F');
    };
    if (!std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
    unsigned long long v = std::strtoull(t.c_str() + 2, nullptr, hex ? 16 : 8);
    if (v > 0xFFFFFFFFull) return std::nullopt;
    // Hex literals up to 16 bits are signed 16-bit values, longer ones 32-bit.
    if (v <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(v));
    return static_cast<double>(static_cast<std::int32_t>(v));
  }
  // A plain decimal number: sign, digits, one '.', exponent. No hex floats, no inf/nan.
  size_t i = 0;
  if (t[i] == '+' || t[i] == '-') ++i;
  size_t digits = 0;
  while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  double v = std::strtod(t.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

namespace {
std::optional<double> RoundHalfEven(std::string_view text) {
  auto v = ToNumber(text);
  if (!v) return std::nullopt;
  return std::nearbyint(*v);  // default rounding mode: to nearest, ties to even
}
}  // namespace

std::optional<std::int16_t> ToInt16(std::string_view text) {
  auto v = RoundHalfEven(text);
  if (!v || *v < -32768.0 || *v > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(*v);
}

std::optional<std::int32_t> ToInt32(std::string_view text) {
  auto v = RoundHalfEven(text);
  if (!v || *v < -2147483648.0 || *v > 2147483647.0) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

}  // namespace sequora
