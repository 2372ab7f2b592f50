#pragma once
// Starting other programs. Win32: platform/win32/Win32Launcher (CreateProcessA, ShellExecuteExA);
// tests: platform/fake/FakeLauncher, which records what would have been started and how.
//
// Start(request) is the one way to start a program entry (the run, the editor's run-now, a row's
// run button). It decides here, the same on every platform, which of two ways the system is
// asked to go:
//   - Direct: an executable image (.exe, .com; see IsExecutableImage) is started with the file
//     named explicitly as the application and a command line built from the quoted path and the
//     parameters. The system never searches for the program, so no other file (a planted
//     C:\Program.exe for C:\Program Files\...) can run in its place.
//   - Shell: everything else (.lnk, .url, .cmd, .bat, .msc, documents) is opened through the
//     shell's "open" verb. A direct start that fails because the program needs elevation
//     (error 740) is repeated through the shell, which asks for consent as Windows does at
//     logon; refused consent comes back as error 1223.
// Quotes in the program and folder texts are stray (no Windows name holds one) and are removed
// before either way; expanding environment variables is the caller's (Environment::
// ExpandVariables), because the caller tests the expanded file for existence too.
#include <cstdint>
#include <string>

namespace sequora::platform {

namespace show {
inline constexpr int kNormal = 1;     // normal window with the focus
inline constexpr int kMinimized = 6;  // minimised, the focus stays where it is
}  // namespace show

// Win32 error codes the callers of Start look at.
namespace error {
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kDirectory = 267;           // the folder is not there
inline constexpr std::uint32_t kElevationRequired = 740;   // the direct way needs consent
inline constexpr std::uint32_t kCancelled = 1223;          // consent refused
}  // namespace error

struct StartRequest {
  std::string program;     // full path of the file, variables expanded (a relative path would be
                           // taken from Sequora's current directory, not from `folder`)
  std::string parameters;  // passed on as written (trimmed of blanks)
  std::string folder;      // working directory of the new process; "" = Sequora's current one.
                           // A folder that does not exist fails the start (error 267): callers
                           // that want the old leniency pass "" for a missing folder.
  int showState = show::kNormal;
};

enum class StartWay { Direct, Shell };

struct StartResult {
  bool started = false;
  StartWay way = StartWay::Direct;  // the way of the last attempt (Shell after the 740 fallback)
  std::uint32_t error = 0;          // the Win32 error code of a failed start, 0 when started
  std::string errorText;            // ErrorText(error) for a failed start, "" when started
};

class Launcher {
 public:
  virtual ~Launcher() = default;

  // Starts the program of `request` as described at the top of this file. Never throws; a start
  // that cannot be made is reported in the result. An empty program fails with kFileNotFound
  // without asking the system.
  StartResult Start(const StartRequest& request);

  // The system's message for a Win32 error code on one line, without line breaks and without
  // the closing period, ready to stand in brackets in a log line: "The system cannot find the
  // file specified". "error N" when the system has no text for it.
  virtual std::string ErrorText(std::uint32_t error) = 0;

  // Opens a text file in the Notepad of the system folder (never one that happens to lie in the
  // current folder or beside Sequora), in a normal window. False when it could not be started.
  virtual bool StartNotepad(const std::string& file) = 0;

 protected:
  // The two ways, given a request already cleaned of quotes and with a program. Each returns 0
  // when the program started, else the Win32 error code.
  virtual std::uint32_t StartDirect(const StartRequest& request) = 0;
  virtual std::uint32_t StartThroughShell(const StartRequest& request) = 0;
};

}  // namespace sequora::platform
