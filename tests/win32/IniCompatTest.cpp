// Our INI engine against the real profile functions (GetPrivateProfileStringA,
// WritePrivateProfileStringA) on a corpus of tricky files. The buffer the Windows reader fills is
// a parameter of the comparison: the historical 149 characters, which cut a longer value, and one
// large enough for every value, as Sequora itself reads them. Wine is the reference for reading;
// where it is known to differ from Windows the case is listed in WindowsDocumented and our answer
// is checked against the Windows one instead. Wine rewrites a whole file on every write (blank
// lines dropped, "k=v", CR LF), while Windows edits in place: for writes we compare what every key
// reads back, and check our own file for untouched lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "../storage/IniCorpus.h"
#include "Win32TestSupport.h"
#include "platform/win32/Win32FileSystem.h"
#include "storage/Ini.h"
#include "storage/IniText.h"

using namespace sequora::storage;
using namespace sequora::testing;
using sequora::platform::win32::Win32FileSystem;

namespace {

// Read buffers of the comparison: the one Windows callers have long used, and one that holds
// every value of the corpus whole.
constexpr std::size_t kHistoricalBuffer = 149;
constexpr std::size_t kWholeBuffer = 65536;

struct Documented {
  std::string file;     // "*": every file
  std::string section;
  std::string key;      // "*": every key
  std::string windows;  // Windows' answer ("" when the key is not found)
  std::string why;
};

// Where Wine answers differently from Windows, for the corpus files as they are. After a write to
// such a file only the read-back of the written key is compared.
const std::vector<Documented>& WindowsDocumented() {
  static const std::vector<Documented> list = {
      {"comments", "Main", ";Key", "", "a line starting with ';' is a comment; Wine reads it as a key"},
      {"utf8-bom", "Main", "*", "", "no byte-order-mark handling: '\xEF\xBB\xBF[Main]' is no header; Wine skips the BOM"},
      {"quoted-148", "Main", "Key", std::string(148, 'q'),
       "a value of up to 148 characters is read whole; Wine drops the last one of a quoted 148"},
      {"header-without-bracket", "Second", "Key", "second",
       "a header lacking ']' is still a header; Wine reads the line as a key"},
      {"header-two-brackets", "Main", "Key", "value", "the section name ends at the first ']'; Wine takes the last"},
      {"header-two-brackets", "Main]x", "Key", "", "the section name ends at the first ']'; Wine takes the last"},
      {"tabs-in-brackets", "Main", "*", "", "a tab inside the brackets is part of the section name; Wine trims it"},
      {"tabs-in-brackets", "\tMain\t", "Key", "tabbed", "a tab inside the brackets is part of the section name"},
      {"*", "\tMain\t", "*", "", "the section name a caller passes is trimmed of spaces only; Wine trims tabs too"},
  };
  return list;
}

// The first entry that matches: the ones naming a file come before those for every file.
const Documented* FindDocumented(const std::string& file, const std::string& section, const std::string& key) {
  for (const auto& d : WindowsDocumented()) {
    if ((d.file == "*" || file == d.file) && IniNamesEqual(TrimIniSection(section), d.section) &&
        (d.key == "*" || IniNamesEqual(TrimIniBlanks(key), d.key)))
      return &d;
  }
  return nullptr;
}

std::string WineRead(const std::string& path, const std::string& section, const std::string& key,
                     std::size_t bufferSize) {
  std::string buffer(bufferSize, '\0');
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), static_cast<DWORD>(bufferSize),
                                     path.c_str());
  buffer.resize(n);
  return buffer;
}

// What a reader with that buffer receives of a value we read whole: as much as fits before the
// terminator.
std::string InBuffer(const std::string& value, std::size_t bufferSize) { return value.substr(0, bufferSize - 1); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  IniLineReader reader(text);
  IniLine line;
  while (reader.Next(line)) lines.push_back(text.substr(line.begin, line.next - line.begin));
  return lines;
}

