#pragma once
// Where Sequora keeps its files: all beside the program, not in the user profile.
#include <string>

namespace sequora::storage {

struct AppPaths {
  std::string AppDir;     // the program's folder, ending in a separator
  std::string IniPath;    // AppDir + "Sequora.ini"
  std::string BackupDir;  // AppDir + "Backup\"
  std::string IconsDir;   // AppDir + "Icons\"
  std::string LogPath;    // AppDir + executable name + "_LogFile.log"

  // `appDir` is the program's folder (a separator is added when missing); `exeName` the file
  // name of the executable without its extension.
  static AppPaths For(const std::string& appDir, const std::string& exeName);
};

}  // namespace sequora::storage
