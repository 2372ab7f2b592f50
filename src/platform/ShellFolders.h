#pragma once
// The shell's special folders that Sequora needs: the Startup folders of the current user and of
// all users. Win32: platform/win32/Win32ShellFolders (SHGetFolderPathA); tests:
// platform/fake/FakeShellFolders.
#include <optional>
#include <string>

namespace sequora::platform {

class ShellFolders {
 public:
  enum class Folder { Startup, CommonStartup };

  virtual ~ShellFolders() = default;
  // The folder's path as the shell reports it (long form, no trailing separator); nullopt when
  // the shell cannot give it. The folder is not created.
  virtual std::optional<std::string> FolderPath(Folder folder) = 0;
};

}  // namespace sequora::platform
