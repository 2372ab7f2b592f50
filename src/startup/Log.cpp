#include "startup/Log.h"

namespace sequora::startup {

void StartupLog::AddLog(const std::string& text) {
  logText_ += text + "\r";
  // One append per entry, so two entries in the same second still give two whole blocks. A file
  // that cannot be written loses the entry there; LogText keeps it.
  const std::string block =
      "\r\n---  " + environment_.TimeText() + " " + environment_.DateText() + "  ---\r\n" + text + "\r\n";
  fs_.AppendFile(paths_.LogPath, block);
  if (OnAdded) OnAdded();
}

std::string StartupLog::GetLog() {
  if (settings_.GenerateLogFile)
    launcher_.StartNotepad(paths_.LogPath);
  else
    dialogs_.MsgBox(logText_, "Log", platform::msgbox::kInformation);
  return logText_;
}

void StartupLog::DeleteLogFile() {
  fs_.RemoveFile(paths_.LogPath);
  fs_.WriteFile(paths_.LogPath, "");
}

}  // namespace sequora::startup
