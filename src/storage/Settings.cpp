#include "storage/Settings.h"

#include "base/StringOps.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::storage {

namespace {
std::string OnOff(bool on) { return on ? "1" : "0"; }
}  // namespace

std::optional<MainSettings> ReadMainSettings(platform::FileSystem& fs, const std::string& iniPath) {
  const std::optional<IniSnapshot> file = Ini(fs).ReadSnapshot(iniPath);
  if (!file) return std::nullopt;
  auto read = [&](const char* key, const char* defaultValue) {
    return file->ReadIni(section::kMainSettings, key, defaultValue);
  };
  MainSettings s;
  s.CheckRunningProgramTasks = read(key::kCheckRunningProgramTasks, "0") != "0";
  s.DeleteLogfileOnStartup = read(key::kDeleteLogfileOnStartup, "0") == "1";
  s.SystemTray = read(key::kSystemTray, "0") != "0";
  s.SkipWindowsAutoRunPrograms = read(key::kSkipWindowsAutoRunPrograms, "1") != "0";
  s.AutoRemoveDoubles =
      s.SkipWindowsAutoRunPrograms && read(key::kAutoRemoveDoublesFromWindowsAutostart, "0") != "0";
  s.InitialStartupTime = ToInt16(read(key::kInitialStartupTime, "20")).value_or(s.InitialStartupTime);
  s.ProgramDelayDefault = ToInt16(read(key::kProgramDelayDefault, "2")).value_or(s.ProgramDelayDefault);
  s.GenerateLogFile = read(key::kGenerateLogFile, "1") == "1";
  const std::optional<double> minimized = ToNumber(read(key::kStartMinimized, "0"));
  s.StartMinimized = minimized && *minimized != 0;
  s.UpdateUrl = Trim(read(key::kUpdateUrl, ""));
  s.UpdaterUrl = Trim(read(key::kUpdaterUrl, ""));
  return s;
}

bool WriteMainSettings(platform::FileSystem& fs, const std::string& iniPath, const MainSettings& s) {
  return Ini(fs).WriteValues(section::kMainSettings,
                                {{key::kStartMinimized, OnOff(s.StartMinimized)},
                                 {key::kSystemTray, OnOff(s.SystemTray)},
                                 {key::kInitialStartupTime, std::to_string(s.InitialStartupTime)},
                                 {key::kProgramDelayDefault, std::to_string(s.ProgramDelayDefault)},
                                 {key::kSkipWindowsAutoRunPrograms, OnOff(s.SkipWindowsAutoRunPrograms)},
                                 {key::kAutoRemoveDoublesFromWindowsAutostart, OnOff(s.AutoRemoveDoubles)},
                                 {key::kCheckRunningProgramTasks, OnOff(s.CheckRunningProgramTasks)}},
                                iniPath, true) == IniWrite::Written;
}

}  // namespace sequora::storage
