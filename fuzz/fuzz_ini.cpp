// Fuzzes the INI engine: the first byte picks a write, the rest is the file. Checks that a
// snapshot answers as key-by-key reads, that no value exceeds the read buffer, that a write reads
// back, keeps every other line and changes no other answer; the path operations get the same
// bytes to chew on.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/fake/FakeFileSystem.h"
#include "platform/FilePaths.h"
#include "storage/Ini.h"
#include "storage/IniSnapshot.h"
#include "storage/IniText.h"

using namespace sequora::storage;

namespace {

const char* const kSections[] = {"Main", "main", " Second ", "ProgramList", "New Section", "a]b", ""};
const char* const kKeys[] = {"Key", "key", "Other", "Program1", " Spaced Key ", "A", "[x", ";c", "a=b", ""};
const char* const kValues[] = {"v", "", "  lead", "\"quoted\"", "'q'", "\"", "x=y", "tail  "};

#define Check(ok) ((ok) ? (void)0 : (std::fprintf(stderr, "check failed at line %d\n", __LINE__), std::abort()))

// Names a write can use without turning its line into something else.
bool WritableSection(const std::string& s) { return s.find(']') == std::string::npos; }
bool WritableKey(const std::string& k) {
  std::string t = TrimIniName(k);
  return k.find('=') == std::string::npos && (t.empty() || (t[0] != '[' && t[0] != ';'));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  IniLineReader reader(text);
  IniLine line;
  while (reader.Next(line)) lines.push_back(text.substr(line.begin, line.end - line.begin));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t pick = data[0];
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

  // Key-by-key reads dominate the cost: each input probes every section with three of the keys.
  const IniSnapshot snapshot(text);
  for (const char* s : kSections) {
    for (std::size_t k : {pick % std::size(kKeys), (pick / 3u) % std::size(kKeys), (pick / 7u) % std::size(kKeys)}) {
      auto one = LookupIniValue(text, s, kKeys[k]);
      Check(one == snapshot.Lookup(s, kKeys[k]));
      Check(!one || one->size() <= kIniValueMax);
    }
  }

  const std::string section = kSections[pick % std::size(kSections)];
  const std::string key = kKeys[(pick / 7) % std::size(kKeys)];
  const std::string value = kValues[(pick / 70) % std::size(kValues)];
  if (WritableSection(section) && WritableKey(key)) {
    const std::string written = SetIniValue(text, section, key, value);
    Check(LookupIniValue(written, section, key) == IniValueAsRead(TrimIniName(value)));
    const IniSnapshot afterWrite(written);
    for (const char* s : kSections)
      for (const char* k : kKeys)
        if (!(IniNamesEqual(TrimIniName(s), TrimIniName(section)) && IniNamesEqual(TrimIniName(k), TrimIniName(key))))
          Check(afterWrite.Lookup(s, k) == snapshot.Lookup(s, k));
    // The old lines are all there, with new ones inserted and at most one replaced.
    auto before = Lines(text), after = Lines(written);
    std::size_t same = 0, sameEnd = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same]) ++same;
    while (sameEnd + same < before.size() && sameEnd + same < after.size() &&
           before[before.size() - 1 - sameEnd] == after[after.size() - 1 - sameEnd])
      ++sameEnd;
    Check(before.size() - same - sameEnd <= 1);
  }

  // The module on the in-memory file system, with a write failing at a chosen step.
  sequora::platform::FakeFileSystem fs;
  Ini ini(fs);
  fs.PutFile("C:\\S\\f.ini", text);
  const std::string old = ini.ReadIni(section, key, "C:\\S\\f.ini", "def", true);
  Check(old == snapshot.ReadIni(section, key, "def"));
  fs.FailMutation(1 + pick % 3, (pick & 1) != 0);
  if (!ini.WriteIni(section, key, value, "C:\\S\\f.ini", true)) Check(fs.Contents("C:\\S\\f.ini") == text);

  const std::string line = text.substr(0, 400);
  auto parts = sequora::platform::SplitPath(fs, line);
  (void)parts;
  (void)sequora::QuoteIfSpaces(sequora::platform::GetLongPath(fs, sequora::platform::GetShortPath(fs, line)));
  (void)sequora::AddPathSeparator(sequora::platform::GetDirectoryPart(fs, line));
  return 0;
}
