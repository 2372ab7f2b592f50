#include "startup/Log.h"

namespace sequora::startup {

void StartupLog::AddLog(const std::string& text) {
  logText_ += text + "\r";
  if (settings_.GenerateLogFile)
    AppendToFile("\r\n---  " + environment_.TimeText() + " " + environment_.DateText() + "  ---\r\n" + text + "\r\n");
  if (OnAdded) OnAdded();
}

// One append per entry, so two entries in the same second still give two whole blocks. A file
// that cannot be written loses the entry there; LogText keeps it.
void StartupLog::AppendToFile(const std::string& block) {
  // Entries are rare (what did not go as planned), so reading the size back costs nothing a user
  // would feel.
  if (const auto current = fs_.ReadFile(paths_.LogPath); current && current->size() + block.size() > kMaxLogBytes)
    fs_.RenameOver(paths_.LogPath, OldLogPath());
  fs_.AppendFile(paths_.LogPath, block);
}

std::string StartupLog::OldLogPath() const {
  const std::string& path = paths_.LogPath;
  const std::string suffix = ".log";
  return (path.ends_with(suffix) ? path.substr(0, path.size() - suffix.size()) : path) + ".old.log";
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
