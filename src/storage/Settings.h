#pragma once
// The global options of section MainSettings as one typed value: read once at start, written as
// a whole by the settings panel. Each key's test is its own (see the key table in SettingsFile.h):
// some count every value but "0" as on, others only "1"; a missing or empty key reads as the
// default shown here, which is not always what the default file holds.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace sequora::storage {

struct MainSettings {
  bool StartMinimized = false;               // StartMinimized: on when its number is not 0
  bool SystemTray = false;                   // SystemTray: on unless "0"
  std::int16_t InitialStartupTime = 20;      // seconds before the first program
  std::int16_t ProgramDelayDefault = 2;      // delay of an entry without its own
  bool SkipWindowsAutoRunPrograms = true;    // on unless "0"
  bool AutoRemoveDoubles = false;            // AutoRemoveDoublesFromWindowsAutostart, read only
                                             // when SkipWindowsAutoRunPrograms is on
  bool CheckRunningProgramTasks = false;     // on unless "0"
  bool GenerateLogFile = true;               // on only if "1"
  bool DeleteLogfileOnStartup = false;       // on only if "1"
  // Where the online update fetches the new program and the updater; "" = the program's own
  // addresses. Only a hand edit sets them (the default file has neither key, a save writes neither).
  std::string UpdateUrl;
  std::string UpdaterUrl;
};

// Reads the options from one read of the settings file. A number that does not convert to a
// 16-bit integer reads as its default, as a missing key does: a countdown of "abc" must not start
// every program at once. A missing file gives every default; nullopt when the file is there but
// cannot be read.
std::optional<MainSettings> ReadMainSettings(platform::FileSystem& fs, const std::string& iniPath);

// Writes the seven options the settings panel edits (not GenerateLogFile and
// DeleteLogfileOnStartup, which only a hand edit changes) in one replacement of the file.
[[nodiscard]] bool WriteMainSettings(platform::FileSystem& fs, const std::string& iniPath, const MainSettings& settings);

}  // namespace sequora::storage
