// The startup run: the two timers' ticks, RunStartupList and its entry loop, the delay wait, what
// the user can do to the run, and its end. See Sequencer.h for how it waits.
#include "startup/Sequencer.h"

#include "base/Paths.h"
#include "base/StringOps.h"

namespace sequora::startup {

namespace {
constexpr int kFirst = storage::ProgramList::kFirst;
constexpr int kLast = storage::ProgramList::kLast;
constexpr const char* kPausePrefix = "Pause - ";
using storage::ConfirmState;

// The run decision: confirmed with "&Run all", or left to (or without) a group and not disabled.
bool WouldRun(const storage::ProgramEntry& entry) {
  return entry.ConfirmState == ConfirmState::RunAll ||
         ((entry.ConfirmState == ConfirmState::Undecided || entry.ConfirmState == ConfirmState::Defaults) &&
          entry.Disabled == 0);
}
}  // namespace

// ---- What the run shows ----------------------------------------------------------------------

void Sequencer::ShowSeconds(std::string text) {
  seconds_ = std::move(text);
  view_.ShowSeconds(seconds_);
}

void Sequencer::ShowCaption(std::string caption) {
  caption_ = std::move(caption);
  view_.ShowCaption(caption_);
}

void Sequencer::ShowNext(std::string text) {
  next_ = std::move(text);
  view_.ShowNext(next_);
}

void Sequencer::RebuildStatus(int first) { view_.ShowStatus(first, list_.Rebuild(first)); }

void Sequencer::SetCountdown(int seconds) {
  countdown_ = seconds;
  ShowSeconds(std::to_string(countdown_));
}

void Sequencer::SetBaseCaption(const std::string& caption) {
  baseCaption_ = caption;
  caption_ = caption;
}

// ---- Ticks -------------------------------------------------------------------------------------

// What every tick does first: nothing after the end, and a tick that arrives while paused turns
// its own timer off.
bool Sequencer::BeginTick(RunTimer timer) {
  if (RunEnded()) return false;
  if (paused_) {
    view_.SetTimer(timer, false);
    return false;
  }
  tickSeen_ = true;
  return true;
}

void Sequencer::Tick(RunTimer timer) {
  if (!BeginTick(timer)) return;
  if (phase_ == RunPhase::Ending) {
    if (++endingTicks_ >= kEndNoticeSeconds) FinishRun();
    return;
  }
  if (timer == RunTimer::Countdown)
    CountdownTick();
  else
    WaitTick();
}

void Sequencer::CountdownTick() {
  --countdown_;
  ++tickCount_;
  // The first two ticks leave the caption alone, so the window first appears with its name.
  if (tickCount_ > 2) ShowCaption(baseCaption_ + "  " + std::to_string(countdown_));
  ShowSeconds(std::to_string(countdown_));
  if (countdown_ < 1) {
    // Also after resuming a paused run: the run starts over at CurrentEntry.
    RunStartupList();
    return;
  }
  if (settings_.SystemTray) {
    view_.ShowTrayTip(caption_);
    if (tickCount_ % 5 == 0) view_.RefreshTrayIcon();
  }
  // The countdown timer runs during a wait only after a resume that left the countdown above 0
  // (a pass-over sets it); its ticks end wait passes as the wait timer's do.
  if (phase_ == RunPhase::Waiting) WaitTickSeen();
}

void Sequencer::WaitTick() {
  if (settings_.SystemTray) view_.ShowTrayTip(caption_);
  if (phase_ == RunPhase::Waiting) WaitTickSeen();
}

// ---- The run -----------------------------------------------------------------------------------

void Sequencer::RunStartupList() {
  if (RunOver()) return;
  // A run in progress (resumed after the countdown) is replaced: its wait is dropped.
  phase_ = RunPhase::Running;
  paused_ = false;
  view_.SetTimer(RunTimer::Countdown, false);
  view_.SetTimer(RunTimer::Wait, true);
  view_.ShowPaused(false);
  if (settings_.SkipWindowsAutoRunPrograms) AutostartPreScan();
  RunEntries();
}

void Sequencer::AutostartPreScan() {
  const bool takeOut = settings_.AutoRemoveDoubles;
  const ProcessScan scan = list_.Scan();
  for (int n = kFirst; n <= kLast; ++n) {
    CheckProgramRunning(list_.ProgramList, n, scan);
    RunPathRow& row = list_.RunPaths[static_cast<size_t>(n)];
    const std::string path = row[0] + row[1];
    if (Trim(path).empty()) continue;
    // Windows' item starts the program at later logons too: it goes only where the entry would
    // start it instead (a disabled entry starts nothing).
    const storage::ProgramEntry* entry = list_.At(n);
    const bool takeOutThis = takeOut && entry && entry->Disabled == 0;
    if (!autostart_.CheckWindowsAutostart(path, takeOutThis)) continue;
    log_.AddLog("Prog. Nr." + std::to_string(n) + " Not started:\r\n  " + path + "\r\n" +
                (takeOutThis
                     ? "  -> Program is now removed from the Registry / Autostart. Program skipped this time!"
                     : "  -> Program is already in Windows Autostart or Registry (run). Program skipped!"));
    row[0].clear();
    row[1].clear();
    inWindowsAutostart_[static_cast<size_t>(n)] = true;
  }
  autostart_.Finished();
}

// The entry loop from CurrentEntry: passes over what must not start and stops at the first entry
// to start (its wait begins) or ends the run past entry 101.
void Sequencer::RunEntries() {
  phase_ = RunPhase::Running;
  // The entries passed over here are tested at one moment: one look at the processes for all.
  const ProcessScan scan = list_.Scan();
  for (; currentEntry_ <= kLast; ++currentEntry_) {
    if (StartEntry(scan)) return;  // waiting, or ended by a call on the way
  }
  EndRun();
}

// Steps of one entry up to its wait. True when the wait began (or the run ended); false when
// the entry is passed over.
bool Sequencer::StartEntry(const ProcessScan& scan) {
  const int n = currentEntry_;
  storage::ProgramEntry* entry = list_.At(n);
  if (!entry) return false;

  const RunPathRow& row = list_.RunPaths[static_cast<size_t>(n)];
  const bool startable = !row[0].empty() && !row[1].empty() && !inWindowsAutostart_[static_cast<size_t>(n)];

  // Skip test: disabled, refused, already running, nothing to start. Only a running program that
  // would have started otherwise is logged.
  const EntryStatus status = CheckIfProgrammIsDisabled(list_.ProgramList, n, scan, settings_.CheckRunningProgramTasks);
  if (status.skip) {
    if (status.code == EntryStatusCode::Running && startable && WouldRun(*entry)) LogRunning(n);
    MarkEntrySkipped(n);
    return false;
  }

  if (!startable || entry->ConfirmState == ConfirmState::SkipAll) return false;

  // Still flagged running by an earlier test although the skip test let it through.
  if (settings_.CheckRunningProgramTasks && entry->IsRunning) {
    LogRunning(n);
    return false;
  }

  if (!WouldRun(*entry)) return false;

  ShowNext("Next -> (" + std::to_string(n) + ") " + entry->Program);
  if (entry->ConfirmMessageBoxNr >= 1 && entry->ConfirmState == ConfirmState::Undecided)
    view_.OpenGroupConfirmation(n, entry->ConfirmMessageBoxNr);
  RebuildStatus(currentEntry_);
  entry = list_.At(currentEntry_);
  const std::string delay = entry->StartupDelay;
  if (entry->ConfirmMessageBoxNr >= 1) view_.OpenGroupConfirmation(currentEntry_, entry->ConfirmMessageBoxNr);
  RebuildStatus(currentEntry_);
  if (RunOver()) return true;

  if (auto seconds = ToInt16(delay)) waitLength_ = *seconds;
  WaitStartupDelay(waitLength_);
  return true;
}

// delay + 1 passes (a delay of 0 still waits for one tick); the first pass ends at the next tick,
// which can come in less than a second. A negative delay makes no pass at all.
void Sequencer::WaitStartupDelay(int delay) {
  if (RunOver()) return;
  view_.SetTimer(RunTimer::Wait, true);
  ShowSeconds(std::to_string(delay));
  waitText_ = next_;
  ShowCaption(std::to_string(delay) + " -> " + waitText_);
  phase_ = RunPhase::Waiting;
  waitDelay_ = delay;
  waitPass_ = 0;
  if (delay < 0) {
    FinishWait();
    return;
  }
  BeginWaitPass();
}

void Sequencer::BeginWaitPass() {
  ShowSeconds(std::to_string(waitDelay_ - waitPass_));
  ShowNext(next_ + ".");
  ShowCaption(seconds_ + " " + waitText_);
  tickSeen_ = false;
  // Set before the wait began (cut short during the countdown): this wait ends at once.
  if (abortWait_) {
    abortWait_ = false;
    FinishWait();
  }
}

// A tick of either timer ended the current pass.
void Sequencer::WaitTickSeen() {
  if (phase_ != RunPhase::Waiting) return;
  ++waitPass_;
  if (waitPass_ > waitDelay_)
    FinishWait();
  else
    BeginWaitPass();
}

// After the wait: launch CurrentEntry (a pass-over during the wait may have moved it), then go on.
void Sequencer::FinishWait() {
  phase_ = RunPhase::Running;
  LaunchCurrentEntry();
  if (RunOver()) return;
  ++currentEntry_;
  RunEntries();
}

void Sequencer::LaunchCurrentEntry() {
  storage::ProgramEntry* entry = list_.At(currentEntry_);
  if (!entry) return;
  if (entry->Skip || (entry->Disabled != 0 && entry->ConfirmState != ConfirmState::RunAll)) {
    ShowNext("Skipped: " + entry->Program);
    return;
  }
  entry->Done = true;
  const RunPathRow& row = list_.RunPaths[static_cast<size_t>(currentEntry_)];
  const bool started = launcher_.LaunchProgram({row[0], row[1], row[2], ShowStateFor(entry->Minimized)}).started;
  if (started) ++started_;
  ShowNext((started ? "Done: " : "Failed: ") + entry->Program);
}

void Sequencer::LogRunning(int n) {
  const storage::ProgramEntry* entry = list_.At(n);
  bool& logged = loggedRunning_[static_cast<size_t>(n)];
  if (!entry || logged) return;
  logged = true;
  log_.AddLog("Prog. Nr." + std::to_string(n) + " Not started:\r\n  " + JoinPath(entry->Dir, entry->Program) +
              "\r\n  -> Program is already running. Program skipped!");
}

void Sequencer::MarkEntrySkipped(int n) {
  storage::ProgramEntry* entry = list_.At(n);
  if (!entry) return;
  entry->Done = true;
  entry->Skip = true;
  view_.EntrySkipped(n);
}

void Sequencer::Stop() {
  phase_ = RunPhase::Ended;
  view_.SetTimer(RunTimer::Countdown, false);
  view_.SetTimer(RunTimer::Wait, false);
}

// The list is done: the user learns what the run did before the program ends.
void Sequencer::EndRun() {
  if (RunOver()) return;
  phase_ = RunPhase::Ending;  // before the notice: whatever the window does meanwhile finds the run over
  paused_ = false;            // a pass-over while paused ends the run too; its notice must count down
  endingTicks_ = 0;
  view_.SetTimer(RunTimer::Countdown, false);
  if (!view_.ShowEndNotice(EndNoticeText())) {
    FinishRun();
    return;
  }
  view_.SetTimer(RunTimer::Wait, true);
}

// Nothing may stay in the notification area, and the program ends.
void Sequencer::FinishRun() {
  if (RunEnded()) return;
  Stop();
  view_.RunFinished();
}

void Sequencer::EndNoticeClosed(bool clicked) {
  if (phase_ != RunPhase::Ending) return;
  if (clicked && !log_.LogText().empty() && settings_.GenerateLogFile) log_.GetLog();
  FinishRun();
}

std::string Sequencer::EndNoticeText() const {
  std::string text = "Startup list done: ";
  if (started_ == 0)
    text += "no program was started.";
  else if (started_ == 1)
    text += "1 program started.";
  else
    text += std::to_string(started_) + " programs started.";
  // Only the log file can be opened without holding the end up (the other way is a message box).
  if (!log_.LogText().empty())
    text += settings_.GenerateLogFile ? "\nSome did not go as planned: click here to see the log."
                                      : "\nSome did not go as planned.";
  return text;
}

// ---- What the user can do ----------------------------------------------------------------------

void Sequencer::PAUSE_SWITCH() {
  if (RunOver()) return;
  if (view_.TimerOn(RunTimer::Countdown) || view_.TimerOn(RunTimer::Wait)) {
    view_.ShowPaused(true);
    ShowSeconds("PAUSE");
    view_.SetTimer(RunTimer::Countdown, false);
    view_.SetTimer(RunTimer::Wait, false);
    paused_ = true;
    ShowCaption(kPausePrefix + caption_);
    return;
  }
  view_.ShowPaused(false);
  paused_ = false;
  // The countdown timer too: once the countdown is over, its next tick starts the run over at
  // CurrentEntry.
  view_.SetTimer(RunTimer::Countdown, true);
  view_.SetTimer(RunTimer::Wait, true);
  view_.EnableStartNow(true);
  // Only our own prefix comes off: a pass-over during the pause has set a caption without it.
  if (caption_.starts_with(kPausePrefix)) ShowCaption(caption_.substr(std::string(kPausePrefix).size()));
  ShowSeconds("Resume..");
}

void Sequencer::StartNextNow() {
  if (RunOver()) return;
  view_.EnableStartNow(false);
  countdown_ = 0;
  if (!paused_) {
    tickSeen_ = true;
    abortWait_ = true;  // during the countdown it stays set, so the first entry's wait is cut too
  }
  if (view_.TimerOn(RunTimer::Countdown) || view_.TimerOn(RunTimer::Wait)) view_.EnableStartNow(true);
  if (phase_ == RunPhase::Waiting && abortWait_) {
    abortWait_ = false;
    FinishWait();
  }
}

void Sequencer::SkipNext() {
  if (RunOver()) return;
  if (storage::ProgramEntry* current = list_.At(currentEntry_)) current->Done = true;
  ++currentEntry_;
  view_.EnableStartNow(true);
  storage::ProgramEntry* entry = nullptr;
  for (;; ++currentEntry_) {
    if (currentEntry_ > kLast) {
      EndRun();
      return;
    }
    entry = list_.At(currentEntry_);
    if (!entry) continue;  // below entry 1: on to the first
    const bool taken = (!entry->Program.empty() || !entry->Dir.empty()) && !entry->Skip &&
                       !(entry->Disabled == 1 && entry->ConfirmState != ConfirmState::RunAll) && !entry->IsRunning &&
                       !inWindowsAutostart_[static_cast<size_t>(currentEntry_)];
    if (taken) break;
    entry->Done = true;
  }
  ShowNext("Next -> (" + std::to_string(currentEntry_) + ") " + entry->Program);
  if (auto seconds = ToInt16(entry->StartupDelay)) countdown_ = *seconds;
  ShowCaption(next_);
  RebuildStatus(currentEntry_ - 1);
}

}  // namespace sequora::startup
