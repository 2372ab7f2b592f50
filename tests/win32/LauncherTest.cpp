// What a program started by the Win32 launcher receives - its command line, folder and show
// state - on the direct way and through the shell, from scripts and shortcuts, with variables
// expanded; that a program planted on a blank of the path never runs instead; and what a failed
// start reports. The started helper (helper_report_start.exe) writes a report and sets an event.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "Win32TestSupport.h"
#include "base/StringOps.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32ShellLinks.h"
#include "startup/Launcher.h"
#include "startup/Log.h"
#include "storage/AppPaths.h"
#include "storage/Settings.h"

using namespace sequora;
using namespace sequora::platform;
using test::ExpectedReport;
using test::HelperExe;
using test::Scratch;
using win32::UniqueHandleObj;

namespace {

// The startup launcher on the real system, Sequora's folder and log in the scratch folder.
struct LauncherParts {
  explicit LauncherParts(const Scratch& scratch) : paths(storage::AppPaths::For(scratch.Path(), "Sequora")) {}
  win32::Win32FileSystem fs;
  win32::Win32Environment environment;
  win32::Win32Launcher system;
  FakeDialogs dialogs;
  storage::AppPaths paths;
  storage::MainSettings settings;
  startup::StartupLog log{fs, environment, system, dialogs, paths, settings};
  startup::ProgramLauncher launcher{fs, environment, system, paths, settings, log};
};

}  // namespace

TEST(Win32Launcher, DirectStartHandsOverCommandLineFolderAndShowState) {
  Scratch scratch("sequora launch");
  std::string exe = scratch.Helper("report start.exe");
  std::string work = scratch.Path() + "\\work folder";
  CreateDirectoryA(work.c_str(), nullptr);
  const std::string longArg(220, 'x');
  const std::string parameters = "/a \"b c\" " + longArg + " \"d e f\"";
  win32::Win32Launcher launcher;

  for (int state : {show::kNormal, show::kMinimized}) {
    ExpectedReport expected(scratch);
    StartResult result = launcher.Start({exe, parameters, work, state});
    ASSERT_TRUE(result.started) << result.errorText;
    EXPECT_EQ(result.way, StartWay::Direct);
    auto report = expected.Wait();
    ASSERT_TRUE(report);
    EXPECT_TRUE(EqualsNoCase(report->self, exe)) << report->self;
    EXPECT_TRUE(EqualsNoCase(report->folder, work)) << report->folder;
    EXPECT_EQ(report->show, state);
    EXPECT_EQ(report->commandLine, "\"" + exe + "\" " + parameters);
    EXPECT_EQ(report->args, (std::vector<std::string>{"/a", "b c", longArg, "d e f"}));
  }
}

