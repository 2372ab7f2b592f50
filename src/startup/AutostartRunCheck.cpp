#include "startup/AutostartRunCheck.h"

namespace sequora::startup {

bool AutostartRunCheck::CheckWindowsAutostart(const std::string& programCall, bool takeOut) {
  if (!check_) check_.emplace(platform_, paths_.IniPath, paths_.BackupDir);
  const autostart::AutostartCheckResult result = check_->CheckWindowsAutostart(programCall, takeOut);
  takenOut_ += result.takenOut;
  for (const autostart::Message& m : result.messages) dialogs_.MsgBox(m.text, m.title, m.style);
  return result.found;
}

void AutostartRunCheck::Finished() {
  if (!check_) return;
  scans_ += check_->Scans();
  check_.reset();
}

}  // namespace sequora::startup
