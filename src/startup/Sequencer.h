#pragma once
// The startup sequencer: counts the initial startup time down, then walks the program list from
// the current entry to entry 101, passes over what must not start, waits each remaining entry's
// own delay and launches it; after the last entry the program ends. The user can pause and resume,
// cut the current wait short, or pass over the next program.
//
// How the run waits without waiting. Nothing loops until a flag changes; every call returns at
// once, and the run is a state machine on the ticks of two one-second timers (RunTimer):
//
//   Countdown --countdown tick, Countdown below 1--> RunStartupList: pre-scan, then the entry loop
//   runs straight through skipped entries from CurrentEntry until it reaches an entry to start.
//   That entry's WaitStartupDelay enters Waiting; past entry 101 the run ends.
//
//   Waiting, pass p of 0..delay: every tick of either timer (what sets TickSeen) ends the pass;
//   after pass `delay` the entry is launched and the entry loop goes on with the next entry.
//   AbortWait ends the wait at once: found set when a pass begins (start-now during the
//   countdown), or set by start-now during the wait.
//
//   Paused: both timers are off, so nothing moves, and "start now" is disabled until the resume
//   (it would otherwise drop half of what the pause held). Resuming turns the countdown timer on
//   again; once the countdown is over its next tick calls RunStartupList again.
//
//   Ending: the list is done and the window shows a notice of what the run did (a balloon at the
//   notification icon). The wait timer counts its seconds; the run ends when the notice closes
//   (clicked, closed, timed out) or after kEndNoticeSeconds ticks, whichever comes first. Nothing
//   the user does to the run has an effect any more. Without a notice the run ends at once.
//
//   Ended: both timers off, RunFinished told to the window. Every call of the run returns at once
//   from then on, so nothing of the run goes on even where ending the program returns (tests).
//
// A restart replaces the run in progress. RunStartupList called during a run (resuming after the
// countdown) drops the wait in progress and starts over at CurrentEntry: the pre-scan runs and
// logs again, and the pending entry is tested and waited for from the beginning. The replaced run
// is never taken up again, so the program ends when the run started last passes entry 101.
//
// Deliberate differences from a loop that simply re-tests flags:
//  - An entry reached after a series of entries found running goes through the skip and empty
//    tests like any other (an empty slot or a program Windows starts itself is never launched).
//  - Entry 101 is tested and started like the others, also right after a skipped entry 100.
//  - A pass-over with nothing left ends the run the normal way: the icon is removed first.
//  - An entry passed over because its program runs is logged, once per run, whichever test found
//    it running; an entry that would not have started anyway (disabled, refused, started by
//    Windows) is not.
//  - The next-program line says how the launch went: "Done: " after a start, "Failed: " after a
//    start that could not be made (the log says why), "Skipped: " when the entry was passed
//    over during its wait. Its dots count the wait's seconds from one to three, over and over.
//  - Passing over skips the program that would start next and marks it so; the program after it
//    waits its own delay (during a wait from then on; during the countdown the countdown goes
//    on). What the window shows of the next program moves on at once, all of it together.
//  - Every delay is one the run can wait: a StartupDelay that is not a number from 0 up waits
//    the default delay. An entry started in this run (by hand too) is not started again; one
//    that names a folder but no program is logged.
//  - The end notice says how many programs could not be started.
#include <array>
#include <optional>
#include <string>

#include "startup/Launcher.h"
#include "startup/Log.h"
#include "startup/RunView.h"
#include "startup/StartupList.h"
#include "storage/Settings.h"

namespace sequora::startup {

enum class RunPhase {
  Countdown,  // before the run, or paused during the countdown
  Running,    // inside the entry loop (only ever seen from within a call)
  Waiting,    // WaitStartupDelay of CurrentEntry is in progress (also when paused)
  Ending,     // the list is done; the end notice is up and the program ends when it goes
  Ended,      // the run is over and the program ended
};

// The longest the end notice keeps the program (ticks of the wait timer).
inline constexpr int kEndNoticeSeconds = 15;

class Sequencer {
 public:
  Sequencer(StartupList& list, const storage::MainSettings& settings, StartupLog& log, ProgramLauncher& launcher,
            AutostartCheck& autostart, RunView& view)
      : list_(list), settings_(settings), log_(log), launcher_(launcher), autostart_(autostart), view_(view) {}

