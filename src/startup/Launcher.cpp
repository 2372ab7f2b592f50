#include "startup/Launcher.h"

#include "base/Paths.h"
#include "base/StringOps.h"
#include "platform/CommandLine.h"
#include "platform/FilePaths.h"

namespace sequora::startup {

platform::StartResult ProgramLauncher::LaunchProgram(const ProgramCall& call) {
  std::string folder = platform::RemoveQuotes(environment_.ExpandVariables(call.folder));
  const platform::ProgramText text = platform::SplitProgramText(environment_.ExpandVariables(call.program));
  const std::string parameters = Trim(text.parameters + " " + environment_.ExpandVariables(call.parameters));

  platform::StartResult result;
  result.error = platform::error::kFileNotFound;
  // Relative paths are taken from Sequora's folder, which was the current folder for every start
  // but the first.
  if (!folder.empty()) {
    if (!IsAbsolutePath(folder)) folder = JoinPath(paths_.AppDir, folder);
    folder = JoinPath(GetLongPath(fs_, folder), "");
  }
  std::string path = platform::RemoveQuotes(JoinPath(folder, text.program));
  if (path.empty()) return result;
  if (!IsAbsolutePath(path)) path = JoinPath(paths_.AppDir, path);
  path = GetLongPath(fs_, path);
  if (folder.empty()) folder = GetDirectoryPart(fs_, path);

  // No point in a start that must fail: the system would only say the same less clearly.
  if (!fs_.FileExists(path)) {
    if (settings_.GenerateLogFile) log_.AddLog("Error: File not found - " + platform::QuoteProgramPath(path));
    result.errorText = launcher_.ErrorText(result.error);
    return result;
  }

  result = launcher_.Start({path, parameters, folder, call.showState});
  if (!result.started)
    log_.AddLog("Error: Could not start - " + platform::BuildCommandLine(path, parameters) + " (" + result.errorText +
                ")");
  return result;
}

}  // namespace sequora::startup
