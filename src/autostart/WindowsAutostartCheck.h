#pragma once
// The run's duplicate check: does Windows itself start the program of a list entry? Built once
// per run; the run asks it for each entry (CheckWindowsAutostart). It scans what the import
// window scans on its first load ("Current User" only: the user's Run keys of both registry views
// and the user's Startup folder) once, at the first question, and again only after a question
// that took something out of Windows.
//
// An item matches when its command line contains the entry's folder and file (letter case
// ignored), or when the program it starts is the same file as the entry's, written differently
// (8.3 short form, an environment variable, other letter case). Items switched off in Windows'
// startup settings never match: Windows does not start them. Only the first match in the
// registry and the first in the Startup folder count; with remove doubles both are taken out,
// backed up (AutostartBackup).
#include <optional>
#include <string>
#include <vector>

#include "autostart/AutostartBackup.h"
#include "autostart/AutostartScanner.h"
#include "autostart/ImportTexts.h"

namespace sequora::autostart {

struct AutostartCheckResult {
  bool found = false;               // Windows starts the program itself: skip the entry
  int takenOut = 0;                 // items taken out of Windows by this question
  std::vector<Message> messages;    // what went wrong while taking out, to be shown
};

class WindowsAutostartCheck {
 public:
  // `iniPath` and `backupDir` as for the import: Sequora.ini and its Backup folder.
  WindowsAutostartCheck(AutostartPlatform platform, std::string iniPath, std::string backupDir);

  // `programCall`: the entry's folder (with its separator) and program file, no parameters.
  AutostartCheckResult CheckWindowsAutostart(const std::string& programCall, bool removeDoubles);

  int Scans() const { return scans_; }

 private:
  struct Known {
    AutostartItem item;
    std::string lowerCommand;
    std::string programKey;
  };
  void ScanIfStale();
  const Known* FirstMatch(const std::vector<Known>& items, const std::string& lowerCall, const std::string& key) const;

  AutostartPlatform p_;
  AutostartScanner scanner_;
  AutostartBackup backup_;
  std::vector<Known> registry_;
  std::vector<Known> shortcuts_;
  bool stale_ = true;
  int scans_ = 0;
};

}  // namespace sequora::autostart