// `after` is `before` with lines inserted and at most `changed` of its lines replaced.
bool KeepsUntouchedLines(const std::string& before, const std::string& after, std::size_t changed) {
  auto a = Lines(before), b = Lines(after);
  std::size_t same = 0, sameEnd = 0;
  while (same < a.size() && same < b.size() && a[same] == b[same]) ++same;
  while (sameEnd + same < a.size() && sameEnd + same < b.size() &&
         a[a.size() - 1 - sameEnd] == b[b.size() - 1 - sameEnd])
    ++sameEnd;
  return a.size() - same - sameEnd <= changed;
}

struct Write {
  const char* section;
  const char* key;
  const char* value;
};
const Write kWrites[] = {
    {"Main", "Key", "written"},         // replaces an existing key
    {"main", " Brand New ", "fresh"},   // a new key in an existing section
    {"Another", "K", "x"},              // a new section
    {"Second", "Key", "  spaced"},      // a value with leading blanks
};

class IniCompat : public ::testing::Test {
 protected:
  static void TearDownTestSuite() {
    if (!differences_.empty()) {
      std::printf("\nWhere Wine differs from Windows:\n");
      for (const auto& d : differences_) std::printf("  %s\n", d.c_str());
    }
  }
  Win32FileSystem fs;
  const sequora::test::Scratch scratch{"sequora ini compat"};
  const std::string dir = scratch.Path() + "\\";
  static std::set<std::string> differences_;

  // `file` is the corpus file; `label` also names the write that was made to it, if any.
  void CompareReads(const std::string& file, const std::string& label, const std::string& ourText,
                    const std::string& winePath, std::size_t bufferSize) {
    const bool written = file != label;
    for (const auto& section : CorpusSections()) {
      for (const auto& key : CorpusKeys()) {
        std::string ours = InBuffer(LookupIniValue(ourText, section, key).value_or(""), bufferSize);
        std::string wine = WineRead(winePath, section, key, bufferSize);
        std::string where = label + " [" + section + "] '" + key + "' buffer " + std::to_string(bufferSize);
        if (const Documented* d = FindDocumented(file, section, key)) {
          if (!written) {
            EXPECT_EQ(ours, InBuffer(d->windows, bufferSize)) << where;
          }
          const std::string seenIn = d->file == "*" ? std::string("every file") : file;
          if (wine != ours) differences_.insert(seenIn + ": " + d->why);
        } else {
          EXPECT_EQ(ours, wine) << where;
        }
      }
    }
  }
};
std::set<std::string> IniCompat::differences_;

}  // namespace

TEST_F(IniCompat, ReadsAnswerAsTheProfileFunctions) {
  for (std::size_t bufferSize : {kHistoricalBuffer, kWholeBuffer}) {
    for (const auto& file : IniCorpus()) {
      const std::string path = dir + "read-" + file.name + ".ini";
      ASSERT_TRUE(fs.WriteFile(path, file.text));
      CompareReads(file.name, file.name, file.text, path, bufferSize);
    }
  }
  // A missing file reads as empty everywhere, and reading it makes no file.
  EXPECT_EQ(WineRead(dir + "missing.ini", "Main", "Key", kWholeBuffer), "");
  Ini ini(fs);
  EXPECT_EQ(ini.ReadIni("Main", "Key", dir + "missing.ini", "", true), "");
  EXPECT_FALSE(fs.Exists(dir + "missing.ini"));
}

TEST_F(IniCompat, WritesReadBackAsTheProfileFunctionsAndKeepUntouchedLines) {
  Ini ini(fs);
  for (const auto& file : IniCorpus()) {
    for (std::size_t i = 0; i < std::size(kWrites); ++i) {
      const Write& w = kWrites[i];
      const std::string label = std::string(file.name) + "#" + std::to_string(i);
      const std::string ours = dir + "ours-" + label + ".ini";
      const std::string wine = dir + "wine-" + label + ".ini";
      ASSERT_TRUE(fs.WriteFile(ours, file.text));
      ASSERT_TRUE(fs.WriteFile(wine, file.text));
      ASSERT_EQ(ini.WriteValue(w.section, w.key, w.value, ours, true), IniWrite::Written) << label;
      WritePrivateProfileStringA(w.section, w.key, w.value, wine.c_str());
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, wine.c_str());  // flush Wine's cache

      const std::string ourText = *fs.ReadFile(ours);
      EXPECT_TRUE(KeepsUntouchedLines(file.text, ourText, 1)) << label;
      EXPECT_EQ(LookupIniValue(ourText, w.section, w.key), TrimIniBlanks(w.value)) << label;
      CompareReads(file.name, label, ourText, wine, kWholeBuffer);

      const std::string wineText = *fs.ReadFile(wine);
      if (!KeepsUntouchedLines(file.text, wineText, 1))
        differences_.insert(std::string(file.name) + ": Wine rewrote untouched lines (Windows edits in place)");
    }
  }
}