  // Before the first tick: the seconds to count down (shown at once), and the caption the
  // countdown's captions are built on.
  void SetCountdown(int seconds);
  void SetBaseCaption(const std::string& caption);

  // A tick of one of the run's timers.
  void Tick(RunTimer timer);
  // Starts (or starts over) the run at CurrentEntry.
  void RunStartupList();
  // Pause and resume.
  void PAUSE_SWITCH();
  // Cut the countdown or the current wait short: the next program starts now.
  void StartNextNow();
  // Pass over the next program: the run goes on with the one after it.
  void SkipNext();
  // Entry n is done and must not start in this run.
  void MarkEntrySkipped(int n);
  // The run ends with its window: nothing of it goes on.
  void Stop();
  // The end notice went away; `clicked`: the user clicked it, which opens the log when there is
  // something in it. The program ends.
  void EndNoticeClosed(bool clicked);

  int CurrentEntry() const { return currentEntry_; }
  int Countdown() const { return countdown_; }
  bool Paused() const { return paused_; }
  bool AbortWait() const { return abortWait_; }
  RunPhase Phase() const { return phase_; }
  bool RunEnded() const { return phase_ == RunPhase::Ended; }
  // The list is done: ending, or ended.
  bool RunOver() const { return phase_ == RunPhase::Ending || phase_ == RunPhase::Ended; }
  const std::string& Caption() const { return caption_; }
  const std::string& NextText() const { return next_; }
  const std::string& SecondsText() const { return seconds_; }

 private:
  bool BeginTick(RunTimer timer);
  void CountdownTick();
  void WaitTick();
  void AutostartPreScan();
  void RunEntries();
  bool StartEntry(const ProcessScan& scan);
  bool WillStart(int n, const ProcessScan& scan);
  std::optional<int> NextToStart(int from, const ProcessScan& scan);
  std::string CountdownCaption() const;
  void WaitStartupDelay(int delay);
  void BeginWaitPass();
  void WaitTickSeen();
  void FinishWait();
  void LaunchCurrentEntry();
  void LogRunning(int n);
  void LogNoProgram(int n);
  void EndRun();
  void FinishRun();
  std::string EndNoticeText() const;
  void RebuildStatus(int first);
  void ShowSeconds(std::string text);
  void ShowCaption(std::string caption);
  void ShowNext(std::string text);

  StartupList& list_;
  const storage::MainSettings& settings_;
  StartupLog& log_;
  ProgramLauncher& launcher_;
  AutostartCheck& autostart_;
  RunView& view_;

  RunPhase phase_ = RunPhase::Countdown;
  int currentEntry_ = 1;  // the entry the run is at (1..101)
  int countdown_ = 0;     // seconds left before the run starts
  int tickCount_ = 0;     // countdown ticks since the start
  bool paused_ = false;
  bool abortWait_ = false;
  bool tickSeen_ = false;
  std::string baseCaption_;
  std::string caption_;
  std::string next_;
  std::string seconds_;

  int waitDelay_ = 0;     // argument of the wait in progress
  int waitPass_ = 0;      // its pass, 0..waitDelay
  std::string waitText_;  // the next-program line when the wait began
  int started_ = 0;       // programs launched
  int failed_ = 0;        // programs the run tried and could not start
  int endingTicks_ = 0;   // wait-timer ticks since the end notice went up
  // Entries the autostart pre-scan found started by Windows: passed over for the whole run,
  // also after a rebuild of the status view has filled their RunPaths rows again.
  std::array<bool, storage::ProgramList::kLast + 1> inWindowsAutostart_{};
  // Entries logged as passed over (their program runs, or they name none): once per run.
  std::array<bool, storage::ProgramList::kLast + 1> logged_{};
};

}  // namespace sequora::startup
