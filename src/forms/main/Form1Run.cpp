// What the startup run shows in the main window (startup::RunView).
#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::ShowPaused(bool paused) {
  Command4.SetPicture(paused ? PlayTmpPix : PauseTmpPix);
  Label1.SetForeColor(paused ? ui::kDarkRed : ui::kDarkBlue);
}

bool Form1::TimerOn(startup::RunTimer timer) const {
  return (timer == startup::RunTimer::Countdown ? Timer1 : Timer2).Enabled();
}

void Form1::SetTimer(startup::RunTimer timer, bool on) {
  (timer == startup::RunTimer::Countdown ? Timer1 : Timer2).SetEnabled(on);
}

// A balloon at the notification icon; outside the notification area the icon comes for the
// balloon only (RunFinished takes it away).
bool Form1::ShowEndNotice(const std::string& text) {
  ConfirmationStillNeeded();  // nothing is left to ask about
  if (!systemTray.IconShown()) systemTray.AddTrayIcon(*this, Caption(), false, this, "");
  systemTray.OnBalloonClosed = [this](bool clicked) { sequencer.EndNoticeClosed(clicked); };
  return systemTray.ShowBalloon(kAppTitle, text);
}

// The run is over: nothing may stay in the notification area, and the program ends.
void Form1::RunFinished() {
  // The last program started while the editor held changes: they are offered for saving first.
  if (!editor.OfferToSave()) return;
  if (!TrayRemoved) {
    RemoveTrayIcon();
    TrayRemoved = true;
  }
  platform_.windows.EndProgram(0);
}

}  // namespace sequora::forms
