// The Win32 process and window lists against Wine's real ones, through the detection of Prozess:
// a helper program with a titled window runs; one without a window, or with an untitled one, does
// not count.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/StringOps.h"

#include "Win32TestSupport.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Processes.h"
#include "startup/Prozess.h"

using namespace sequora;
using platform::win32::UniqueHandleObj;

namespace {

std::string ExeDir() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  return s.substr(0, s.find_last_of('\\') + 1);
}

// A copy of helper_window.exe under a name no other test uses, so the name test is exact.
std::string HelperCopy(const std::string& name) {
  char tmp[MAX_PATH];
  GetTempPathA(MAX_PATH, tmp);
  std::string copy = std::string(tmp) + name + std::to_string(GetCurrentProcessId()) + ".exe";
  CopyFileA((ExeDir() + "..\\helpers\\helper_window.exe").c_str(), copy.c_str(), FALSE);
  return copy;
}

struct Started {
  UniqueHandleObj process;
  DWORD processId = 0;
  ~Started() {
    if (process) {
      TerminateProcess(process.Get(), 0);
      WaitForSingleObject(process.Get(), 5000);
    }
  }
};

void Start(const std::string& exe, const std::string& args, Started& out) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string cmd = "\"" + exe + "\" " + args;
  ASSERT_TRUE(CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  CloseHandle(pi.hThread);
  out.process.Reset(pi.hProcess);
  out.processId = pi.dwProcessId;
}

// Polls (up to 20 s) until the condition holds on a fresh look at the system.
template <typename Condition>
bool WaitFor(Condition condition) {
  for (int i = 0; i < 200; ++i) {
    if (condition()) return true;
    Sleep(100);
  }
  return false;
}

bool HasWindowOf(platform::Processes& processes, DWORD processId) {
  for (const auto& w : processes.TopLevelWindows())
    if (w.processId == processId) return true;
  return false;
}

}  // namespace

TEST(Win32Processes, ProgramWithTitledWindowIsFoundByNameInAnyCase) {
  platform::win32::Win32Processes processes;
  std::string exe = HelperCopy("SeqTitled");
  Started helper;
  Start(exe, "30 \"Sequora probe window\"", helper);
  ASSERT_TRUE(WaitFor([&] { return startup::FindProgramWindow(startup::ProcessScan(processes), exe) >= 2; }));

  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(processes), exe), helper.processId);
  std::string upper = exe;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(processes), upper), helper.processId);

  std::int64_t handle = startup::FindProgramWindow(startup::ProcessScan(processes), exe);
  startup::ProcessScan scan(processes);
  startup::WindowRecord record = startup::GetWindowRecord(scan, handle);
  EXPECT_EQ(record.Title, "Sequora probe window");
  EXPECT_EQ(record.ProcessId, helper.processId);
}

TEST(Win32Processes, ProgramWithoutWindowOrWithUntitledWindowDoesNotCount) {
  platform::win32::Win32Processes processes;
  std::string windowless = HelperCopy("SeqNoWindow");
  std::string untitled = HelperCopy("SeqUntitled");
  Started a, b;
  Start(windowless, "30", a);
  Start(untitled, "30 \"\"", b);
  ASSERT_TRUE(WaitFor([&] { return startup::FindProcessId(startup::ProcessScan(processes), windowless) == a.processId; }));
  ASSERT_TRUE(WaitFor([&] { return HasWindowOf(processes, b.processId); }));

  EXPECT_EQ(startup::FindProgramWindow(startup::ProcessScan(processes), windowless), startup::kNoWindow);
  EXPECT_EQ(startup::FindProgramWindow(startup::ProcessScan(processes), untitled), startup::kNoWindow);
  // Its untitled window is listed only when untitled windows are asked for; its hidden helper
  // windows (the input-method window has a title) do not make it count.
  auto untitledOf = [&](bool includeUntitled) {
    int n = 0;
    for (const auto& w : startup::ListTopLevelWindows(startup::ProcessScan(processes), includeUntitled))
      n += w.ProcessId == b.processId && w.Title.empty() && w.Visible;
    return n;
  };
  EXPECT_EQ(untitledOf(false), 0);
  EXPECT_EQ(untitledOf(true), 1);
}

// An entry names a running program by its own file, in any form it may hold the folder: short
// names, variables, stray quotes. The same name in another folder, or a name that merely
// contains the program's, is another program.
TEST(Win32Processes, AnEntryNamesARunningProgramOnlyByItsOwnFile) {
  const test::Scratch scratch("sequora running entry");
  const std::string mine = scratch.Path() + "\\mine", other = scratch.Path() + "\\other";
  const std::string helper = ExeDir() + "..\\helpers\\helper_window.exe";
  for (const std::string& folder : {mine, other}) {
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(helper.c_str(), (folder + "\\SeqEntry.exe").c_str(), FALSE));
  }
  Started running;
  Start(mine + "\\SeqEntry.exe", "30 \"Sequora entry window\"", running);

  platform::win32::Win32Processes processes;
  platform::win32::Win32FileSystem fs;
  platform::win32::Win32Environment environment;
  auto runs = [&](const std::string& path) {
    return startup::IsProgramRunning(startup::ProcessScan(processes, &fs, &environment), path);
  };
  ASSERT_TRUE(WaitFor([&] { return runs(mine + "\\SeqEntry.exe"); }));

  char shortForm[MAX_PATH] = {};
  GetShortPathNameA(mine.c_str(), shortForm, MAX_PATH);
  SetEnvironmentVariableA("SEQ_RUNNING_DIR", mine.c_str());
  EXPECT_TRUE(runs(std::string(shortForm) + "\\seqentry.exe")) << shortForm;
  EXPECT_TRUE(runs("%SEQ_RUNNING_DIR%\\SeqEntry.exe"));
  EXPECT_TRUE(runs("\"" + mine + "\"\\SeqEntry.exe"));
  EXPECT_TRUE(runs("SeqEntry.exe"));  // no folder: the name decides
  EXPECT_FALSE(runs(other + "\\SeqEntry.exe"));
  EXPECT_FALSE(runs(mine + "\\Entry.exe"));
}
