#pragma once
// Sequora's own place in the Windows autostart: a shortcut to sequora.exe in the current user's
// Startup folder (the folder the shell names; GetStartupFolders), named after the executable:
// "<Startup>\Sequora.lnk". The settings panel's "Autorun on Startup" shows and changes it.
#include <string>

#include "platform/Platform.h"

namespace sequora::autostart {

// The shortcut's path; "" when no Startup folder is known.
std::string OwnShortcutPath(const platform::Platform& platform);
bool OwnShortcutExists(const platform::Platform& platform);

struct OwnAutostartResult {
  bool ok = true;
  std::string error;  // for the user: what could not be done; "" when ok
};

// On: writes (or overwrites) the shortcut: target the running executable, its arguments those
// this instance was started with, working folder and description the program's folder, the
// executable's own icon. Off: removes it (a missing shortcut is fine).
OwnAutostartResult SetOwnAutostart(const platform::Platform& platform, bool on);

}  // namespace sequora::autostart