TEST(Win32Launcher, VariablesAreExpandedAsWindowsDoesAndReachTheProgram) {
  Scratch scratch("sequora launch vars");
  scratch.Helper("report start.exe");
  SetEnvironmentVariableA("SEQ_LAUNCH_DIR", scratch.Path().c_str());
  SetEnvironmentVariableA("SEQ_LAUNCH_ARG", "two words");
  SetEnvironmentVariableA("SEQ_LAUNCH_NOT_SET", nullptr);
  win32::Win32Environment env;

  EXPECT_EQ(env.ExpandVariables("%SEQ_LAUNCH_DIR%\\x.exe"), scratch.Path() + "\\x.exe");
  EXPECT_EQ(env.ExpandVariables("%seq_launch_arg%"), "two words");
  EXPECT_EQ(env.ExpandVariables("a%SEQ_LAUNCH_ARG%b%SEQ_LAUNCH_ARG%"), "atwo wordsbtwo words");
  EXPECT_EQ(env.ExpandVariables("%SEQ_LAUNCH_NOT_SET%\\x.exe"), "%SEQ_LAUNCH_NOT_SET%\\x.exe");
  EXPECT_EQ(env.ExpandVariables("100% %% 50%"), "100% %% 50%");
  EXPECT_EQ(env.ExpandVariables(""), "");
  const std::string longText(5000, 'v');
  SetEnvironmentVariableA("SEQ_LAUNCH_LONG", longText.c_str());
  EXPECT_EQ(env.ExpandVariables("<%SEQ_LAUNCH_LONG%>"), "<" + longText + ">");

  ExpectedReport expected(scratch);
  win32::Win32Launcher launcher;
  StartResult result = launcher.Start({env.ExpandVariables("%SEQ_LAUNCH_DIR%\\report start.exe"),
                                       env.ExpandVariables("\"%SEQ_LAUNCH_ARG%\" %SEQ_LAUNCH_ARG% 100%"),
                                       env.ExpandVariables("%SEQ_LAUNCH_DIR%"), show::kNormal});
  ASSERT_TRUE(result.started) << result.errorText;
  auto report = expected.Wait();
  ASSERT_TRUE(report);
  EXPECT_TRUE(EqualsNoCase(report->folder, scratch.Path())) << report->folder;
  EXPECT_EQ(report->args, (std::vector<std::string>{"two words", "two", "words", "100%"}));
}

TEST(Win32Launcher, ScriptsAndShortcutsOpenThroughTheShell) {
  Scratch scratch("sequora launch shell");
  std::string exe = scratch.Helper("report start.exe");
  win32::Win32Launcher launcher;

  std::string script = scratch.Path() + "\\go script.cmd";
  {
    std::ofstream out(script, std::ios::binary);
    out << "@\"" << exe << "\" from-cmd %*\r\n";
  }
  ExpectedReport fromScript(scratch);
  StartResult result = launcher.Start({script, "one \"two three\"", scratch.Path(), show::kNormal});
  ASSERT_TRUE(result.started) << result.errorText;
  EXPECT_EQ(result.way, StartWay::Shell);
  auto report = fromScript.Wait();
  ASSERT_TRUE(report);
  EXPECT_EQ(report->args, (std::vector<std::string>{"from-cmd", "one", "two three"}));
  EXPECT_TRUE(EqualsNoCase(report->folder, scratch.Path())) << report->folder;

  std::string shortcut = scratch.Path() + "\\the helper.lnk";
  {
    win32::Win32ShellLinks links;
    auto link = links.CreateLink();
    ASSERT_TRUE(link);
    ASSERT_TRUE(link->SetPath(exe));
    ASSERT_TRUE(link->SetArguments("from-lnk \"a b\""));
    ASSERT_TRUE(link->SetWorkingDirectory(scratch.Path()));
    ASSERT_TRUE(link->Save(shortcut));
  }
  ExpectedReport fromShortcut(scratch);
  result = launcher.Start({shortcut, "", "", show::kNormal});
  ASSERT_TRUE(result.started) << result.errorText;
  EXPECT_EQ(result.way, StartWay::Shell);
  report = fromShortcut.Wait();
  ASSERT_TRUE(report);
  EXPECT_TRUE(EqualsNoCase(report->self, exe)) << report->self;
  EXPECT_EQ(report->args, (std::vector<std::string>{"from-lnk", "a b"}));
}

// The way a program that needs elevation takes: the same folder, parameters and show state.
TEST(Win32Launcher, ShellWayHandsOverParametersFolderAndShowState) {
  Scratch scratch("sequora launch elevated");
  std::string exe = scratch.Helper("report start.exe");
  win32::Win32Launcher launcher;
  ExpectedReport expected(scratch);
  ASSERT_EQ(launcher.StartThroughShell({exe, "/a \"b c\"", scratch.Path(), show::kMinimized}), 0u);
  auto report = expected.Wait();
  ASSERT_TRUE(report);
  EXPECT_TRUE(EqualsNoCase(report->self, exe)) << report->self;
  EXPECT_TRUE(EqualsNoCase(report->folder, scratch.Path())) << report->folder;
  EXPECT_EQ(report->show, show::kMinimized);
  EXPECT_EQ(report->args, (std::vector<std::string>{"/a", "b c"}));
}

