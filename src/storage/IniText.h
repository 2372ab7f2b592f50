#pragma once
// The INI engine on text: how GetPrivateProfileStringA reads a key and how
// WritePrivateProfileStringA edits a file on Windows, without the files. Module Ini (Ini.h) puts
// files around it; IniSnapshot answers many reads from one parse.
//
// Reading, as Windows does it:
//  - lines end in CR LF, LF or CR; blanks (space, tab) around a line, a name or a value do not
//    count; a NUL byte ends a name or value;
//  - "[" starts a section header; the name ends at the first "]" (a header without "]" is still
//    a header, its name running to the end of the line) and is trimmed of blanks;
//  - ";" starts a comment line; a line without "=" is a key without a value (it reads as empty
//    and hides a later copy of the key); keys before any section belong to none; there is no
//    byte-order-mark handling (its bytes are part of the first line);
//  - names compare without regard to letter case (ASCII); the first copy of a section wins and a
//    later copy is invisible; within it the first copy of a key wins;
//  - a value enclosed in one pair of matching quotes (" or ') loses them, and the caller's
//    149-character buffer keeps 148 characters of it.
// Writing edits in place: every byte of the file not on the changed line stays as it was.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sequora::storage {

// Characters of a value that fit the read buffer of 149 (one is the terminator).
inline constexpr std::size_t kIniValueMax = 148;

struct IniLine {
  enum class Kind { Blank, Comment, Section, Key };
  Kind kind = Kind::Blank;
  std::string_view name;   // Section: the header's name; Key: the key (trimmed, cut at a NUL)
  std::string_view value;  // Key: the stored value, trimmed, cut at a NUL, quotes still on
  std::size_t begin = 0;       // first byte of the line
  std::size_t end = 0;         // one past its last byte, line ending excluded
  std::size_t next = 0;        // first byte of the next line (after the line ending)
  std::size_t valueBegin = 0;  // Key: first byte after "=" and the blanks that follow it (without
                               // "=": the end of the key text, where "=" and a value would go)
  bool hasEquals = false;      // Key: the line has "=" (else it reads as an empty value)
};

// Walks the lines of an INI text in order.
class IniLineReader {
 public:
  explicit IniLineReader(std::string_view text) : text_(text) {}
  bool Next(IniLine& line);  // false at the end of the text

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Names the caller passes are trimmed of blanks before they are compared or written.
std::string TrimIniName(std::string_view name);
bool IniNamesEqual(std::string_view a, std::string_view b);

// A stored value as the read buffer receives it: quotes removed, at most kIniValueMax characters.
std::string IniValueAsRead(std::string_view stored);

// The value of `key` in `section`, as GetPrivateProfileStringA hands it over; nullopt when the
// section or key is missing.
std::optional<std::string> LookupIniValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// The text after WritePrivateProfileStringA(section, key, value): the key's line gets the new
// value (keeping its own key text and everything up to the value); a new key goes right after the
// last key line of the section's first copy; a missing section is appended with the key at the
// end. New lines end in CR LF; a missing final line ending is added before anything is appended.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace sequora::storage
