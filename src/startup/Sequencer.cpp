// The startup run: the two timers' ticks, RunStartupList and its entry loop, the delay wait, what
// the user can do to the run, and its end. See Sequencer.h for how it waits.
#include "startup/Sequencer.h"

#include <algorithm>
#include <optional>

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
  ShowCaption(CountdownCaption());
}

std::string Sequencer::CountdownCaption() const { return baseCaption_ + "  " + std::to_string(countdown_); }

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
  if (phase_ == RunPhase::Countdown) ShowCaption(CountdownCaption());
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
  if (entry->Started) {  // by hand, before the run came to it: once is enough
    entry->Done = true;
    return false;
  }

  const RunPathRow& row = list_.RunPaths[static_cast<size_t>(n)];
  const bool autostarted = inWindowsAutostart_[static_cast<size_t>(n)];
  const bool startable = !row[1].empty() && !autostarted;

  // Skip test: disabled, refused, already running, skipped, nothing to start. Only a running
  // program that would have started otherwise is logged.
  const EntryStatus status = CheckIfProgrammIsDisabled(list_.ProgramList, n, scan, settings_.CheckRunningProgramTasks);
  if (status.skip) {
    if (status.code == EntryStatusCode::Running && startable && WouldRun(*entry)) LogRunning(n);
    MarkEntrySkipped(n);
    return false;
  }

  if (!startable || entry->ConfirmState == ConfirmState::SkipAll) {
    // A folder without a program: the user must learn that it was not started.
    if (row[1].empty() && !autostarted && entry->ConfirmState != ConfirmState::SkipAll && WouldRun(*entry))
      LogNoProgram(n);
    return false;
  }

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
  if (entry->ConfirmMessageBoxNr >= 1) view_.OpenGroupConfirmation(currentEntry_, entry->ConfirmMessageBoxNr);
  RebuildStatus(currentEntry_);
  if (RunOver()) return true;

  WaitStartupDelay(storage::DelaySeconds(*entry, settings_.ProgramDelayDefault));
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
  // One to three dots, over and over: the line shows the wait goes on and keeps its name in view.
  ShowNext(waitText_ + std::string(static_cast<size_t>(1 + waitPass_ % 3), '.'));
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
  if (entry->Started) {  // run by hand during its wait
    entry->Done = true;
    ShowNext("Done: " + entry->Program);
    return;
  }
  if (entry->Skip || (entry->Disabled != 0 && entry->ConfirmState != ConfirmState::RunAll)) {
    ShowNext("Skipped: " + entry->Program);
    return;
  }
  entry->Done = true;
  const RunPathRow& row = list_.RunPaths[static_cast<size_t>(currentEntry_)];
  const bool started = launcher_.LaunchProgram({row[0], row[1], row[2], ShowStateFor(entry->Minimized)}).started;
  if (started) {
    entry->Started = true;
    ++started_;
  } else {
    ++failed_;
  }
  ShowNext((started ? "Done: " : "Failed: ") + entry->Program);
}

void Sequencer::LogRunning(int n) {
  const storage::ProgramEntry* entry = list_.At(n);
  bool& logged = logged_[static_cast<size_t>(n)];
  if (!entry || logged) return;
  logged = true;
  log_.AddLog("Prog. Nr." + std::to_string(n) + " Not started:\r\n  " + JoinPath(entry->Dir, entry->Program) +
              "\r\n  -> Program is already running. Program skipped!");
}

