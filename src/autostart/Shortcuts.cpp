#include "autostart/Shortcuts.h"

namespace sequora::autostart {

namespace {
constexpr int kWorkingDirectoryCapacity = 256;
constexpr int kArgumentsCapacity = 255;
constexpr int kPathCapacity = 256;
}  // namespace

ShortcutInfo ReadShortcut(platform::ShellLinks& links, const std::string& shortcutFile) {
  ShortcutInfo info;
  auto link = links.CreateLink();
  if (!link || !link->Load(shortcutFile)) return info;
  auto folder = link->GetWorkingDirectory(kWorkingDirectoryCapacity);
  if (!folder) return info;
  info.WorkingDirectory = *folder;
  auto arguments = link->GetArguments(kArgumentsCapacity);
  if (!arguments) return info;
  info.Arguments = *arguments;
  auto target = link->GetPath(kPathCapacity);
  if (!target) return info;
  info.TargetPath = *target;
  return info;
}

std::string GetShortcutTarget(platform::ShellLinks& links, const std::string& shortcutFile) {
  return ReadShortcut(links, shortcutFile).TargetPath;
}

std::string GetShortcutArguments(platform::ShellLinks& links, const std::string& shortcutFile) {
  return ReadShortcut(links, shortcutFile).Arguments;
}

bool CreateShortcut(platform::ShellLinks& links, const std::string& targetPath,
                    const std::string& shortcutFile, const std::string& arguments,
                    const std::string& description, const std::string& workingDirectory,
                    const std::string& iconFile, int iconIndex) {
  auto link = links.CreateLink();
  if (!link || !link->SetPath(targetPath)) return false;
  if (!arguments.empty() && !link->SetArguments(arguments)) return false;
  if (!description.empty() && !link->SetDescription(description)) return false;
  if (!workingDirectory.empty() && !link->SetWorkingDirectory(workingDirectory)) return false;
  if (!iconFile.empty() && iconIndex > 0 && !link->SetIconLocation(iconFile, iconIndex)) return false;
  return link->Save(shortcutFile);
}

}  // namespace sequora::autostart
