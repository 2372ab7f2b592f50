#pragma once
// Module Shortcuts: reads and writes shell shortcut files (.lnk) through a link object of
// platform::ShellLinks. Reading never shows a message: a file that is missing or no shortcut
// gives an empty record.
#include <string>

#include "platform/ShellLinks.h"

namespace sequora::autostart {

struct ShortcutInfo {
  std::string Reserved;  // never filled by reading; kept so the record has its four fields
  std::string TargetPath;
  std::string WorkingDirectory;
  std::string Arguments;  // at most 254 characters: the capacity handed to the shell
};

// Working folder, arguments, then target; a failing step leaves it and the later ones empty.
ShortcutInfo ReadShortcut(platform::ShellLinks& links, const std::string& shortcutFile);
std::string GetShortcutTarget(platform::ShellLinks& links, const std::string& shortcutFile);
std::string GetShortcutArguments(platform::ShellLinks& links, const std::string& shortcutFile);

// Writes (or overwrites) a shortcut. Arguments, description and working directory are set only
// when not empty; the icon only when its file is not empty and its index is above 0.
// false when a step failed (the file may then be missing or unchanged).
bool CreateShortcut(platform::ShellLinks& links, const std::string& targetPath,
                    const std::string& shortcutFile, const std::string& arguments,
                    const std::string& description, const std::string& workingDirectory,
                    const std::string& iconFile, int iconIndex);

}  // namespace sequora::autostart
