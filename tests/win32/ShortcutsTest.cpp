// Shortcuts through Wine's shell-link object and through the portable reader and writer, each
// read by the other. Wine's link object is a partial reference: it takes the target only from the
// local base path of the link info (else the relative path) and ignores the common path suffix,
// shares, the ID list and the environment block, which Windows all uses. The portable reader
// follows Windows; on the shortcuts Wine writes, both agree.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/lnk/LnkFormat.h"
#include "platform/lnk/LnkShellLinks.h"
#include "autostart/Shortcuts.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ShellLinks.h"

using namespace sequora::autostart;
using namespace sequora::platform::lnk;
using namespace sequora::platform::win32;

namespace {

struct Case {
  std::string target, arguments, description, workingDirectory, iconFile;
  int iconIndex;
};

const Case kCases[] = {
    {"C:\\windows\\notepad.exe", "", "", "", "", 0},
    {"C:\\Program Files\\Some Dir\\missing prog.exe", "-x \"a b\" /y", "A description", "C:\\Program Files",
     "C:\\windows\\notepad.exe", 3},
    {"C:\\Does Not Exist\\tool.exe", std::string(300, 'a') + "END", "", "C:\\Does Not Exist", "", 0},
    {"D:\\Data\\report 2024.txt", "", "Report", "", "C:\\windows\\system32\\shell32.dll", 12},
};

class BothWays : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    dir_ = std::string(tmp) + "sequora lnk test " + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir_.c_str(), nullptr);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  static void ExpectSame(const ShortcutInfo& a, const ShortcutInfo& b) {
    EXPECT_EQ(a.TargetPath, b.TargetPath);
    EXPECT_EQ(a.WorkingDirectory, b.WorkingDirectory);
    EXPECT_EQ(a.Arguments, b.Arguments);
  }

  std::string dir_;
  Win32FileSystem fs_;
  Win32CodePage codePage_;
  Win32Environment env_;
  Win32ShellLinks shell_;
  LnkShellLinks portable_{fs_, codePage_, &env_};
};

}  // namespace

TEST_F(BothWays, WhatTheShellWritesThePortableReaderReadsAlike) {
  int n = 0;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.target);
    std::string file = dir_ + "shell " + std::to_string(++n) + ".lnk";
    ASSERT_TRUE(CreateShortcut(shell_, c.target, file, c.arguments, c.description, c.workingDirectory,
                               c.iconFile, c.iconIndex));
    ShortcutInfo byShell = ReadShortcut(shell_, file);
    ShortcutInfo byPortable = ReadShortcut(portable_, file);
    ExpectSame(byShell, byPortable);
    EXPECT_EQ(byShell.TargetPath, c.target);
    EXPECT_EQ(byShell.WorkingDirectory, c.workingDirectory);
    EXPECT_EQ(byShell.Arguments, c.arguments.substr(0, 254));
    auto link = DecodeLnk(*fs_.ReadFile(file), codePage_);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->description, c.description);
    EXPECT_EQ(link->iconLocation, c.iconIndex > 0 ? c.iconFile : "");
    EXPECT_EQ(link->iconIndex, c.iconIndex > 0 ? c.iconIndex : 0);
  }
}

TEST_F(BothWays, WhatThePortableWriterWritesTheShellReadsAlike) {
  int n = 0;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.target);
    std::string file = dir_ + "portable " + std::to_string(++n) + ".lnk";
    ASSERT_TRUE(CreateShortcut(portable_, c.target, file, c.arguments, c.description, c.workingDirectory,
                               c.iconFile, c.iconIndex));
    ShortcutInfo byShell = ReadShortcut(shell_, file);
    ExpectSame(byShell, ReadShortcut(portable_, file));
    EXPECT_EQ(byShell.TargetPath, c.target);
    EXPECT_EQ(byShell.Arguments, c.arguments.substr(0, 254));
  }
}

TEST_F(BothWays, NoShortcutGivesAnEmptyRecordFromBoth) {
  std::ofstream(dir_ + "text.lnk") << "no shortcut";
  for (const std::string& file : {dir_ + "text.lnk", dir_ + "missing.lnk"}) {
    for (sequora::platform::ShellLinks* links : {static_cast<sequora::platform::ShellLinks*>(&shell_),
                                                 static_cast<sequora::platform::ShellLinks*>(&portable_)}) {
      ShortcutInfo info = ReadShortcut(*links, file);
      EXPECT_EQ(info.TargetPath + info.WorkingDirectory + info.Arguments, "") << file;
    }
  }
}