// C:\Program.exe is what the system would try first for an unquoted C:\Program Files\...\x.exe.
TEST(Win32Launcher, AProgramPlantedOnABlankOfThePathNeverRuns) {
  const std::string planted = "C:\\Program.exe";
  const std::string folder = "C:\\Program Files\\Sequora plant " + std::to_string(GetCurrentProcessId());
  struct Cleanup {
    std::string planted, folder;
    ~Cleanup() {
      DeleteFileA(planted.c_str());
      std::error_code ignored;
      std::filesystem::remove_all(folder, ignored);
    }
  } cleanup{planted, folder};
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string exe = folder + "\\x.exe";
  ASSERT_TRUE(CopyFileA(HelperExe().c_str(), exe.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(HelperExe().c_str(), planted.c_str(), FALSE));
  Scratch scratch("sequora launch plant");
  win32::Win32Launcher launcher;

  ExpectedReport direct(scratch);
  ASSERT_TRUE(launcher.Start({exe, "arg", "", show::kNormal}).started);
  auto report = direct.Wait();
  ASSERT_TRUE(report);
  EXPECT_TRUE(EqualsNoCase(report->self, exe)) << report->self;
  EXPECT_EQ(report->args, std::vector<std::string>{"arg"});

  ExpectedReport shell(scratch);
  ASSERT_EQ(launcher.StartThroughShell({exe, "arg", "", show::kNormal}), 0u);
  report = shell.Wait();
  ASSERT_TRUE(report);
  EXPECT_TRUE(EqualsNoCase(report->self, exe)) << report->self;
}

TEST(Win32Launcher, FailedStartsReportTheErrorWithOneLineOfText) {
  Scratch scratch("sequora launch fail");
  std::string exe = scratch.Helper("report start.exe");
  win32::Win32Launcher launcher;

  StartResult missing = launcher.Start({scratch.Path() + "\\nothing.exe", "", "", show::kNormal});
  EXPECT_FALSE(missing.started);
  EXPECT_EQ(missing.way, StartWay::Direct);
  EXPECT_EQ(missing.error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(missing.errorText, launcher.ErrorText(ERROR_FILE_NOT_FOUND));

  StartResult missingLink = launcher.Start({scratch.Path() + "\\nothing.lnk", "", "", show::kNormal});
  EXPECT_FALSE(missingLink.started);
  EXPECT_EQ(missingLink.way, StartWay::Shell);
  EXPECT_EQ(missingLink.error, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));

  StartResult noFolder = launcher.Start({exe, "", scratch.Path() + "\\no such folder", show::kNormal});
  EXPECT_FALSE(noFolder.started);
  EXPECT_EQ(noFolder.error, error::kDirectory);

  for (std::uint32_t code : {error::kFileNotFound, error::kDirectory, error::kCancelled}) {
    std::string text = launcher.ErrorText(code);
    EXPECT_FALSE(text.empty()) << code;
    EXPECT_EQ(text.find_first_of("\r\n\t"), std::string::npos) << text;
    EXPECT_NE(text.back(), '.') << text;
    EXPECT_NE(text.back(), ' ') << text;
  }
  EXPECT_EQ(launcher.ErrorText(0x2FFFFFFF), "error 805306367");
}

// Notepad is the system's, whatever lies in the current folder.
TEST(Win32Launcher, NotepadComesFromTheSystemFolder) {
  Scratch scratch("sequora launch notepad");
  scratch.Helper("notepad.exe");  // would run if the system were left to search
  const std::string text = scratch.Path() + "\\the log.txt";
  std::ofstream(text) << "log\r\n";
  const std::string systemNotepad = win32::SystemFolder() + "\\notepad.exe";
  ASSERT_FALSE(win32::SystemFolder().empty());

  win32::Win32Processes processes;
  std::vector<DWORD> before;
  if (auto snapshot = processes.ProcessSnapshot())
    for (const auto& p : *snapshot) before.push_back(p.processId);
  win32::Win32FileSystem fs;
  const std::string current = fs.CurrentDirectory();
  ASSERT_TRUE(fs.ChangeDirectory(scratch.Path()));
  win32::Win32Launcher launcher;
  const bool started = launcher.StartNotepad(text);
  fs.ChangeDirectory(current);
  ASSERT_TRUE(started);

  // The new notepad.exe process, looked for until it shows (a minute guards against a hang).
  std::optional<ProcessInfo> notepad;
  for (int i = 0; i < 600 && !notepad; ++i) {
    if (auto snapshot = processes.ProcessSnapshot())
      for (const auto& p : *snapshot)
        if (EqualsNoCase(p.exeName, "notepad.exe") &&
            std::find(before.begin(), before.end(), p.processId) == before.end())
          notepad = p;
    if (!notepad) Sleep(100);
  }
  ASSERT_TRUE(notepad);
  UniqueHandleObj process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, notepad->processId));
  EXPECT_TRUE(EqualsNoCase(notepad->imagePath, systemNotepad)) << notepad->imagePath;
  if (process) {
    TerminateProcess(process.Get(), 0);
    WaitForSingleObject(process.Get(), 5000);
  }
}

