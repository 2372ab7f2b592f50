#include "startup/Launcher.h"

#include "base/Paths.h"
#include "base/StringOps.h"
#include "platform/CommandLine.h"
#include "platform/FilePaths.h"

namespace sequora::startup {

namespace {

// A call's texts before any look at the file system.
struct ExpandedCall {
  std::string folder;  // absolute, or empty
  std::string program;
  std::string parameters;
};

ExpandedCall ExpandCall(platform::Environment& environment, const std::string& appDir, const ProgramCall& call) {
  ExpandedCall expanded;
  std::string folder = platform::RemoveQuotes(environment.ExpandVariables(call.folder));
  const platform::ProgramText text = platform::SplitProgramText(environment.ExpandVariables(call.program));
  expanded.parameters = Trim(text.parameters + " " + environment.ExpandVariables(call.parameters));
  // Relative paths are taken from Sequora's folder, which was the current folder for every start
  // but the first.
  if (!folder.empty() && !IsAbsolutePath(folder)) folder = JoinPath(appDir, folder);
  expanded.folder = folder;
  expanded.program = text.program;
  return expanded;
}

std::string PathIn(const std::string& appDir, const std::string& folder, const std::string& program) {
  std::string path = platform::RemoveQuotes(JoinPath(folder, program));
  if (!path.empty() && !IsAbsolutePath(path)) path = JoinPath(appDir, path);
  return path;
}

}  // namespace

ResolvedCall ResolveProgramCall(platform::FileSystem& fs, platform::Environment& environment,
                                const std::string& appDir, const ProgramCall& call) {
  const ExpandedCall expanded = ExpandCall(environment, appDir, call);
  ResolvedCall resolved;
  resolved.parameters = expanded.parameters;
  const std::string folder = expanded.folder.empty() ? std::string() : JoinPath(GetLongPath(fs, expanded.folder), "");
  const std::string path = PathIn(appDir, folder, expanded.program);
  if (path.empty()) return resolved;
  resolved.path = GetLongPath(fs, path);
  resolved.folder = folder.empty() ? GetDirectoryPart(fs, resolved.path) : folder;
  return resolved;
}

std::string ProgramCallPath(platform::Environment& environment, const std::string& appDir, const ProgramCall& call) {
  const ExpandedCall expanded = ExpandCall(environment, appDir, call);
  return PathIn(appDir, expanded.folder.empty() ? std::string() : JoinPath(expanded.folder, ""), expanded.program);
}

platform::StartResult ProgramLauncher::LaunchProgram(const ProgramCall& call) {
  const ResolvedCall resolved = ResolveProgramCall(fs_, environment_, paths_.AppDir, call);
  platform::StartResult result;
  result.error = platform::error::kFileNotFound;
  if (resolved.path.empty()) return result;

  // No point in a start that must fail: the system would only say the same less clearly.
  if (!fs_.FileExists(resolved.path)) {
    if (settings_.GenerateLogFile) log_.AddLog("Error: File not found - " + platform::QuoteProgramPath(resolved.path));
    result.errorText = launcher_.ErrorText(result.error);
    return result;
  }

  result = launcher_.Start({resolved.path, resolved.parameters, resolved.folder, call.showState});
  if (!result.started)
    log_.AddLog("Error: Could not start - " + platform::BuildCommandLine(resolved.path, resolved.parameters) + " (" +
                result.errorText + ")");
  return result;
}

}  // namespace sequora::startup
