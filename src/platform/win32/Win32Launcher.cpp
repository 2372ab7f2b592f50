#include "platform/win32/Win32Launcher.h"

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

bool Win32Launcher::StartProgram(const std::string& commandLine, int showState) {
  if (commandLine.empty()) return false;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showState);
  PROCESS_INFORMATION started{};
  std::string buffer = commandLine;  // CreateProcessA may write into its command line
  if (!::CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
    return false;
  UniqueHandleObj process(started.hProcess);
  UniqueHandleObj thread(started.hThread);
  return true;
}

bool Win32Launcher::StartNotepad(const std::string& file) {
  // Quoted, so that a folder with blanks reaches Notepad as one file name.
  return StartProgram("notepad.exe \"" + file + "\"", SW_SHOWNORMAL);
}

}  // namespace sequora::platform::win32
