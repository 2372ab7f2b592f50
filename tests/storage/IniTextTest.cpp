#include "storage/IniText.h"

#include <gtest/gtest.h>

#include "IniCorpus.h"
#include "storage/IniSnapshot.h"

using namespace sequora::storage;
using sequora::testing::IniCorpus;

namespace {
std::optional<std::string> Read(const std::string& text, const std::string& section, const std::string& key) {
  return LookupIniValue(text, section, key);
}
}  // namespace

TEST(IniRead, NamesIgnoreCaseAndBlanksAndFirstCopyWins) {
  const std::string text = "[mAiN]\r\n  kEy \t=\t value  \r\nkey=second\r\n[Other]\r\nX=1\r\n[MAIN]\r\nLater=hidden\r\n";
  EXPECT_EQ(Read(text, "Main", "Key"), "value");
  EXPECT_EQ(Read(text, " main ", "\t KEY\v"), "value");
  EXPECT_EQ(Read(text, "Main", "Later"), std::nullopt);  // a second copy of a section is invisible
  EXPECT_EQ(Read(text, "Other", "Key"), std::nullopt);
  EXPECT_EQ(Read(text, "Missing", "Key"), std::nullopt);
}

TEST(IniRead, HeadersCommentsAndStrayLines) {
  const std::string text =
      "Orphan=1\r\n\xEF\xBB\xBF[Bom]\r\nA=bom\r\n[Sec]ion]\r\n;B=comment\r\nB\r\nB=real\r\n"
      "[Open\r\nC=open\r\n[ Spaced ]\r\nD=spaced\r\n";
  EXPECT_EQ(Read(text, "", "Orphan"), std::nullopt);  // keys before any section belong to none
  EXPECT_EQ(Read(text, "Bom", "A"), std::nullopt);    // the BOM is part of the first line
  EXPECT_EQ(Read(text, "Sec", ";B"), std::nullopt);   // the name ends at the first "]"
  EXPECT_EQ(Read(text, "Sec", "B"), "");              // a line without "=" is an empty key ...
  EXPECT_EQ(SetIniValue(text, "Sec", "B", "set"), "Orphan=1\r\n\xEF\xBB\xBF[Bom]\r\nA=bom\r\n[Sec]ion]\r\n;B=comment\r\n"
                                                "B=set\r\nB=real\r\n[Open\r\nC=open\r\n[ Spaced ]\r\nD=spaced\r\n");
  EXPECT_EQ(Read(text, "Open", "C"), "open");         // a header lacking "]" still counts
  EXPECT_EQ(Read(text, "Spaced", "D"), "spaced");     // blanks inside the brackets do not count
  EXPECT_EQ(Read(text, " Spaced ", "D"), "spaced");
}

TEST(IniRead, QuotesLengthsAndNul) {
  using namespace std::string_literals;
  const std::string text = "[S]\nA=\"x y\"\nB='z'\nC=\"half\nD=\"mixed'\nE=\"\"\nF=\"\nG= \" pad \" \nH=ab\0cd\n"s;
  EXPECT_EQ(Read(text, "S", "A"), "x y");
  EXPECT_EQ(Read(text, "S", "B"), "z");
  EXPECT_EQ(Read(text, "S", "C"), "\"half");
  EXPECT_EQ(Read(text, "S", "D"), "\"mixed'");
  EXPECT_EQ(Read(text, "S", "E"), "");
  EXPECT_EQ(Read(text, "S", "F"), "\"");
  EXPECT_EQ(Read(text, "S", "G"), " pad ");
  EXPECT_EQ(Read(text, "S", "H"), "ab");
}

TEST(IniRead, ValuesAreReadWholeHoweverLong) {
  // A 153-character folder, a 160-character parameter line, the longest path Windows knows and a
  // line far beyond it.
  for (std::size_t n : {148u, 149u, 153u, 160u, 32767u, 100000u}) {
    const std::string value = "C:\\" + std::string(n - 3, 'v');
    EXPECT_EQ(Read("[S]\r\nK=" + value + "\r\nNext=1\r\n", "S", "K"), value) << n;
    EXPECT_EQ(Read("[S]\r\nK=\"" + value + "\"", "S", "K"), value) << n;
  }
}

