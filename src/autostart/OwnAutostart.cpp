#include "autostart/OwnAutostart.h"

#include "autostart/Shortcuts.h"
#include "autostart/StartupFolders.h"
#include "base/Paths.h"

namespace sequora::autostart {

std::string OwnShortcutPath(const platform::Platform& p) {
  const std::string folder = GetStartupFolders(p.shellFolders, p.registry, p.environment).currentUser;
  if (folder.empty()) return {};
  return folder + p.environment.ExeName() + ".lnk";
}

bool OwnShortcutExists(const platform::Platform& p) {
  const std::string path = OwnShortcutPath(p);
  return !path.empty() && p.fileSystem.FileExists(path);
}

OwnAutostartResult SetOwnAutostart(const platform::Platform& p, bool on) {
  const std::string path = OwnShortcutPath(p);
  if (path.empty()) return {false, "Windows does not name a Startup folder for this user."};
  if (!on) {
    if (!p.fileSystem.FileExists(path) || p.fileSystem.RemoveFile(path)) return {};
    return {false, "The shortcut " + path + " could not be removed."};
  }
  const std::string folder = p.environment.AppPath();
  const std::string program = AddPathSeparator(folder) + p.environment.ExeName() + ".exe";
  // Icon index 0 is the executable's first icon, which the shortcut shows without being told.
  if (CreateShortcut(p.shellLinks, program, path, p.environment.Arguments(), folder, folder, program, 0)) return {};
  return {false, "The shortcut " + path + " could not be written."};
}

}  // namespace sequora::autostart
