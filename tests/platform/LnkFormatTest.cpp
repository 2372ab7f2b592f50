// The .lnk codec: real shortcut files made by Windows, round trips, damaged and hostile input.
#include "platform/lnk/LnkFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "base/StringOps.h"
#include "platform/fake/FakeCodePage.h"

using namespace sequora::platform::lnk;
using sequora::platform::FakeCodePage;

namespace {

const std::string kDataDir = std::string(SEQUORA_TESTDATA) + "/lnk/";

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::u16string Utf8ToUtf16(const std::string& s) {
  std::u16string out;
  for (size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    char32_t cp = c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra) cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    i += 1 + extra;
    out.push_back(static_cast<char16_t>(cp));
  }
  return out;
}

struct Expected {
  std::string target, workdir, args;  // UTF-8 as documented; "-" = not documented
};

std::map<std::string, Expected> LoadExpected() {
  std::map<std::string, Expected> rows;
  std::ifstream in(kDataDir + "expected.tsv");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> cols;
    std::stringstream ss(line);
    std::string col;
    while (std::getline(ss, col, '\t')) cols.push_back(col);
    cols.resize(5);
    rows[cols[0]] = {cols[1], cols[2], cols[3]};
  }
  return rows;
}

std::vector<std::string> LnkFiles() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(kDataDir)) {
    if (e.path().extension() == ".lnk") names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Target(const LnkFile& link) { return LnkTargetPath(link, {}); }

}  // namespace

// expected.tsv is a parser's view of each file. The documented ANSI texts were decoded as
// windows-1252, so they are turned back into bytes with 1252; the strings the file stores as
// UTF-16 are compared in the code page of the system that made the file.
TEST(LnkRealFiles, ReadAsWindowsReportsThem) {
  auto expected = LoadExpected();
  ASSERT_EQ(expected.size(), 29u);
  const FakeCodePage western(1252);
  const FakeCodePage cyrillic(1251);
  for (const auto& [name, want] : expected) {
    SCOPED_TRACE(name);
    // A Russian system made this one: its ANSI path bytes are windows-1251 ("Дима").
    const FakeCodePage& system = name == "lnkparse3_decoding_error3.lnk" ? cyrillic : western;
    auto link = DecodeLnk(ReadBytes(kDataDir + name), system);
    ASSERT_TRUE(link);
    std::string target = Target(*link);
    std::string wantTarget = western.FromUtf16(Utf8ToUtf16(want.target));
    if (name == "pylnk_local_disk.lnk") {
      // pylnk writes a drive as "C:"; the shell reports the root folder.
      EXPECT_EQ(target, "C:\\");
    } else if (name == "lnkparse3_network_info.lnk") {
      // The share is mapped to Z: and Windows reports the target through that drive (as it does
      // for the working folder documented beside it); the documented text is share + suffix.
      EXPECT_EQ(target, "Z:\\" + link->linkInfo->commonPathSuffix);
      EXPECT_EQ(link->linkInfo->netName + "\\" + link->linkInfo->commonPathSuffix, wantTarget);
    } else if (!link->environmentTarget.empty()) {
      // The shell expands the environment block with the reading system's variables; with the
      // maker's it names the documented target (letter case aside: "syswow64" / "SysWOW64").
      auto maker = [](const std::string& var) {
        if (sequora::EqualsNoCase(var, "SystemRoot")) return std::string("C:\\Windows");
        if (sequora::EqualsNoCase(var, "USERNAME")) return std::string("Jonathan");
        return std::string();
      };
      EXPECT_TRUE(sequora::EqualsNoCase(LnkTargetPath(*link, maker), wantTarget)) << LnkTargetPath(*link, maker);
    } else if (want.target != "-") {
      EXPECT_EQ(target, wantTarget);
    }
    if (want.workdir != "-") EXPECT_EQ(link->workingDirectory, system.FromUtf16(Utf8ToUtf16(want.workdir)));
    if (want.args != "-") EXPECT_EQ(link->arguments, system.FromUtf16(Utf8ToUtf16(want.args)));
  }
}

TEST(LnkRealFiles, TargetsWithoutLinkInfoComeFromTheIdListOrTheEnvironmentBlock) {
  const FakeCodePage cp(1252);
  auto broken = DecodeLnk(ReadBytes(kDataDir + "lnkparse3_broken_link_info.lnk"), cp);
  ASSERT_TRUE(broken);
  EXPECT_FALSE(broken->linkInfo);
  EXPECT_EQ(Target(*broken), "C:\\Program Files\\xt\\xt.exe");

  auto fax = DecodeLnk(ReadBytes(kDataDir + "pylnk_send_to_fax.lnk"), cp);
  ASSERT_TRUE(fax);
  EXPECT_EQ(Target(*fax), "%windir%\\system32\\WFS.exe");
  auto env = [](const std::string& n) { return n == "windir" ? std::string("C:\\Windows") : std::string(); };
  EXPECT_EQ(LnkTargetPath(*fax, env), "C:\\Windows\\system32\\WFS.exe");
  EXPECT_EQ(fax->arguments, "/SendTo");

  // An app of the Start menu has no file-system target.
  auto calc = DecodeLnk(ReadBytes(kDataDir + "pylnk_uwp_calc.lnk"), cp);
  ASSERT_TRUE(calc);
  EXPECT_EQ(Target(*calc), "");
}

