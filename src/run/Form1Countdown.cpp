// The countdown tick (Timer1): counts the initial startup time down and starts the run.
#include <string>

#include "run/Form1.h"

namespace sequora::run {

void Form1::Timer1_Timer() {
  if (Paused) {
    Timer1.SetEnabled(false);
    return;
  }
  TickSeen = true;
  --Countdown;
  ++TickCount;
  // The first two ticks leave the caption alone, so the window first appears with its name.
  if (TickCount > 2) SetCaption(BaseCaption + "  " + std::to_string(Countdown));
  Label1.SetCaption(std::to_string(Countdown));
  if (Countdown < 1) RunStartupList();
  if (SystemTrayCheck.Value() == 1) {
    ChangeToolTipText(Caption());
    if (TickCount % 5 == 0) SetTrayMode(false);
  }
}

}  // namespace sequora::run
