#pragma once
#include "platform/ShellFolders.h"

namespace sequora::platform::win32 {

// ShellFolders on SHGetFolderPathA.
class Win32ShellFolders : public ShellFolders {
 public:
  std::optional<std::string> FolderPath(Folder folder) override;
};

}  // namespace sequora::platform::win32
