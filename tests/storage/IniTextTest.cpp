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
  EXPECT_EQ(Read(text, " main\t", " KEY "), "value");
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
  for (std::size_t n : {147u, 148u, 149u, 300u}) {
    auto value = Read("[S]\r\nK=" + std::string(n, 'v') + "\r\n", "S", "K");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->size(), std::min<std::size_t>(n, kIniValueMax)) << n;
  }
  EXPECT_EQ(Read("[S]\r\nK=\"" + std::string(148, 'q') + "\"", "S", "K"), std::string(148, 'q'));
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
  // The value goes in exactly as given.
  EXPECT_EQ(SetIniValue("[S]\r\nK=1\r\n", "S", "K", "  \"v\" "), "[S]\r\nK=  \"v\" \r\n");
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
    std::string text = SetIniValue(file.text, "Main", "Key", "written");
    text = SetIniValue(text, "Main", "Brand New", "fresh");
    text = SetIniValue(text, "Another Section", "Key", "x");
    EXPECT_EQ(LookupIniValue(text, "Main", "Key"), "written") << file.name;
    EXPECT_EQ(LookupIniValue(text, "main", "brand new"), "fresh") << file.name;
    EXPECT_EQ(LookupIniValue(text, "Another Section", "Key"), "x") << file.name;
    EXPECT_EQ(LookupIniValue(text, "Second", "Key"), LookupIniValue(file.text, "Second", "Key")) << file.name;
  }
}
