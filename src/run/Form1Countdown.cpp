// The countdown tick (Timer1): counts the initial startup time down and starts the run.
#include <string>

#include "run/Form1.h"

namespace sequora::run {

void Form1::Timer1_Timer() {
  if (RunEnded()) return;
  if (Paused) {
    Timer1.SetEnabled(false);
    return;
  }
  TickSeen = true;
  --Countdown;
  ++TickCount;
  // The first two ticks leave the caption alone, so the window first appears with its name.
  if (TickCount > 2) SetCaption(BaseCaption + "  " + std::to_string(Countdown));
  SetLabel1(std::to_string(Countdown));
  if (Countdown < 1) {
    // Also after resuming a paused run: the run starts over at CurrentEntry.
    RunStartupList();
    return;
  }
  if (SystemTrayCheck.Value() == 1) {
    ChangeToolTipText(Caption());
    if (TickCount % 5 == 0) SetTrayMode(false);
  }
  // Timer1 runs during a wait only after a resume that left the countdown above 0 (a pass-over
  // sets it); its ticks end wait passes as Timer2's do.
  if (sequencer_.phase == RunPhase::Waiting) WaitTickSeen();
}

}  // namespace sequora::run
