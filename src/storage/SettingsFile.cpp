#include "storage/SettingsFile.h"

namespace sequora::storage {

namespace key {
namespace {
std::string Entry(int n, const char* suffix) { return "Program" + std::to_string(n) + suffix; }
}  // namespace
std::string Program(int n) { return Entry(n, ""); }
std::string ProgramDir(int n) { return Entry(n, "Dir"); }
std::string ProgramParam(int n) { return Entry(n, "Param"); }
std::string ProgramStartupDelay(int n) { return Entry(n, "StartupDelay"); }
std::string ProgramMinimized(int n) { return Entry(n, "Minimized"); }
std::string ProgramDisabled(int n) { return Entry(n, "Disabled"); }
std::string ProgramConfirmMessageBoxNr(int n) { return Entry(n, "ConfirmMessageBoxNr"); }
std::string ConfirmGroupName(int g) { return "ConfirmGroup" + std::to_string(g) + "Name"; }
}  // namespace key

std::string DefaultIniText() {
  std::string text;
  text.reserve(16 * 1024);
  auto line = [&](const std::string& s) { text += s + "\r\n"; };
  line("# Max " + std::to_string(kMaxPrograms) + " Programs allowed!");
  line("");
  line("[" + std::string(section::kMainSettings) + "]");
  line(std::string(key::kStartMinimized) + "=0");
  line(std::string(key::kSystemTray) + "=0");
  line(std::string(key::kInitialStartupTime) + "=30");
  line(std::string(key::kProgramDelayDefault) + "=2");
  line(std::string(key::kSkipWindowsAutoRunPrograms) + "=0");
  line(std::string(key::kAutoRemoveDoublesFromWindowsAutostart) + "=0");
  line(std::string(key::kCheckRunningProgramTasks) + "=1");
  line(std::string(key::kGenerateLogFile) + "=1");
  line(std::string(key::kDeleteLogfileOnStartup) + "=0");
  line("");
  line("[" + std::string(section::kProgramList) + "]");
  for (int n = 1; n <= kDefaultFileBlocks; ++n) {
    line(key::Program(n) + "=");
    line(key::ProgramDir(n) + "=");
    line(key::ProgramParam(n) + "=");
    line(key::ProgramStartupDelay(n) + "=");
    line(key::ProgramMinimized(n) + "=");
    line(key::ProgramDisabled(n) + "=");
    line(key::ProgramConfirmMessageBoxNr(n) + "=-1");
    line("");
  }
  line("");
  line("[" + std::string(section::kGroups) + "]");
  line("");
  line("");
  line("[" + std::string(section::kBackup) + "]");
  line("");
  return text;
}

platform::FileCreation CreateDefaultIni(platform::FileSystem& fs, const std::string& iniPath) {
  return fs.CreateNewFile(iniPath, DefaultIniText());
}

bool WriteDefaultIni(platform::FileSystem& fs, const std::string& iniPath) {
  return CreateDefaultIni(fs, iniPath) == platform::FileCreation::Created;
}

}  // namespace sequora::storage
