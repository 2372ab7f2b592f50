#include "run/LaunchProgram.h"

#include "base/StringOps.h"
#include "platform/FilePaths.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::run {

void LaunchProgram(const LaunchContext& context, const std::string& command, int style, const std::string& params,
                   std::string& dir) {
  platform::FileSystem& fs = context.fileSystem;

  // The drive is the letter before the first colon ("C:\...", also "\"C:\..."), else the first
  // character of the command.
  size_t colon = command.find(':');
  if (colon != std::string::npos) {
    if (colon > 0) fs.ChangeDrive(command[colon - 1]);
  } else if (!command.empty()) {
    fs.ChangeDrive(command[0]);
  }

  // The folder of a quoted command is taken without its opening quote, so that it can be used.
  if (dir.empty()) dir = GetDirectoryPart(fs, StripQuotes(command));
  if (!dir.empty()) fs.ChangeDirectory(dir);  // a missing folder leaves the current one

  std::string file = GetShortPath(fs, command);
  if (!fs.FileExists(file) &&
      storage::Ini(fs).ReadIni(storage::section::kMainSettings, storage::key::kGenerateLogFile, context.iniPath, "1",
                              true) == "1" &&
      context.addLog)
    context.addLog("Error: File not found - " + command);

  context.launcher.StartProgram(Trim(QuoteIfSpaces(file) + " " + params), style);

  if (!context.appDir.empty()) fs.ChangeDrive(context.appDir[0]);
  fs.ChangeDirectory(context.appDir);
}

}  // namespace sequora::run
