#include "autostart/StartupFolders.h"

#include <optional>

#include "autostart/Registry.h"
#include "base/Paths.h"
#include "base/StringOps.h"

namespace sequora::autostart {

namespace {

std::string WithSeparator(const std::string& folder) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder;
  return folder + "\\";
}

}  // namespace

StartupFolders GetStartupFolders(platform::ShellFolders& shell, platform::Registry& registry,
                                 platform::Environment& environment) {
  using Folder = platform::ShellFolders::Folder;
  std::optional<std::string> templateText;  // read once, and only when the shell fails
  auto fallback = [&](const char* profileVariable) {
    if (!templateText) templateText = AddPathSeparator(ReadRegistryPath(registry, kDefaultStartupTemplatePath));
    if (templateText->empty()) return std::string();
    return ReplaceText(*templateText, "%UserProfile%", environment.GetVariable(profileVariable), false);
  };
  StartupFolders folders;
  auto user = shell.FolderPath(Folder::Startup);
  folders.currentUser = user ? WithSeparator(*user) : fallback("UserProfile");
  auto common = shell.FolderPath(Folder::CommonStartup);
  folders.allUsers = common ? WithSeparator(*common) : fallback("AllUsersProfile");
  return folders;
}

}  // namespace sequora::autostart
