#include "platform/fake/FakeLauncher.h"

#include "base/StringOps.h"
#include "platform/CommandLine.h"

namespace sequora::platform {

bool FakeLauncher::StartNotepad(const std::string& file) {
  notepadFiles.push_back(file);
  return true;
}

void FakeLauncher::FailWith(StartWay way, std::uint32_t error, std::string program) {
  failures_.push_back({way, error, std::move(program)});
}

std::uint32_t FakeLauncher::Attempted(StartWay way, const StartRequest& request) {
  std::uint32_t error = 0;
  for (auto rule = failures_.rbegin(); rule != failures_.rend(); ++rule)
    if (rule->way == way && (rule->program.empty() || EqualsNoCase(rule->program, request.program))) {
      error = rule->error;
      break;
    }
  attempts.push_back({way, request.program, request.parameters, request.folder, request.showState, error});
  if (error == 0)
    started.push_back({BuildCommandLine(request.program, request.parameters), request.showState, request.folder, way});
  return error;
}

std::uint32_t FakeLauncher::StartDirect(const StartRequest& request) {
  return Attempted(StartWay::Direct, request);
}

std::uint32_t FakeLauncher::StartThroughShell(const StartRequest& request) {
  return Attempted(StartWay::Shell, request);
}

std::string FakeLauncher::ErrorText(std::uint32_t error) {
  switch (error) {
    case 2: return "The system cannot find the file specified";
    case 3: return "The system cannot find the path specified";
    case 5: return "Access is denied";
    case 267: return "The directory name is invalid";
    case 740: return "The requested operation requires elevation";
    case 1155: return "No application is associated with the specified file for this operation";
    case 1223: return "The operation was canceled by the user";
    default: return "error " + std::to_string(error);
  }
}

}  // namespace sequora::platform