void Sequencer::LogNoProgram(int n) {
  const storage::ProgramEntry* entry = list_.At(n);
  bool& logged = logged_[static_cast<size_t>(n)];
  if (!entry || logged) return;
  logged = true;
  ++failed_;
  log_.AddLog("Prog. Nr." + std::to_string(n) + " Not started:\r\n  " + JoinPath(entry->Dir, entry->Program) +
              "\r\n  -> No program file is given. Program skipped!");
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

namespace {
std::string Programs(int count) { return count == 1 ? "1 program" : std::to_string(count) + " programs"; }
}  // namespace

std::string Sequencer::EndNoticeText() const {
  std::string text = "Startup list done: ";
  text += started_ == 0 ? "no program was started." : Programs(started_) + " started.";
  // Only the log file can be opened without holding the end up (the other way is a message box).
  const char* openLog = settings_.GenerateLogFile ? ": click here to see the log." : ".";
  if (failed_ > 0)
    text += "\n" + Programs(failed_) + " could not be started" + openLog;
  else if (!log_.LogText().empty())
    text += std::string("\nSome did not go as planned") + openLog;
  return text;
}

// ---- What the user can do ----------------------------------------------------------------------

void Sequencer::PAUSE_SWITCH() {
  if (RunOver()) return;
  if (view_.TimerOn(RunTimer::Countdown) || view_.TimerOn(RunTimer::Wait)) {
    view_.ShowPaused(true);
    // Nothing starts while paused: "start now" waits for the resume.
    view_.EnableStartNow(false);
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
  // While paused the button is disabled; a call that comes anyway must not half-end a wait.
  if (RunOver() || paused_) return;
  countdown_ = 0;
  tickSeen_ = true;
  abortWait_ = true;  // during the countdown it stays set, so the first entry's wait is cut too
  if (phase_ == RunPhase::Waiting) {
    abortWait_ = false;
    FinishWait();
  }
}

// Would the run start entry n now? The tests of StartEntry, without their log and marks.
bool Sequencer::WillStart(int n, const ProcessScan& scan) {
  storage::ProgramEntry* entry = list_.At(n);
  if (!entry || entry->Started) return false;
  if (CheckIfProgrammIsDisabled(list_.ProgramList, n, scan, settings_.CheckRunningProgramTasks).skip) return false;
  const RunPathRow& row = list_.RunPaths[static_cast<size_t>(n)];
  if (row[1].empty() || inWindowsAutostart_[static_cast<size_t>(n)]) return false;
  if (entry->ConfirmState == ConfirmState::SkipAll) return false;
  if (settings_.CheckRunningProgramTasks && entry->IsRunning) return false;
  return WouldRun(*entry);
}

std::optional<int> Sequencer::NextToStart(int from, const ProcessScan& scan) {
  for (int n = std::max(from, kFirst); n <= kLast; ++n)
    if (WillStart(n, scan)) return n;
  return std::nullopt;
}

// Passes over the program that would start next: the one waited for, or during the countdown
// the first the run would start. Its row says so, and caption, label, highlight and countdown row
// move on together to the next program, which waits its own delay; the countdown goes on.
void Sequencer::SkipNext() {
  if (RunOver()) return;
  const ProcessScan scan = list_.Scan();
  const bool waiting = phase_ == RunPhase::Waiting;
  if (!waiting) {
    const std::optional<int> next = NextToStart(currentEntry_, scan);
    if (!next) {
      EndRun();
      return;
    }
    currentEntry_ = *next;
  }
  MarkEntrySkipped(currentEntry_);
  ++currentEntry_;
  if (waiting && !paused_) {
    RunEntries();  // the next program's own wait begins now
    return;
  }
  // Paused in a wait: the wait is dropped; on resume the run goes on from the next program.
  if (waiting) phase_ = RunPhase::Running;
  const std::optional<int> next = NextToStart(currentEntry_, scan);
  if (!next) {
    EndRun();
    return;
  }
  currentEntry_ = *next;
  const storage::ProgramEntry& entry = *list_.At(currentEntry_);
  ShowNext("Next -> (" + std::to_string(currentEntry_) + ") " + entry.Program);
  const std::string caption = phase_ == RunPhase::Countdown ? CountdownCaption() : next_;
  ShowCaption(paused_ ? kPausePrefix + caption : caption);
  RebuildStatus(currentEntry_);
}

}  // namespace sequora::startup
