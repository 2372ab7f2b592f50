#pragma once
// The INI engine on text: how GetPrivateProfileStringA reads a key and how
// WritePrivateProfileStringA edits a file on Windows, without the files. Module Ini (Ini.h) puts
// files around it; IniSnapshot answers many reads from one parse.
//
// Reading, as Windows does it:
//  - lines end in CR LF, LF or CR; blanks (space, tab, vertical tab) around a line, a key or a
//    value do not count; a NUL byte ends a name or value;
//  - "[" starts a section header; the name ends at the first "]" (a header without "]" is still
//    a header, its name running to the end of the line) and is trimmed of spaces only: a tab
//    inside the brackets is part of the name, as it is of a section name the caller passes;
//  - ";" starts a comment line; a line without "=" is a key without a value (it reads as empty
//    and hides a later copy of the key); keys before any section belong to none; there is no
//    byte-order-mark handling (its bytes are part of the first line);
//  - names compare without regard to letter case (ASCII); the first copy of a section wins and a
//    later copy is invisible; within it the first copy of a key wins;
//  - a value enclosed in one pair of matching quotes (" or ') loses them; a value is read whole,
//    however long (the Windows callers' buffers cut it, ours do not).
// Writing edits in place: every byte of the file not on the changed line stays as it was. Unlike
// WritePrivateProfileStringA, what we write always reads back (see SetIniValue).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sequora::storage {

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

// What the caller passes is trimmed before it is compared or written: a key or value of blanks
// (space, tab, vertical tab), a section name of spaces only.
std::string TrimIniBlanks(std::string_view keyOrValue);
std::string TrimIniSection(std::string_view section);
bool IniNamesEqual(std::string_view a, std::string_view b);

// A stored value as a reader receives it: one pair of enclosing quotes removed.
std::string IniValueAsRead(std::string_view stored);

// Whether a line can hold the write: no CR, LF or NUL anywhere (a line break would end the value
// and start a line of its own), no "]" in the section name, and a key that reads back as that
// key (no "=", not beginning with "[" or ";").
bool IniCanStore(std::string_view section, std::string_view key, std::string_view value);

// The value of `key` in `section`, as GetPrivateProfileStringA hands it over; nullopt when the
// section or key is missing.
std::optional<std::string> LookupIniValue(std::string_view text, std::string_view section,
                                          std::string_view key);

// The text after writing `value` to `key` in `section`, as WritePrivateProfileStringA places it:
// the key's line gets the new value (keeping its own key text and everything up to the value); a
// new key goes right after the last key line of the section's first copy; a missing section is
// appended with the key at the end. New lines end in CR LF, and so does a changed last line that
// had no line ending; a missing final line ending is added before anything is appended.
// Reading the key back gives `value` without its surrounding blanks, byte for byte: a value that
// is enclosed in matching quotes is stored with one more pair of double quotes, since readers
// strip one. nullopt, and nothing changes, when IniCanStore refuses the write.
std::optional<std::string> SetIniValue(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value);

}  // namespace sequora::storage
