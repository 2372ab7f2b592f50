#include "platform/win32/Win32ShellFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace sequora::platform::win32 {

std::optional<std::string> Win32ShellFolders::FolderPath(Folder folder) {
  const int csidl = folder == Folder::Startup ? CSIDL_STARTUP : CSIDL_COMMON_STARTUP;
  char path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) || path[0] == '\0')
    return std::nullopt;
  return std::string(path);
}

}  // namespace sequora::platform::win32
