#pragma once
// Special folders for the tests: plain fields; nullopt plays a shell that cannot give the folder.
#include "platform/ShellFolders.h"

namespace sequora::platform {

class FakeShellFolders : public ShellFolders {
 public:
  std::optional<std::string> startup = "C:\\Users\\user\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup";
  std::optional<std::string> commonStartup = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp";
  int calls = 0;

  std::optional<std::string> FolderPath(Folder folder) override;
};

}  // namespace sequora::platform
