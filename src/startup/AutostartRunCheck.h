#pragma once
// The run's answer to "does Windows start this program itself?" (AutostartCheck), from the
// registry's Run keys and the Startup folders. One autostart::WindowsAutostartCheck serves one
// run: it is made at the run's first question and dropped when the pre-scan is over, so a run
// scans once, and again only after a question that took an item out of Windows. What went wrong
// while taking an item out is shown to the user at once.
#include <optional>
#include <string>

#include "autostart/WindowsAutostartCheck.h"
#include "platform/Dialogs.h"
#include "startup/RunView.h"
#include "storage/AppPaths.h"

namespace sequora::startup {

class AutostartRunCheck : public AutostartCheck {
 public:
  // `paths` is read at the first question of each run (the main window fills it at load).
  AutostartRunCheck(autostart::AutostartPlatform platform, platform::Dialogs& dialogs,
                    const storage::AppPaths& paths)
      : platform_(platform), dialogs_(dialogs), paths_(paths) {}

  bool CheckWindowsAutostart(const std::string& programCall, bool takeOut) override;
  void Finished() override;

  // Scans of the autostart locations in all runs so far, and items taken out of Windows.
  int Scans() const { return scans_ + (check_ ? check_->Scans() : 0); }
  int TakenOut() const { return takenOut_; }

 private:
  autostart::AutostartPlatform platform_;
  platform::Dialogs& dialogs_;
  const storage::AppPaths& paths_;
  std::optional<autostart::WindowsAutostartCheck> check_;
  int scans_ = 0;
  int takenOut_ = 0;
};

}  // namespace sequora::startup
