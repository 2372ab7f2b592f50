// What the user can do to the run: pause and resume (Command4), cut the wait short (Command2),
// pass over the next program (Command12).
#include <string>

#include "base/StringOps.h"
#include "run/Form1.h"

namespace sequora::run {

namespace {
constexpr const char* kPausePrefix = "Pause - ";
}  // namespace

void Form1::PAUSE_SWITCH() {
  if (RunEnded()) return;
  if (Timer1.Enabled() || Timer2.Enabled()) {
    Command4.SetPicture(PlayTmpPix);
    Label1.SetForeColor(ui::kDarkRed);
    SetLabel1("PAUSE");
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    Paused = true;
    SetCaption(kPausePrefix + Caption());
    return;
  }
  Label1.SetForeColor(ui::kDarkBlue);
  Command4.SetPicture(PauseTmpPix);
  Paused = false;
  // Timer1 too: once the countdown is over, its next tick starts the run over at CurrentEntry.
  Timer1.SetEnabled(true);
  Timer2.SetEnabled(true);
  Command2.SetEnabled(true);
  // Only our own prefix comes off: a pass-over during the pause has set a caption without it.
  if (Caption().starts_with(kPausePrefix)) SetCaption(Caption().substr(std::string(kPausePrefix).size()));
  SetLabel1("Resume..");
}

void Form1::Command2_Click() {
  if (RunEnded()) return;
  Command2.SetEnabled(false);
  Countdown = 0;
  if (!Paused) {
    TickSeen = true;
    AbortWait = true;  // during the countdown it stays set, so the first entry's wait is cut too
  }
  if (Timer1.Enabled() || Timer2.Enabled()) Command2.SetEnabled(true);
  if (sequencer_.phase == RunPhase::Waiting && AbortWait) {
    AbortWait = false;
    FinishWait();
  }
}

void Form1::Command12_Click() {
  if (RunEnded()) return;
  if (storage::ProgramEntry* current = ProgramList.At(CurrentEntry)) current->Done = true;
  ++CurrentEntry;
  Command2.SetEnabled(true);
  storage::ProgramEntry* entry = nullptr;
  for (;; ++CurrentEntry) {
    if (CurrentEntry > storage::ProgramList::kLast) {
      EndRun();
      return;
    }
    entry = ProgramList.At(CurrentEntry);
    if (!entry) continue;  // below entry 1: on to the first
    const bool taken = (!entry->Program.empty() || !entry->Dir.empty()) && !entry->Skip &&
                       !(entry->Disabled == 1 && entry->ConfirmState != 1) && !entry->IsRunning &&
                       !sequencer_.inWindowsAutostart[static_cast<size_t>(CurrentEntry)];
    if (taken) break;
    entry->Done = true;
  }
  Label2.SetCaption("Next -> (" + std::to_string(CurrentEntry) + ") " + entry->Program);
  if (auto seconds = ToInt16(entry->StartupDelay)) Countdown = *seconds;
  SetCaption(Label2.Caption());
  int first = CurrentEntry - 1;
  FillText1Text(first);
}

}  // namespace sequora::run