TEST(IniRead, WindowsBlankAndSectionNameRules) {
  // A vertical tab is a blank around lines, keys and values.
  EXPECT_EQ(Read("\v[S]\v\r\n\v Key\v=\v value \v\r\n", "S", "\vkey"), "value");
  // Section names are trimmed of spaces only: a tab inside the brackets is part of the name.
  const std::string text = "[\tTabbed\t]\r\nA=tab\r\n[ Spaced ]\r\nB=space\r\n[Plain]\r\nC=plain\r\n";
  EXPECT_EQ(Read(text, "Tabbed", "A"), std::nullopt);
  EXPECT_EQ(Read(text, "\tTabbed\t", "A"), "tab");
  EXPECT_EQ(Read(text, " \tTabbed\t  ", "A"), "tab");
  EXPECT_EQ(Read(text, "Spaced", "B"), "space");
  EXPECT_EQ(Read(text, "\tPlain", "C"), std::nullopt);
  EXPECT_EQ(IniSnapshot(text).Lookup("\tTabbed\t", "a"), "tab");
  EXPECT_EQ(IniSnapshot(text).Lookup("\tPlain", "C"), std::nullopt);
}

TEST(IniRead, LineEndingsOfEveryKind) {
  for (const char* text : {"[S]\r\nA=1\r\nB=2", "[S]\nA=1\nB=2\n", "[S]\rA=1\rB=2\r", "[S]\n\rA=1\r\rB=2"}) {
    EXPECT_EQ(Read(text, "S", "A"), "1") << text;
    EXPECT_EQ(Read(text, "S", "B"), "2") << text;
  }
}

TEST(IniWrite, ReplacingAValueKeepsEveryOtherByte) {
  const std::string text = "; head\r\n[Main]\r\n  Key  =  old value  \r\n\r\nOther=2\n[Next]\rX=1";
  EXPECT_EQ(SetIniValue(text, "MAIN", "key", "new"),
            "; head\r\n[Main]\r\n  Key  =  new\r\n\r\nOther=2\n[Next]\rX=1");
  // The first copy of a duplicate key is the one that is read, so it is the one written.
  EXPECT_EQ(SetIniValue("[S]\r\nK=1\r\nK=2\r\n", "S", "K", "3"), "[S]\r\nK=3\r\nK=2\r\n");
  // A value of blanks stays as given (it reads as empty, which clears an entry).
  EXPECT_EQ(SetIniValue("[S]\r\nK=1\r\n", "S", "K", " "), "[S]\r\nK= \r\n");
  // A changed last line without a line ending gets CR LF, as Windows does it.
  EXPECT_EQ(SetIniValue("[S]\r\nA=1\r\nK=old", "S", "K", "new"), "[S]\r\nA=1\r\nK=new\r\n");
  EXPECT_EQ(SetIniValue("[S]\nK", "S", "K", "v"), "[S]\nK=v\r\n");
  EXPECT_EQ(SetIniValue("[S]\r\nK=old\n", "S", "K", "new"), "[S]\r\nK=new\n");
}

TEST(IniWrite, EveryValueReadsBackAsGiven) {
  const std::string file = "[ProgramList]\r\nProgram1Param=old\r\n";
  const std::vector<std::string> values = {
      "\"C:\\My Docs\\report.txt\"", "'single'", "\"\"", "''", "\"", "\"a\" \"b\"", "\"mixed'", "'\"x\"'",
      "/a \"C:\\x y\\z\"", "a\tb\vc", std::string(32767, 'p')};
  for (const std::string& value : values) {
    for (const std::string& text : {file, std::string()}) {
      const auto written = SetIniValue(text, "ProgramList", "Program1Param", value);
      ASSERT_TRUE(written) << value;
      EXPECT_EQ(LookupIniValue(*written, "ProgramList", "Program1Param"), value) << *written;
    }
  }
  // Blanks around a value do not count in the file: the value reads back without them.
  EXPECT_EQ(LookupIniValue(*SetIniValue(file, "ProgramList", "Program1Param", "  -x  "), "ProgramList",
                           "Program1Param"), "-x");
  EXPECT_EQ(LookupIniValue(*SetIniValue(file, "ProgramList", "Program1Param", " \"q\"\t"), "ProgramList",
                           "Program1Param"), "\"q\"");
  // The extra pair is what a Windows reader strips again.
  EXPECT_EQ(SetIniValue(file, "ProgramList", "Program1Param", "\"C:\\My Docs\\report.txt\""),
            "[ProgramList]\r\nProgram1Param=\"\"C:\\My Docs\\report.txt\"\"\r\n");
}

