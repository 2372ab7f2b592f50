#pragma once
// The startup sequencer: what Form1 keeps for the run besides the shared members (CurrentEntry,
// Countdown, Paused, AbortWait, TickSeen). The run itself is a set of Form1 members
// (Form1Countdown.cpp, SequencerRun.cpp, SequencerWait.cpp, SequencerButtons.cpp).
//
// How the run waits without waiting. Nothing loops until a flag changes; every handler returns
// to the message loop at once, and the run is a state machine on the ticks of Timer1 (countdown)
// and Timer2 (wait):
//
//   Countdown --Timer1 tick, Countdown below 1--> RunStartupList: pre-scan, then the entry loop
//   runs straight through skipped entries from CurrentEntry until it reaches an entry to start.
//   That entry's WaitStartupDelay enters Waiting; past entry 101 the run ends.
//
//   Waiting, pass p of 0..delay: every tick of either timer (what sets TickSeen) ends the pass;
//   after pass `delay` the entry is launched and the entry loop goes on with the next entry.
//   AbortWait ends the wait at once: found set when a pass begins (Command2 during the
//   countdown), or set by Command2 during the wait.
//
//   Paused: both timers are off, so nothing moves. Resuming re-arms Timer1; once the countdown
//   is over its next tick calls RunStartupList again.
//
//   Ended: both timers off, the notification icon removed, platform EndProgram called. Every
//   handler of the run returns at once from then on, so nothing of the run goes on even where
//   EndProgram returns (the tests' fake).
//
// A restart replaces the run in progress. RunStartupList called during a run (resuming after the
// countdown) drops the wait in progress and starts over at CurrentEntry on the same members: the
// pre-scan runs and logs again, and the pending entry is tested and waited for from the
// beginning. The replaced run is never taken up again, so the program ends when the run started
// last passes entry 101.
//
// Deliberate differences from a loop that simply re-tests flags:
//  - An entry reached after a series of entries found running goes through the skip and empty
//    tests like any other (an empty slot or a program Windows starts itself is never launched).
//  - Entry 101 is tested and started like the others, also right after a skipped entry 100.
//  - A pass-over with nothing left ends the run the normal way: the icon is removed first.
#include <array>
#include <string>

namespace sequora::run {

enum class RunPhase {
  Countdown,  // before the run, or paused during the countdown
  Running,    // inside the entry loop (only ever seen from within a handler)
  Waiting,    // WaitStartupDelay of CurrentEntry is in progress (also when paused)
  Ended,      // the run is over and the program ended
};

struct SequencerState {
  RunPhase phase = RunPhase::Countdown;
  int waitDelay = 0;     // argument of the wait in progress
  int waitPass = 0;      // its pass, 0..waitDelay
  std::string waitText;  // Label2 when the wait began
  int waitLength = 0;    // the last StartupDelay that converted; a bad one keeps it
  // Entries the autostart pre-scan found started by Windows: passed over for the whole run,
  // also after a rebuild of the status view has filled their RunPaths rows again.
  std::array<bool, 102> inWindowsAutostart{};
};

}  // namespace sequora::run