// Where a file has both, the ID list and the link info must name the same target: this checks
// the shell-item reading against the simpler structure (and, for shares mapped to a drive, that
// Windows names the target through the drive).
TEST(LnkRealFiles, IdListAgreesWithLocalLinkInfo) {
  const FakeCodePage cp(1252);
  int compared = 0;
  for (const std::string& name : LnkFiles()) {
    SCOPED_TRACE(name);
    auto link = DecodeLnk(ReadBytes(kDataDir + name), cp);
    ASSERT_TRUE(link);
    if (!link->linkInfo || link->idListPath.empty()) continue;
    if (name == "lnkparse3_decoding_error3.lnk") continue;  // read in 1252 here: names differ
    LnkFile withoutInfo = *link;
    withoutInfo.linkInfo.reset();
    EXPECT_EQ(sequora::ToLower(Target(withoutInfo)), sequora::ToLower(Target(*link)));
    ++compared;
  }
  EXPECT_GE(compared, 13);
}

TEST(LnkCodec, RoundTripKeepsEveryField) {
  const FakeCodePage cp(1252);
  const LnkContent cases[] = {
      {"C:\\Program Files\\My App\\app.exe", "-x \"a b\"", "My app", "C:\\Program Files\\My App",
       "C:\\Program Files\\My App\\app.exe", 3},
      {"D:\\caf\xE9\\na\xEFve.exe", std::string(300, 'a'), "", "", "", 0},
      {"\\\\server\\share\\dir\\tool.exe", "", "", "\\\\server\\share", "", 0},
      {"\\\\server\\share", "", "", "", "", 0},
      {"tools\\relative.exe", "", "", "", "", 0},
      {"C:\\Missing\\Does Not Exist.exe", "", "", "", "shell32.dll", 12},
  };
  for (const LnkContent& c : cases) {
    SCOPED_TRACE(c.target);
    auto link = DecodeLnk(EncodeLnk(c, cp), cp);
    ASSERT_TRUE(link);
    EXPECT_EQ(Target(*link), c.target);
    EXPECT_EQ(link->arguments, c.arguments);
    EXPECT_EQ(link->description, c.description);
    EXPECT_EQ(link->workingDirectory, c.workingDirectory);
    EXPECT_EQ(link->iconLocation, c.iconLocation);
    EXPECT_EQ(link->iconIndex, c.iconIndex);
    EXPECT_EQ(link->showCommand, 1u);
  }
}

// Another writer counts each string's terminating zero and stores a relative path without
// setting its flag; the texts still end at their first zero and keep their places.
TEST(LnkCodec, CopesWithZeroCountedStringsAndAnUnflaggedRelativePath) {
  const FakeCodePage cp(1252);
  std::string bytes = EncodeLnk({"C:\\a.exe", "", "", "", "", 0}, cp);
  bytes.resize(bytes.size() - 4);  // drop the terminal block
  bytes[0x14] |= lnkflag::kHasName | lnkflag::kHasWorkingDir;
  auto put = [&](const std::u16string& s) {
    bytes.push_back(static_cast<char>(s.size() + 1));
    bytes.push_back(0);
    for (char16_t c : s) {
      bytes.push_back(static_cast<char>(c));
      bytes.push_back(0);
    }
    bytes.append(2, '\0');
  };
  put(u"Description");
  put(u".\\a.exe");  // relative path, flag not set
  put(u"C:\\Work");
  bytes.append(4, '\0');
  auto link = DecodeLnk(bytes, cp);
  ASSERT_TRUE(link);
  EXPECT_EQ(link->description, "Description");
  EXPECT_EQ(link->relativePath, ".\\a.exe");
  EXPECT_EQ(link->workingDirectory, "C:\\Work");
  EXPECT_EQ(Target(*link), "C:\\a.exe");
}

TEST(LnkCodec, DamagedInputNeverReadsOutside) {
  const FakeCodePage cp(1252);
  EXPECT_FALSE(DecodeLnk("", cp));
  EXPECT_FALSE(DecodeLnk("not a shortcut at all, but long enough to hold a header......................", cp));
  // Every prefix of every real file: parsed or refused, never a read past the end (ASan checks).
  for (const std::string& name : LnkFiles()) {
    std::string bytes = ReadBytes(kDataDir + name);
    for (size_t n = 0; n < bytes.size(); ++n) {
      auto link = DecodeLnk(std::string_view(bytes).substr(0, n), cp);
      if (link) (void)Target(*link);
    }
  }
  // Lengths that claim more than the file holds.
  std::string good = EncodeLnk({"C:\\a.exe", "args", "", "C:\\", "", 0}, cp);
  std::string idList = good;
  idList[0x14] |= lnkflag::kHasIdList;
  idList.insert(0x4C, "\xFF\xFF", 2);
  EXPECT_FALSE(DecodeLnk(idList, cp));
  std::string info = good;
  info[0x4C] = '\xFF';
  info[0x4F] = '\x7F';
  EXPECT_FALSE(DecodeLnk(info, cp));
  // Offsets inside the link info that point outside it are ignored.
  std::string offsets = good;
  for (int field = 0x4C + 12; field < 0x4C + 28; ++field) offsets[field] = '\x7F';
  auto link = DecodeLnk(offsets, cp);
  ASSERT_TRUE(link);
  EXPECT_EQ(Target(*link), "");
  EXPECT_EQ(link->arguments, "args");
  // A string count past the end refuses the file; a damaged extra-data block is only skipped.
  std::string strings = good;
  strings[strings.size() - 4 - 2 * 4 - 2] = '\x7F';
  EXPECT_FALSE(DecodeLnk(strings, cp));
  std::string extra = good;
  extra.replace(extra.size() - 4, 4, "\x14\x03\x00\x00\x01\x00\x00\xA0", 8);
  ASSERT_TRUE(DecodeLnk(extra, cp));
  EXPECT_EQ(DecodeLnk(extra, cp)->arguments, "args");
}
