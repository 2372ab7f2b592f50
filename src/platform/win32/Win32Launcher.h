#pragma once
#include "platform/Launcher.h"

namespace sequora::platform::win32 {

// The system folder (GetSystemDirectoryA), without a trailing separator; "" when it cannot be read.
std::string SystemFolder();

// Direct starts with CreateProcessA (the program named as the application, the quoted command
// line, the folder as the working directory, the show state through STARTF_USESHOWWINDOW);
// shell starts with ShellExecuteExA, verb "open", without error boxes and waiting until the
// shell has handed the file over. Notepad is named by its full path in the system folder. The
// two ways are public here so that tests can drive the shell way on an .exe.
class Win32Launcher : public Launcher {
 public:
  std::string ErrorText(std::uint32_t error) override;
  bool StartNotepad(const std::string& file) override;

  std::uint32_t StartDirect(const StartRequest& request) override;
  std::uint32_t StartThroughShell(const StartRequest& request) override;
};

}  // namespace sequora::platform::win32