// The startup launcher on the real system: an entry as stored, with blanks, stray quotes,
// parameters after a quoted program and variables, reaches its own file with everything.
TEST(Win32ProgramLauncher, AnEntryAsStoredStartsItsOwnFileWithItsParametersFolderAndWindowState) {
  Scratch scratch("sequora launch entry");
  const std::string folder = scratch.Path() + "\\my tools";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const std::string exe = folder + "\\report start.exe";
  ASSERT_TRUE(CopyFileA(HelperExe().c_str(), exe.c_str(), FALSE));
  SetEnvironmentVariableA("SEQ_ENTRY_DIR", scratch.Path().c_str());
  SetEnvironmentVariableA("SEQ_ENTRY_ARG", "a b");
  LauncherParts parts(scratch);

  ExpectedReport expected(scratch);
  StartResult result = parts.launcher.LaunchProgram(
      {"\"%SEQ_ENTRY_DIR%\\my tools\"\\", "\"report start.exe\" -x", "%SEQ_ENTRY_ARG% \"c d\"", show::kMinimized});
  ASSERT_TRUE(result.started) << result.errorText;
  auto report = expected.Wait();
  ASSERT_TRUE(report);
  EXPECT_TRUE(EqualsNoCase(report->self, exe)) << report->self;
  EXPECT_TRUE(EqualsNoCase(report->folder, folder)) << report->folder;
  EXPECT_EQ(report->show, show::kMinimized);
  EXPECT_EQ(report->args, (std::vector<std::string>{"-x", "a", "b", "c d"}));
  EXPECT_EQ(parts.log.LogText(), "");
}

TEST(Win32ProgramLauncher, ADocumentTheShellRefusesIsLoggedOnceWithTheSystemsReason) {
  Scratch scratch("sequora launch fails");
  LauncherParts parts(scratch);
  // A document nothing opens: the shell refuses it, and says why.
  const std::string document = scratch.Path() + "\\notes.sequora-unknown";
  std::ofstream(document) << "x";
  StartResult refused = parts.launcher.LaunchProgram({scratch.Path(), "notes.sequora-unknown", "", show::kNormal});
  ASSERT_FALSE(refused.started);
  EXPECT_EQ(refused.way, StartWay::Shell);
  EXPECT_FALSE(refused.errorText.empty());
  EXPECT_EQ(parts.log.LogText(), "Error: Could not start - \"" + document + "\" (" + refused.errorText + ")\r");
}
