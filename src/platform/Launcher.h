#pragma once
// Starting other programs. Win32: platform/win32/Win32Launcher (CreateProcessA); tests:
// platform/fake/FakeLauncher, which records what would have been started.
#include <string>

namespace sequora::platform {

namespace show {
inline constexpr int kNormal = 1;     // normal window with the focus
inline constexpr int kMinimized = 6;  // minimised, the focus stays where it is
}  // namespace show

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Runs a command line (program, then its arguments) in the current directory with the given
  // show state (show::kNormal, show::kMinimized). False when the program could not be started.
  virtual bool StartProgram(const std::string& commandLine, int showState) = 0;
  // Opens a text file in Notepad in a normal window. False when Notepad could not be started.
  virtual bool StartNotepad(const std::string& file) = 0;
};

}  // namespace sequora::platform
