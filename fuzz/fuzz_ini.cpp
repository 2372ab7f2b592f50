// Fuzzes the INI engine: the first byte picks a write, the rest is the file. Checks that a
// snapshot answers as key-by-key reads; that a write accepted by the engine reads back byte for
// byte (the value without its surrounding blanks), keeps every other line and changes no other
// answer; that a value with CR, LF or NUL is refused and changes nothing; that the module on a
// file system failing at any step leaves the old file or the new one; the path operations get the
// same bytes to chew on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/FakeFileSystem.h"
#include "platform/FilePaths.h"
#include "storage/Ini.h"
#include "storage/IniSnapshot.h"
#include "storage/IniText.h"

using namespace sequora::storage;

namespace {

const char* const kSections[] = {"Main", "main", " Second ", "ProgramList", "New Section", "a]b", "", "\tMain"};
const char* const kKeys[] = {"Key", "key", "Other", "Program1", " Spaced Key ", "A", "[x", ";c", "a=b", "", "\vKey"};
const std::string_view kValues[] = {"v", "", "  lead", "\"quoted\"", "'q'", "\"", "x=y", "tail  ",
                                    " \"C:\\My Docs\\a.txt\" ", "x\r\nProgram3=C:\\evil.exe", "a\nb",
                                    std::string_view("n\0l", 3), "\"\"", "'\"x\"'"};

#define Check(ok) ((ok) ? (void)0 : (std::fprintf(stderr, "check failed at line %d\n", __LINE__), std::abort()))

bool SameSection(std::string_view a, std::string_view b) { return IniNamesEqual(TrimIniSection(a), TrimIniSection(b)); }
bool SameKey(std::string_view a, std::string_view b) { return IniNamesEqual(TrimIniBlanks(a), TrimIniBlanks(b)); }
bool HoldsLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  IniLineReader reader(text);
  IniLine line;
  while (reader.Next(line)) lines.push_back(text.substr(line.begin, line.end - line.begin));
  return lines;
}

// The old lines are all there, with new ones inserted and at most one replaced.
bool KeepsOtherLines(const std::string& before, const std::string& after) {
  auto a = Lines(before), b = Lines(after);
  std::size_t same = 0, sameEnd = 0;
  while (same < a.size() && same < b.size() && a[same] == b[same]) ++same;
  while (sameEnd + same < a.size() && sameEnd + same < b.size() &&
         a[a.size() - 1 - sameEnd] == b[b.size() - 1 - sameEnd])
    ++sameEnd;
  return a.size() - same - sameEnd <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t pick = data[0];
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

  // Key-by-key reads dominate the cost: each input probes every section with three of the keys.
  const IniSnapshot snapshot(text);
  for (const char* s : kSections) {
    for (std::size_t k : {pick % std::size(kKeys), (pick / 3u) % std::size(kKeys), (pick / 7u) % std::size(kKeys)})
      Check(LookupIniValue(text, s, kKeys[k]) == snapshot.Lookup(s, kKeys[k]));
  }

  // The value is one of the list or, for odd picks, any bytes of the file itself.
  const std::string section = kSections[pick % std::size(kSections)];
  const std::string key = kKeys[(pick / 8) % std::size(kKeys)];
  std::string value;
  if (pick & 1) {
    const std::size_t from = (pick * 7u) % (text.size() + 1);
    value = text.substr(from, pick % 61);
  } else {
    value = std::string(kValues[(pick / 2) % std::size(kValues)]);
  }

  const auto written = SetIniValue(text, section, key, value);
  Check(written.has_value() == IniCanStore(section, key, value));
  Check(!HoldsLineBreakOrNul(value) || !written);
  if (written) {
    Check(LookupIniValue(*written, section, key) == TrimIniBlanks(value));
    const IniSnapshot afterWrite(*written);
    Check(afterWrite.Lookup(section, key) == TrimIniBlanks(value));
    for (const char* s : kSections)
      for (const char* k : kKeys)
        if (!(SameSection(s, section) && SameKey(k, key))) Check(afterWrite.Lookup(s, k) == snapshot.Lookup(s, k));
    Check(KeepsOtherLines(text, *written));
  }

  // The module on the in-memory file system, with a write failing at a chosen step.
  sequora::platform::FakeFileSystem fs;
  Ini ini(fs);
  const std::string path = "C:\\S\\f.ini";
  fs.PutFile(path, text);
  Check(ini.ReadIni(section, key, path, "def") == snapshot.ReadIni(section, key, "def"));
  fs.FailMutation(1 + pick % 3, (pick & 2) != 0);
  const IniWrite result = ini.WriteValue(section, key, value, path, true);
  fs.FailMutation(0);
  Check((result == IniWrite::Refused) == !written);
  if (result == IniWrite::Written) {
    Check(fs.Contents(path) == *written);
    Check(ini.ReadIni(section, key, path, "def") == Ini::ValueOrDefault(TrimIniBlanks(value), "def"));
  } else {
    Check(fs.Contents(path) == text);
  }
  // A missing file is made by the write, holding just what was written.
  const std::string fresh = "C:\\S\\new.ini";
  const IniWrite created = ini.WriteValue(section, key, value, fresh, true);
  Check((created == IniWrite::Written) == written.has_value());
  Check(fs.Exists(fresh) == written.has_value());
  if (written) Check(ini.ReadSnapshot(fresh)->Lookup(section, key) == TrimIniBlanks(value));

  const std::string line = text.substr(0, 400);
  auto parts = sequora::platform::SplitPath(fs, line);
  (void)parts;
  (void)sequora::QuoteIfSpaces(sequora::platform::GetLongPath(fs, sequora::platform::GetShortPath(fs, line)));
  (void)sequora::AddPathSeparator(sequora::platform::GetDirectoryPart(fs, line));
  return 0;
}
