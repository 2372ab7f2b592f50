// Our INI engine against the real profile functions (GetPrivateProfileStringA with a 149-character
// buffer, WritePrivateProfileStringA) on a corpus of tricky files. Wine is the reference for
// reading; where it is known to differ from Windows the case is listed in kWindowsDocumented and
// our answer is checked against the Windows one instead. Wine rewrites a whole file on every
// write (blank lines dropped, "k=v", CR LF), while Windows edits in place: for writes we compare
// what every key reads back, and check our own file for untouched lines.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "../storage/IniCorpus.h"
#include "platform/win32/Win32FileSystem.h"
#include "storage/Ini.h"
#include "storage/IniText.h"

using namespace sequora::storage;
using namespace sequora::testing;
using sequora::platform::win32::Win32FileSystem;

namespace {

struct Documented {
  std::string file;
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
  };
  return list;
}

const Documented* FindDocumented(const std::string& file, const std::string& section, const std::string& key) {
  for (const auto& d : WindowsDocumented()) {
    if (file == d.file && IniNamesEqual(TrimIniName(section), d.section) &&
        (d.key == "*" || IniNamesEqual(TrimIniName(key), d.key)))
      return &d;
  }
  return nullptr;
}

std::string ScratchDir() {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  std::string dir = std::string(tmp) + "sequora ini compat " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir + "\\";
}

std::string WineRead(const std::string& path, const std::string& section, const std::string& key) {
  char buffer[149];
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, path.c_str());
  return std::string(buffer, n);
}

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
  const std::string dir = ScratchDir();
  static std::set<std::string> differences_;

  // `file` is the corpus file; `label` also names the write that was made to it, if any.
  void CompareReads(const std::string& file, const std::string& label, const std::string& ourText,
                    const std::string& winePath) {
    const bool written = file != label;
    for (const auto& section : CorpusSections()) {
      for (const auto& key : CorpusKeys()) {
        std::string ours = LookupIniValue(ourText, section, key).value_or("");
        std::string wine = WineRead(winePath, section, key);
        std::string where = label + " [" + section + "] '" + key + "'";
        if (const Documented* d = FindDocumented(file, section, key)) {
          if (!written) {
            EXPECT_EQ(ours, d->windows) << where;
          }
          if (wine != ours) differences_.insert(file + ": " + d->why);
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
  for (const auto& file : IniCorpus()) {
    const std::string path = dir + "read-" + file.name + ".ini";
    ASSERT_TRUE(fs.WriteFile(path, file.text));
    CompareReads(file.name, file.name, file.text, path);
  }
  // A missing file reads as empty everywhere.
  EXPECT_EQ(WineRead(dir + "missing.ini", "Main", "Key"), "");
  Ini ini(fs);
  EXPECT_EQ(ini.ReadIni("Main", "Key", dir + "missing.ini", "", false), "");
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
      ASSERT_TRUE(ini.WriteIni(w.section, w.key, w.value, ours, true)) << label;
      WritePrivateProfileStringA(w.section, w.key, w.value, wine.c_str());
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, wine.c_str());  // flush Wine's cache

      const std::string ourText = *fs.ReadFile(ours);
      EXPECT_TRUE(KeepsUntouchedLines(file.text, ourText, 1)) << label;
      EXPECT_EQ(LookupIniValue(ourText, w.section, w.key), TrimIniName(w.value)) << label;
      CompareReads(file.name, label, ourText, wine);

      const std::string wineText = *fs.ReadFile(wine);
      if (!KeepsUntouchedLines(file.text, wineText, 1))
        differences_.insert(std::string(file.name) + ": Wine rewrote untouched lines (Windows edits in place)");
    }
  }
}

TEST_F(IniCompat, MissingFileIsCreatedByTheFirstWrite) {
  Ini ini(fs);
  const std::string ours = dir + "new-ours.ini";
  const std::string wine = dir + "new-wine.ini";
  ASSERT_TRUE(ini.WriteIni("Main", "Key", "v", ours, true));
  WritePrivateProfileStringA("Main", "Key", "v", wine.c_str());
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, wine.c_str());
  EXPECT_EQ(fs.ReadFile(ours), fs.ReadFile(wine));
  EXPECT_EQ(WineRead(ours, "Main", "Key"), "v");
}
