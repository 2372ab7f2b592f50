#pragma once
// What the startup run shows and asks of its window. The main window implements it; the tests
// record it. Texts are complete: the window puts them where they belong.
#include <string>

#include "startup/StartupList.h"

namespace sequora::startup {

// The run's two one-second timers: the initial countdown, and the delay wait (which also keeps
// the notification tip up to date).
enum class RunTimer { Countdown, Wait };

class RunView {
 public:
  virtual ~RunView() = default;

  // The seconds label: a count, or a word ("PAUSE", "Resume..").
  virtual void ShowSeconds(const std::string& text) = 0;
  // The window caption (also the notification icon's tip).
  virtual void ShowCaption(const std::string& caption) = 0;
  // The line naming the next (or the last started) program.
  virtual void ShowNext(const std::string& text) = 0;
  // Paused or running: the pause button's picture and the colour of the seconds.
  virtual void ShowPaused(bool paused) = 0;
  // "Start the next program now" usable or not.
  virtual void EnableStartNow(bool enabled) = 0;

  virtual bool TimerOn(RunTimer timer) const = 0;
  // Enabling a timer that is off starts a fresh one-second interval.
  virtual void SetTimer(RunTimer timer, bool on) = 0;

  // The status view after a rebuild from entry `first` on.
  virtual void ShowStatus(int first, const StatusView& view) = 0;
  // Entry n was passed over in this run: its row shows it.
  virtual void EntrySkipped(int entry) = 0;
  // Ask the group of `entry` in the confirmation window (the run goes on meanwhile).
  virtual void OpenGroupConfirmation(int entry, int group) = 0;

  // The notification icon, while Sequora sits in the notification area: a new tip, and adding
  // the icon again (it may have been lost).
  virtual void ShowTrayTip(const std::string& tip) = 0;
  virtual void RefreshTrayIcon() = 0;

  // The list is done: a notice of what the run did, beside the notification icon, while the
  // program is about to end. True when the notice is up: the run then waits for
  // Sequencer::EndNoticeClosed, at most kEndNoticeSeconds. False: nobody sees it, the run ends.
  virtual bool ShowEndNotice(const std::string& /*text*/) { return false; }
  // The run is over: the icon goes and the program ends.
  virtual void RunFinished() = 0;
};

// Does Windows start a program itself (a Run value or a Startup-folder shortcut)? Asked once per
// entry before the run; with `takeOut` the item is taken out of the Windows autostart.
class AutostartCheck {
 public:
  virtual ~AutostartCheck() = default;
  virtual bool CheckWindowsAutostart(const std::string& programCall, bool takeOut) = 0;
  // The pre-scan is over: what the checks held may go.
  virtual void Finished() {}
};

}  // namespace sequora::startup
