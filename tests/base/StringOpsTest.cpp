#include "base/StringOps.h"

#include <gtest/gtest.h>

using namespace sequora;

TEST(ReplaceText, ReplacesEveryOccurrenceIgnoringCaseWhenAsked) {
  EXPECT_EQ(ReplaceText("App.EXE and b.exe", ".exe", "", false), "App and b");
  EXPECT_EQ(ReplaceText("App.EXE", ".exe", "", true), "App.EXE");
  EXPECT_EQ(ReplaceText("%userprofile%\\Start", "%UserProfile%", "C:\\Users\\Ann", false), "C:\\Users\\Ann\\Start");
  EXPECT_EQ(ReplaceText("", "x", "y", false), "");
  EXPECT_EQ(ReplaceText("abc", "", "y", false), "abc");
}

TEST(ReplaceText, RestartsOneCharacterAfterTheReplacement) {
  // "xx": the first x becomes "y"; the search goes on after "y" plus one character, so the
  // second x is kept.
  EXPECT_EQ(ReplaceText("xx", "x", "y", true), "yx");
  EXPECT_EQ(ReplaceText("x-x", "x", "y", true), "y-y");
  // The check before every further search compares the exact case, even when the search ignores it.
  EXPECT_EQ(ReplaceText("a.exe b.EXE", ".exe", "", false), "a b.EXE");
  EXPECT_EQ(ReplaceText("a.EXE b.exe", ".exe", "", false), "a b");
}

TEST(ToInt16, ConvertsLikeTheStoredSettingsExpect) {
  EXPECT_EQ(ToInt16("30"), 30);
  EXPECT_EQ(ToInt16(" 7 "), 7);
  EXPECT_EQ(ToInt16("-1"), -1);
  EXPECT_EQ(ToInt16("0.0"), 0);
  EXPECT_EQ(ToInt16("2.5"), 2);
  EXPECT_EQ(ToInt16("3.5"), 4);
  EXPECT_EQ(ToInt16("1e2"), 100);
  EXPECT_EQ(ToInt16("&H10"), 16);
  EXPECT_EQ(ToInt16("32767"), 32767);
  EXPECT_FALSE(ToInt16("32768"));
  EXPECT_FALSE(ToInt16(""));
  EXPECT_FALSE(ToInt16("   "));
  EXPECT_FALSE(ToInt16("yes"));
  EXPECT_FALSE(ToInt16("12abc"));
  EXPECT_FALSE(ToInt16("inf"));
}

TEST(ToInt16, PrefixedNumbersTakeOnlyTheirOwnDigits) {
  EXPECT_EQ(ToInt16("&H1f"), 31);
  EXPECT_EQ(ToInt16("&HFFFF"), -1);  // up to 16 bits: a signed 16-bit value
  EXPECT_EQ(ToInt16("&O17"), 15);
  EXPECT_EQ(ToInt32("&H10000"), 65536);
  EXPECT_FALSE(ToInt16("&H10000"));
  for (const char* text : {"&H 1F", "&H+1F", "&H-1", "&H0x1F", "&H1G", "&H", "&O8", "&O 7", "&O-7", "&H\t1"})
    EXPECT_FALSE(ToNumber(text)) << text;
}

TEST(Trim, RemovesBlanksOnly) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(Trim("   "), "");
}
