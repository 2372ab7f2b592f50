// WaitStartupDelay and the wait tick (Timer2): one entry's delay, as passes that ticks end.
#include <string>

#include "run/Form1.h"

namespace sequora::run {

// delay + 1 passes (a delay of 0 still waits for one tick); the first pass ends at the next tick,
// which can come in less than a second. A negative delay makes no pass at all.
void Form1::WaitStartupDelay(int delay) {
  if (RunEnded()) return;
  Timer2.SetEnabled(true);
  SetLabel1(std::to_string(delay));
  sequencer_.waitText = Label2.Caption();
  SetCaption(std::to_string(delay) + " -> " + sequencer_.waitText);
  sequencer_.phase = RunPhase::Waiting;
  sequencer_.waitDelay = delay;
  sequencer_.waitPass = 0;
  if (delay < 0) {
    FinishWait();
    return;
  }
  BeginWaitPass();
}

void Form1::BeginWaitPass() {
  SetLabel1(std::to_string(sequencer_.waitDelay - sequencer_.waitPass));
  Label2.SetCaption(Label2.Caption() + ".");
  SetCaption(Label1.Caption() + " " + sequencer_.waitText);
  TickSeen = false;
  // Set before the wait began (cut short during the countdown): this wait ends at once.
  if (AbortWait) {
    AbortWait = false;
    FinishWait();
  }
}

// A tick of either timer ended the current pass.
void Form1::WaitTickSeen() {
  if (sequencer_.phase != RunPhase::Waiting) return;
  ++sequencer_.waitPass;
  if (sequencer_.waitPass > sequencer_.waitDelay)
    FinishWait();
  else
    BeginWaitPass();
}

void Form1::Timer2_Timer() {
  if (RunEnded()) return;
  if (Paused) {
    Timer2.SetEnabled(false);
    return;
  }
  TickSeen = true;
  if (SystemTrayCheck.Value() == 1) ChangeToolTipText(Caption());
  if (sequencer_.phase == RunPhase::Waiting) WaitTickSeen();
}

}  // namespace sequora::run
