#include "platform/Launcher.h"

#include "base/StringOps.h"
#include "platform/CommandLine.h"

namespace sequora::platform {

StartResult Launcher::Start(const StartRequest& request) {
  StartRequest clean{RemoveQuotes(request.program), Trim(request.parameters), RemoveQuotes(request.folder),
                     request.showState};
  StartResult result;
  if (clean.program.empty()) {
    result.error = error::kFileNotFound;
  } else if (IsExecutableImage(clean.program)) {
    result.error = StartDirect(clean);
    if (result.error == error::kElevationRequired) {
      result.way = StartWay::Shell;
      result.error = StartThroughShell(clean);
    }
  } else {
    result.way = StartWay::Shell;
    result.error = StartThroughShell(clean);
  }
  result.started = result.error == 0;
  if (!result.started) result.errorText = ErrorText(result.error);
  return result;
}

}  // namespace sequora::platform
