#include "storage/AppPaths.h"

#include "base/Paths.h"
#include "storage/SettingsFile.h"

namespace sequora::storage {

AppPaths AppPaths::For(const std::string& appDir, const std::string& exeName) {
  AppPaths paths;
  paths.AppDir = AddPathSeparator(appDir);
  paths.IniPath = paths.AppDir + kSettingsFileName;
  paths.BackupDir = paths.AppDir + "Backup\\";
  paths.IconsDir = paths.AppDir + "Icons\\";
  paths.LogPath = paths.AppDir + exeName + "_LogFile.log";
  return paths;
}

}  // namespace sequora::storage
