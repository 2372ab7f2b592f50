// The Win32 launcher starts a helper in the current directory with the show state it is given.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Launcher.h"

using namespace sequora::platform;

namespace {

std::string ExeDir() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  return s.substr(0, s.find_last_of('\\') + 1);
}

std::string ScratchDir() {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  std::string dir = std::string(tmp) + "sequora launch " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

// Waits (up to 20 s) for the helper's report; "" when none came.
std::string WaitForReport(const std::string& file) {
  for (int i = 0; i < 200; ++i) {
    std::ifstream in(file, std::ios::binary);
    if (in) {
      std::stringstream s;
      s << in.rdbuf();
      return s.str();
    }
    Sleep(100);
  }
  return "";
}

}  // namespace

TEST(Win32Launcher, StartsInTheCurrentDirectoryWithTheShowState) {
  win32::Win32FileSystem fs;
  win32::Win32Launcher launcher;
  std::string dir = ScratchDir();
  std::string helper = ExeDir() + "..\\helpers\\helper_report_start.exe";
  std::string before = fs.CurrentDirectory();
  ASSERT_TRUE(fs.ChangeDirectory(dir));

  for (int state : {show::kNormal, show::kMinimized}) {
    std::string report = dir + "\\report" + std::to_string(state) + ".txt";
    ASSERT_TRUE(launcher.StartProgram("\"" + helper + "\" \"" + report + "\"", state));
    std::string text = WaitForReport(report);
    EXPECT_EQ(text, dir + "\n" + std::to_string(state) + "\n");
    DeleteFileA(report.c_str());
  }
  fs.ChangeDirectory(before);
  RemoveDirectoryA(dir.c_str());
}

TEST(Win32Launcher, MissingProgramReportsFailure) {
  win32::Win32Launcher launcher;
  EXPECT_FALSE(launcher.StartProgram("C:\\no such folder\\nothing.exe", show::kNormal));
  EXPECT_FALSE(launcher.StartProgram("", show::kNormal));
}
