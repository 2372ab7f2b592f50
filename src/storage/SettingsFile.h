#pragma once
// The settings file Sequora.ini: its sections, the names of its keys and the default file that is
// written when none exists.
#include <string>

#include "platform/FileSystem.h"

namespace sequora::storage {

inline constexpr char kSettingsFileName[] = "Sequora.ini";
inline constexpr int kMaxPrograms = 101;      // entries 1..101, as the default file announces
inline constexpr int kDefaultFileBlocks = 100;  // entry blocks in the default file

namespace section {
inline constexpr char kMainSettings[] = "MainSettings";
inline constexpr char kProgramList[] = "ProgramList";
inline constexpr char kGroups[] = "Groups";
inline constexpr char kBackup[] = "Backup";
}  // namespace section

namespace key {
inline constexpr char kStartMinimized[] = "StartMinimized";
inline constexpr char kSystemTray[] = "SystemTray";
inline constexpr char kInitialStartupTime[] = "InitialStartupTime";
inline constexpr char kProgramDelayDefault[] = "ProgramDelayDefault";
inline constexpr char kSkipWindowsAutoRunPrograms[] = "SkipWindowsAutoRunPrograms";
inline constexpr char kAutoRemoveDoublesFromWindowsAutostart[] = "AutoRemoveDoublesFromWindowsAutostart";
inline constexpr char kCheckRunningProgramTasks[] = "CheckRunningProgramTasks";
inline constexpr char kGenerateLogFile[] = "GenerateLogFile";
inline constexpr char kDeleteLogfileOnStartup[] = "DeleteLogfileOnStartup";
inline constexpr char kUpdateUrl[] = "UpdateUrl";      // optional: not in the default file
inline constexpr char kUpdaterUrl[] = "UpdaterUrl";    // optional: not in the default file

// Keys of entry n in ProgramList: "Program7", "Program7Dir", ...
std::string Program(int n);
std::string ProgramDir(int n);
std::string ProgramParam(int n);
std::string ProgramStartupDelay(int n);
std::string ProgramMinimized(int n);
std::string ProgramDisabled(int n);
std::string ProgramConfirmMessageBoxNr(int n);
// Key of group g in Groups: "ConfirmGroup12Name".
std::string ConfirmGroupName(int g);
}  // namespace key

// The exact bytes of the default settings file (CR LF line endings).
std::string DefaultIniText();

// Writes the default file at `iniPath` when nothing is there (create-new): a file that exists is
// never touched, even when the caller's own test for it just failed. Created means the new file
// holds the whole default text; the caller sets its NewSettingsFile flag from that.
platform::FileCreation CreateDefaultIni(platform::FileSystem& fs, const std::string& iniPath);
// CreateDefaultIni as a yes/no (true when created), for the caller that has not moved to it yet.
bool WriteDefaultIni(platform::FileSystem& fs, const std::string& iniPath);

}  // namespace sequora::storage