TEST(IniWrite, WhatNoLineCanHoldIsRefused) {
  using namespace std::string_literals;
  const std::string file = "[ProgramList]\r\nProgram1=app.exe\r\nProgram1Param=old\r\n";
  // A parameter that would write keys of its own.
  EXPECT_EQ(SetIniValue(file, "ProgramList", "Program1Param", "x\r\nProgram1Disabled=1\r\nProgram3=C:\\evil.exe"),
            std::nullopt);
  for (const std::string& value : {"a\rb"s, "a\nb"s, "\r\n"s, "a\0b"s})
    EXPECT_EQ(SetIniValue(file, "ProgramList", "Program1Param", value), std::nullopt);
  for (const std::string& key : {"a=b"s, "[x"s, " ;c"s, "K\n"s, "K\0"s})
    EXPECT_EQ(SetIniValue(file, "ProgramList", key, "v"), std::nullopt) << key;
  for (const std::string& section : {"a]b"s, "S\r"s, "S\0"s})
    EXPECT_EQ(SetIniValue(file, section, "K", "v"), std::nullopt) << section;
  EXPECT_TRUE(IniCanStore("ProgramList", " Program1 ", "\"'=[;]"));
}

TEST(IniWrite, NewKeyGoesAfterTheLastKeyLineOfTheFirstCopy) {
  EXPECT_EQ(SetIniValue("[S]\r\nA=1\r\n; note\r\n\r\n[T]\r\n[S]\r\nB=2\r\n", " S ", " New ", "v"),
            "[S]\r\nA=1\r\nNew=v\r\n; note\r\n\r\n[T]\r\n[S]\r\nB=2\r\n");
  EXPECT_EQ(SetIniValue("[S]\n\n[T]\n", "S", "K", "v"), "[S]\nK=v\r\n\n[T]\n");
  EXPECT_EQ(SetIniValue("[S]\nA=1", "S", "K", "v"), "[S]\nA=1\r\nK=v\r\n");
  EXPECT_EQ(SetIniValue("[Open\r\nA=1\r\n", "Open", "B", "2"), "[Open\r\nA=1\r\nB=2\r\n");
}

TEST(IniWrite, MissingSectionIsAppendedAtTheEnd) {
  EXPECT_EQ(SetIniValue("", "S", "K", "v"), "[S]\r\nK=v\r\n");
  EXPECT_EQ(SetIniValue("[A]\r\nX=1\r\n\r\n", "S", "K", "v"), "[A]\r\nX=1\r\n\r\n[S]\r\nK=v\r\n");
  EXPECT_EQ(SetIniValue("[A]\r\nX=1", "S", "K", ""), "[A]\r\nX=1\r\n[S]\r\nK=\r\n");
  EXPECT_EQ(SetIniValue("\xEF\xBB\xBF[S]\r\n", "S", "K", "v"), "\xEF\xBB\xBF[S]\r\n[S]\r\nK=v\r\n");
}

TEST(IniWrite, WhatIsWrittenReadsBack) {
  for (const auto& file : IniCorpus()) {
    std::string text = *SetIniValue(file.text, "Main", "Key", "written");
    text = *SetIniValue(text, "Main", "Brand New", "fresh");
    text = *SetIniValue(text, "Another Section", "Key", "x");
    EXPECT_EQ(LookupIniValue(text, "Main", "Key"), "written") << file.name;
    EXPECT_EQ(LookupIniValue(text, "main", "brand new"), "fresh") << file.name;
    EXPECT_EQ(LookupIniValue(text, "Another Section", "Key"), "x") << file.name;
    EXPECT_EQ(LookupIniValue(text, "Second", "Key"), LookupIniValue(file.text, "Second", "Key")) << file.name;
  }
}
