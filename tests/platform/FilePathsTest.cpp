#include "platform/FilePaths.h"

#include <gtest/gtest.h>

#include "base/StringOps.h"
#include "platform/fake/FakeFileSystem.h"

using namespace sequora;
using namespace sequora::platform;
using sequora::platform::FakeFileSystem;

TEST(FilePaths, AddPathSeparator) {
  EXPECT_EQ(AddPathSeparator("C:\\Tools"), "C:\\Tools\\");
  EXPECT_EQ(AddPathSeparator("C:\\Tools\\"), "C:\\Tools\\");
  EXPECT_EQ(AddPathSeparator("\"C:\\My Tools\""), "\"C:\\My Tools\\\"");
  EXPECT_EQ(AddPathSeparator("a/b"), "a/b/");
  EXPECT_EQ(AddPathSeparator("a/b\\c"), "a/b\\c\\");
  EXPECT_EQ(AddPathSeparator("tools"), "tools");
  EXPECT_EQ(AddPathSeparator(""), "");
  EXPECT_EQ(AddPathSeparator("\""), "\"");
}

TEST(FilePaths, JoinPathPutsOneSeparatorBetweenFolderAndFile) {
  EXPECT_EQ(JoinPath("C:\\Tools", "x.exe"), "C:\\Tools\\x.exe");
  EXPECT_EQ(JoinPath("C:\\Tools\\", "x.exe"), "C:\\Tools\\x.exe");
  EXPECT_EQ(JoinPath("C:", "x.exe"), "C:\\x.exe");
  EXPECT_EQ(JoinPath("\"C:\\My Tools\"", "x.exe"), "\"C:\\My Tools\\\"x.exe");
  EXPECT_EQ(JoinPath("a/b", "x.exe"), "a/b/x.exe");
  EXPECT_EQ(JoinPath("", "x.exe"), "x.exe");
  EXPECT_EQ(JoinPath("C:\\Tools", ""), "C:\\Tools\\");

  for (const char* absolute : {"C:\\x.exe", "c:x.exe", "\\\\server\\share\\x.exe", "\\x.exe", "/x.exe"})
    EXPECT_TRUE(IsAbsolutePath(absolute)) << absolute;
  for (const char* relative : {"x.exe", "tools\\x.exe", "1:\\x.exe", ""})
    EXPECT_FALSE(IsAbsolutePath(relative)) << relative;
}

TEST(FilePaths, DirectoryAndFileParts) {
  FakeFileSystem fs;
  fs.MakeDirs("C:\\Tools\\Sub");
  EXPECT_EQ(GetDirectoryPart(fs, "C:\\Tools\\Sub"), "C:\\Tools\\Sub");  // an existing folder
  EXPECT_EQ(GetDirectoryPart(fs, "C:\\Tools\\app.exe"), "C:\\Tools\\");
  EXPECT_EQ(GetDirectoryPart(fs, "  C:\\My Tools\\app.exe"), "C:\\My Tools\\");
  EXPECT_EQ(GetDirectoryPart(fs, "C:\\a/b\\c.exe"), "C:\\a/");  // the last "/" decides
  EXPECT_EQ(GetDirectoryPart(fs, "app.exe"), "");
  EXPECT_EQ(GetDirectoryPart(fs, ""), "");
  EXPECT_EQ(GetFileNamePart("C:\\Tools\\app.exe"), "app.exe");
  EXPECT_EQ(GetFileNamePart("C:\\a/b\\c.exe"), "b\\c.exe");
  EXPECT_EQ(GetFileNamePart("app.exe"), "app.exe");
  EXPECT_EQ(GetFileNamePart("C:\\Tools\\"), "");
  EXPECT_EQ(GetFileNamePart(""), "");
}

TEST(FilePaths, ShortAndLongForms) {
  FakeFileSystem fs;
  fs.PutFile("C:\\Program Files\\X\\x.exe", "");
  fs.SetShortName("C:\\Program Files", "PROGRA~1");
  EXPECT_EQ(GetShortPath(fs, "C:\\Program Files\\X\\x.exe"), "C:\\PROGRA~1\\X\\x.exe");
  EXPECT_EQ(GetShortPath(fs, "\"C:\\Program Files\\X\\x.exe\""), "C:\\Program Files\\X\\x.exe");
  EXPECT_EQ(GetShortPath(fs, "C:\\missing.exe"), "C:\\missing.exe");
  EXPECT_EQ(GetLongPath(fs, "C:\\PROGRA~1\\x\\X.EXE"), "C:\\Program Files\\X\\x.exe");
  EXPECT_EQ(GetLongPath(fs, "\"C:\\missing\""), "\"C:\\missing\"");

  // 163 characters fit the buffer with its terminator; 164 do not and count as no answer.
  const std::string base = "C:\\" + std::string(150, 'D') + "\\";
  const std::string fits = base + std::string(163 - base.size(), 'F');
  const std::string tooLong = base + std::string(164 - base.size(), 'F');
  fs.PutFile(fits, "");
  fs.PutFile(tooLong, "");
  EXPECT_EQ(GetLongPath(fs, sequora::ToLower(fits)), "c" + fits.substr(1));
  EXPECT_EQ(GetLongPath(fs, sequora::ToLower(tooLong)), sequora::ToLower(tooLong));
  EXPECT_EQ(GetShortPath(fs, "\"" + tooLong + "\""), tooLong);
}

TEST(FilePaths, Quoting) {
  EXPECT_EQ(StripQuotes("  \"C:\\a b\\x.exe\"  "), "C:\\a b\\x.exe");
  EXPECT_EQ(StripQuotes("\""), "\"");
  EXPECT_EQ(StripQuotes("\"\""), "");
  EXPECT_EQ(StripQuotes("\"a\" b"), "\"a\" b");
  EXPECT_EQ(QuoteIfSpaces(" C:\\a b\\x.exe "), "\"C:\\a b\\x.exe\"");
  EXPECT_EQ(QuoteIfSpaces("\"C:\\a b\\x.exe\" -p"), "\"C:\\a b\\x.exe\" -p");
  EXPECT_EQ(QuoteIfSpaces("C:\\x.exe"), "C:\\x.exe");
  EXPECT_EQ(QuoteIfSpaces("   "), "");
}

TEST(FilePaths, SplitPath) {
  FakeFileSystem fs;
  auto split = [&](const std::string& s) {
    PathParts p = SplitPath(fs, s);
    return p.directory + "|" + p.file + "|" + p.parameters;
  };
  EXPECT_EQ(split(""), "||");
  EXPECT_EQ(split("C:\\Tools\\app.exe /min"), "C:\\Tools\\|app.exe|/min");
  EXPECT_EQ(split("\"C:\\My Tools\\my app.exe\""), "C:\\My Tools\\|my app.exe|");
  EXPECT_EQ(split("C:\\My Tools\\my app.exe -a -b"), "C:\\My Tools\\|my app.exe|-a -b");
  EXPECT_EQ(split("C:\\Foo 2.0 Beta\\app.exe -x"), "C:\\Foo 2.0 Beta\\|app.exe|-x");
  EXPECT_EQ(split("C:\\Foo 2.0 Beta\\app.exe /x"), "C:\\Foo 2.0 Beta\\|app.exe|/x");
  EXPECT_EQ(split("C:\\Tools\\readme"), "C:\\Tools\\|readme|");
  EXPECT_EQ(split("app.exe"), "|app.exe|");
  EXPECT_EQ(split("C:\\a/b\\c.exe"), "C:\\a/\\|b\\c.exe|");  // mixed separators: the "/" decides
}
