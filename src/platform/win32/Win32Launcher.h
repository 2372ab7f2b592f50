#pragma once
#include "platform/Launcher.h"

namespace sequora::platform::win32 {

// Starts programs with CreateProcessA; the new process inherits the current directory.
class Win32Launcher : public Launcher {
 public:
  bool StartProgram(const std::string& commandLine, int showState) override;
  bool StartNotepad(const std::string& file) override;
};

}  // namespace sequora::platform::win32