// The real files made by Windows: folder and arguments agree; the target agrees wherever Wine
// reads it as Windows does, and elsewhere Wine's answer is what its partial reading predicts.
TEST_F(BothWays, RealFilesFromWindows) {
  int agreed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(SEQUORA_TESTDATA) + "/lnk")) {
    if (entry.path().extension() != ".lnk") continue;
    std::string file = entry.path().string();
    SCOPED_TRACE(file);
    ShortcutInfo byShell = ReadShortcut(shell_, file);
    ShortcutInfo byPortable = ReadShortcut(portable_, file);
    EXPECT_EQ(byShell.WorkingDirectory, byPortable.WorkingDirectory);
    EXPECT_EQ(byShell.Arguments, byPortable.Arguments);

    auto link = DecodeLnk(*fs_.ReadFile(file), codePage_);
    ASSERT_TRUE(link);
    std::string wine;  // Wine: local base path, else the relative path; nothing for installer links
    if (link->flags & 0x1000) {
      wine = "";
    } else if (link->linkInfo) {
      wine = link->linkInfo->hasLocalPath ? link->linkInfo->localBasePath : "";
    } else {
      wine = link->relativePath;
    }
    EXPECT_EQ(byShell.TargetPath, wine.substr(0, 255));
    bool windowsLike = link->linkInfo && link->linkInfo->hasLocalPath &&
                       link->linkInfo->commonPathSuffix.empty() && link->environmentTarget.empty();
    if (windowsLike) {
      EXPECT_EQ(byShell.TargetPath, byPortable.TargetPath);
      ++agreed;
    }
  }
  EXPECT_GE(agreed, 14);
}

TEST(ShellLinksFallback, WithAFallbackTheShellObjectStillAnswers) {
  // The fallback only steps in where the shell object cannot be made or cannot load a file;
  // Wine's object loaded every damaged file tried (cut extra data, overrunning ID list items,
  // missing terminal block), so here it answers itself.
  Win32FileSystem fs;
  Win32CodePage codePage;
  LnkShellLinks portable(fs, codePage);
  Win32ShellLinks shell(&portable);
  std::string file = std::string(SEQUORA_TESTDATA) + "/lnk/lnkparse3_microsoft_example.lnk";
  EXPECT_EQ(GetShortcutTarget(shell, file), "C:\\test\\a.txt");
  EXPECT_EQ(ReadShortcut(shell, file + ".missing").TargetPath, "");
}

// Read by the portable reader first, a shortcut whose target Wine's object would miss (an
// environment block, a common path suffix) gets Windows' answer; a file the portable reader finds
// no target in is still asked of the shell object, and writing stays the shell's.
TEST(ShellLinksFallback, ReadingByTheFallbackFirstGivesWindowsAnswers) {
  Win32FileSystem fs;
  Win32CodePage codePage;
  Win32Environment env;
  LnkShellLinks portable(fs, codePage, &env);
  Win32ShellLinks shellFirst(&portable);
  Win32ShellLinks portableFirst(&portable, Win32ShellLinks::ReadOrder::FallbackFirst);
  int differ = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(SEQUORA_TESTDATA) + "/lnk")) {
    if (entry.path().extension() != ".lnk") continue;
    const std::string file = entry.path().string();
    SCOPED_TRACE(file);
    const ShortcutInfo byPortable = ReadShortcut(portable, file);
    const ShortcutInfo read = ReadShortcut(portableFirst, file);
    const ShortcutInfo expected = byPortable.TargetPath.empty() ? ReadShortcut(shellFirst, file) : byPortable;
    EXPECT_EQ(read.TargetPath, expected.TargetPath);
    EXPECT_EQ(read.Arguments, expected.Arguments);
    EXPECT_EQ(read.WorkingDirectory, expected.WorkingDirectory);
    differ += read.TargetPath != ReadShortcut(shellFirst, file).TargetPath;
  }
  EXPECT_GT(differ, 0);  // the data holds shortcuts Wine's object reads otherwise

  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  const std::string written =
      std::string(tmp) + "sequora read order " + std::to_string(GetCurrentProcessId()) + ".lnk";
  ASSERT_TRUE(CreateShortcut(portableFirst, "C:\\windows\\notepad.exe", written, "-a", "", "", "", 0));
  EXPECT_EQ(ReadShortcut(shellFirst, written).TargetPath, "C:\\windows\\notepad.exe");
  EXPECT_EQ(ReadShortcut(portableFirst, written).Arguments, "-a");
  std::filesystem::remove(written);
}