// A missing file is made by the first write, byte for byte as Wine makes it. Windows ends a
// replaced last line that had no line ending with CR LF; Wine rewrites the whole file, so only our
// bytes can show that the rest of the file stayed as it was.
TEST_F(IniCompat, AMissingFileIsMadeAsWineMakesItAndAReplacedLastLineEndsWithCrLf) {
  Ini ini(fs);
  ASSERT_EQ(ini.WriteValue("Main", "Key", "v", dir + "new-ours.ini", true), IniWrite::Written);
  WritePrivateProfileStringA("Main", "Key", "v", (dir + "new-wine.ini").c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, (dir + "new-wine.ini").c_str());
  EXPECT_EQ(fs.ReadFile(dir + "new-ours.ini"), fs.ReadFile(dir + "new-wine.ini"));

  const std::string ours = dir + "last-line-ours.ini";
  const std::string wine = dir + "last-line-wine.ini";
  for (const std::string& path : {ours, wine})
    ASSERT_TRUE(fs.WriteFile(path, "; top\r\n[Main]\r\nKey=value\r\nOther=last"));
  ASSERT_EQ(ini.WriteValue("Main", "Other", "new", ours, true), IniWrite::Written);
  WritePrivateProfileStringA("Main", "Other", "new", wine.c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, wine.c_str());
  EXPECT_EQ(fs.ReadFile(ours), "; top\r\n[Main]\r\nKey=value\r\nOther=new\r\n");
  const std::string wineText = *fs.ReadFile(wine);
  EXPECT_EQ(wineText.substr(wineText.size() - 11), "Other=new\r\n");
  EXPECT_EQ(WineRead(ours, "Main", "Other", kWholeBuffer), "new");
}

// Every value Sequora writes reads back whole and unchanged through the Windows reader (without
// its surrounding blanks, which do not count in the file); a value with a line break is refused
// and writes no key of its own.
TEST_F(IniCompat, ValuesWeWriteReadBackThroughTheProfileFunctions) {
  Ini ini(fs);
  const std::string path = dir + "round-trip.ini";
  ASSERT_TRUE(fs.WriteFile(path, "[ProgramList]\r\nProgram1=app.exe\r\nProgram1Param=-a"));
  const std::vector<std::string> values = {
      "\"C:\\My Docs\\report.txt\"", "'single'", "\"\"", "\"", "\"a\" \"b\"", "'\"x\"'", "  padded\t",
      "C:\\" + std::string(150, 'd') + "\\", "/a " + std::string(150, 'o') + " /last", std::string(32767, 'p'),
      "\"" + std::string(100000, 'q') + "\""};
  for (const std::string& value : values) {
    ASSERT_EQ(ini.WriteValue("ProgramList", "Program1Param", value, path, true), IniWrite::Written);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // Wine caches what it read
    EXPECT_EQ(WineRead(path, "ProgramList", "Program1Param", value.size() + 2), TrimIniBlanks(value))
        << value.substr(0, 60);
    EXPECT_EQ(ini.ReadIni("ProgramList", "Program1Param", path, ""), TrimIniBlanks(value));
  }
  const std::string injection = "x\r\nProgram1Disabled=1\r\nProgram3=C:\\evil.exe";
  EXPECT_EQ(ini.WriteValue("ProgramList", "Program1Param", injection, path, true), IniWrite::Refused);
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
  EXPECT_EQ(WineRead(path, "ProgramList", "Program1Disabled", kWholeBuffer), "");
  EXPECT_EQ(WineRead(path, "ProgramList", "Program3", kWholeBuffer), "");
  EXPECT_EQ(WineRead(path, "ProgramList", "Program1Param", kWholeBuffer * 2), "\"" + std::string(100000, 'q') + "\"");
}
