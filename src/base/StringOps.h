#pragma once
// Module StringOps: the text helpers every part of Sequora uses. Text is ANSI (single bytes);
// letter case is folded for ASCII letters only, as the stored files and paths need.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sequora {

// Blanks are spaces only (tabs stay), as the settings and paths are trimmed everywhere.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

constexpr char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char ToLowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view text, std::string_view part);

// Replaces occurrences of `search` in `source` (see StringOps.cpp for the exact restart rule).
std::string ReplaceText(std::string_view source, std::string_view search, std::string_view replacement,
                        bool caseSensitive);

// Text to a 16-bit integer the way the stored settings have always been converted: blanks around
// are ignored, a sign, decimals and an exponent are accepted ("0.0" is 0, "2.5" is 2, "3.5" is 4:
// halves go to the even neighbour), "&H1F" is hexadecimal and "&O17" octal (digits only after the
// prefix). nullopt when the text is not a number or does not fit in 16 bits.
std::optional<std::int16_t> ToInt16(std::string_view text);
// The same over the 32-bit range.
std::optional<std::int32_t> ToInt32(std::string_view text);
// The same without a range, as a floating-point value.
std::optional<double> ToNumber(std::string_view text);

}  // namespace sequora
