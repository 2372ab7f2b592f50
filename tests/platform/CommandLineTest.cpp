#include "platform/CommandLine.h"

#include <gtest/gtest.h>

using namespace sequora::platform;

TEST(CommandLine, StrayQuotesGoAndAPathWithABlankIsQuotedOnce) {
  EXPECT_EQ(RemoveQuotes("  \"C:\\My Tools\"\\app.exe "), "C:\\My Tools\\app.exe");
  EXPECT_EQ(RemoveQuotes("\"\""), "");

  EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\X\\x.exe"), "\"C:\\Program Files\\X\\x.exe\"");
  EXPECT_EQ(QuoteProgramPath("\"C:\\Program Files\\X\\x.exe\""), "\"C:\\Program Files\\X\\x.exe\"");
  // A quote inside the path would end the quoting early and leave "C:\Program" standing alone.
  EXPECT_EQ(QuoteProgramPath("C:\\Program Files\\X\\\"x.exe"), "\"C:\\Program Files\\X\\x.exe\"");
  EXPECT_EQ(QuoteProgramPath("\"C:\\Program Files\"\\X\\x.exe"), "\"C:\\Program Files\\X\\x.exe\"");
  EXPECT_EQ(QuoteProgramPath("C:\\Tab\there\\x.exe"), "\"C:\\Tab\there\\x.exe\"");
  EXPECT_EQ(QuoteProgramPath("C:\\Tools\\x.exe"), "C:\\Tools\\x.exe");
  EXPECT_EQ(QuoteProgramPath(""), "");
}

TEST(CommandLine, ParametersFollowThePathAsWritten) {
  EXPECT_EQ(BuildCommandLine("C:\\Program Files\\X\\x.exe", "  /a \"b c\" %x%  "),
            "\"C:\\Program Files\\X\\x.exe\" /a \"b c\" %x%");
  EXPECT_EQ(BuildCommandLine("C:\\Tools\\x.exe", ""), "C:\\Tools\\x.exe");
  EXPECT_EQ(BuildCommandLine("C:\\Tools\\x.exe", "   "), "C:\\Tools\\x.exe");
}

TEST(CommandLine, AQuotedProgramEndsWhereAClosingQuoteMeetsABlank) {
  auto split = [](const char* text) {
    ProgramText t = SplitProgramText(text);
    return t.program + "|" + t.parameters;
  };
  EXPECT_EQ(split("\"app.exe\" -x"), "\"app.exe\"|-x");
  EXPECT_EQ(split("C:\\Tools\\\"my app.exe\"  /a \"b c\" "), "C:\\Tools\\\"my app.exe\"|/a \"b c\"");
  EXPECT_EQ(split("\"C:\\My Tools\"\\app.exe"), "\"C:\\My Tools\"\\app.exe|");  // the quote ends a folder
  EXPECT_EQ(split("\"my app.exe\""), "\"my app.exe\"|");
  EXPECT_EQ(split("my app.exe -x"), "my app.exe -x|");  // unquoted: all program, blanks and all
  EXPECT_EQ(split("\"open"), "\"open|");
  EXPECT_EQ(split(""), "|");
}

TEST(CommandLine, OnlyExeAndComFilesAreExecutableImages) {
  for (const char* image : {"C:\\Tools\\x.exe", "C:\\Tools\\X.EXE", "C:\\Tools\\old.Com", "C:\\my.folder\\app.exe",
                            "app.exe", "C:/Tools/x.exe"})
    EXPECT_TRUE(IsExecutableImage(image)) << image;
  for (const char* other : {"C:\\Links\\x.lnk", "C:\\Links\\site.url", "C:\\Scripts\\go.cmd", "C:\\Scripts\\go.bat",
                            "C:\\Windows\\system32\\compmgmt.msc", "C:\\Docs\\notes.txt", "C:\\my.folder\\app",
                            "C:\\x.exe\\readme", "C:\\Links\\app.exe.lnk", "C:\\Tools\\x.exe2", ""})
    EXPECT_FALSE(IsExecutableImage(other)) << other;
}
