#include "platform/fake/FakeShellFolders.h"

namespace sequora::platform {

std::optional<std::string> FakeShellFolders::FolderPath(Folder folder) {
  ++calls;
  return folder == Folder::Startup ? startup : commonStartup;
}

}  // namespace sequora::platform
