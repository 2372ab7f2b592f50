#include "startup/Launcher.h"

#include "base/StringOps.h"
#include "platform/FilePaths.h"

namespace sequora::startup {

std::string ProgramLauncher::LaunchProgram(const std::string& command, int style, const std::string& params,
                                           std::string dir) {
  // The drive is the letter before the first colon ("C:\...", also "\"C:\..."), else the first
  // character of the command.
  size_t colon = command.find(':');
  if (colon != std::string::npos) {
    if (colon > 0) fs_.ChangeDrive(command[colon - 1]);
  } else if (!command.empty()) {
    fs_.ChangeDrive(command[0]);
  }

  // The folder of a quoted command is taken without its opening quote, so that it can be used.
  if (dir.empty()) dir = GetDirectoryPart(fs_, StripQuotes(command));
  if (!dir.empty()) fs_.ChangeDirectory(dir);  // a missing folder leaves the current one

  std::string file = GetShortPath(fs_, command);
  if (!fs_.FileExists(file) && settings_.GenerateLogFile) log_.AddLog("Error: File not found - " + command);

  launcher_.StartProgram(Trim(QuoteIfSpaces(file) + " " + params), style);

  const std::string& appDir = paths_.AppDir;
  if (!appDir.empty()) fs_.ChangeDrive(appDir[0]);
  fs_.ChangeDirectory(appDir);
  return dir;
}

}  // namespace sequora::startup
