#include "forms/about/OnlineUpdate.h"

namespace sequora::forms {

namespace {

constexpr char kTitle[] = "Online-Update";

bool FetchUpdater(const platform::Platform& p, const UpdateRequest& request, const std::string& updater) {
  const std::string partial = updater + ".download";
  p.fileSystem.RemoveFile(partial);  // left by an earlier attempt that was cut off
  const platform::DownloadResult result = p.download.DownloadToFile(request.updaterUrl, partial);
  if (result.ok && p.fileSystem.RenameOver(partial, updater)) return true;
  p.fileSystem.RemoveFile(partial);
  return false;
}

}  // namespace

bool UpdateProgram(const platform::Platform& p, const UpdateRequest& request) {
  for (const std::string* url : {&request.newProgramUrl, &request.updaterUrl}) {
    if (platform::IsPermittedDownloadUrl(*url)) continue;
    p.dialogs.MsgBox("The update address " + *url +
                         " is not allowed.\r\rSequora fetches updates only over https://.",
                     kTitle, platform::msgbox::kCritical);
    return false;
  }

  const std::string updater = request.folder + request.updaterFile;
  if (!p.fileSystem.FileExists(updater) && !FetchUpdater(p, request, updater)) {
    p.dialogs.MsgBox(request.updaterFile + "\r\rDownload Failed! ", kTitle, platform::msgbox::kCritical);
    return false;
  }

  platform::StartRequest start;
  start.program = updater;
  start.parameters = "[URL]" + request.newProgramUrl + " [PATH]" + request.programFile;
  start.folder = request.folder;
  start.showState = platform::show::kNormal;
  const platform::StartResult started = p.launcher.Start(start);
  if (!started.started) {
    p.dialogs.MsgBox(request.updaterFile + "\r\rcould not be started (" + started.errorText + ").", kTitle,
                     platform::msgbox::kCritical);
    return false;
  }
  p.windows.EndProgram(0);
  return true;
}

}  // namespace sequora::forms
