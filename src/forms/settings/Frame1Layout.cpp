// The look of the settings panel: geometry (twips, relative to the panel), captions, tool tips
// and the design-time state of its controls.
#include "forms/settings/Frame1.h"

namespace sequora::forms {

// Geometry in twips relative to the panel.
void Frame1::Layout() {
  Move(5640, 1200, 4440, 4200);
  SetCaption("Settings");
  SetVisible(false);
  Place(Label9, 120, 300, 2400, 255);
  Label9.SetCaption("Main Program:");
  Label9.SetFont(0, true);
  Place(Label3, 240, 660, 1500, 255);
  Label3.SetCaption("Startup delay:");
  Place(Text2, 1800, 615, 720, 315);
  Text2.SetToolTipText("Sequora start up counter (sec).");
  Place(Check1, 240, 1020, 3000, 285);
  Check1.SetCaption("Start minimized");
  Check1.SetToolTipText("Start Sequora minimized");
  Place(SystemTrayCheck, 240, 1320, 2400, 285);
  SystemTrayCheck.SetCaption("Systemtray Icon");
  SystemTrayCheck.SetToolTipText("Minimize Sequora to the Windows-System-Tray");
  Place(Command13, 2760, 1260, 420, 390);
  Command13.SetPicture(Picture::Named("tray"));
  Command13.SetEnabled(false);
  Command13.SetToolTipText("Minimize to Systemtray");
  Place(AutoStartMeChk, 240, 1620, 3000, 285);
  AutoStartMeChk.SetCaption("Autorun on Startup");
  AutoStartMeChk.SetToolTipText("Add Sequora to the Windows Autostart ");

  Place(Label7, 120, 2040, 2400, 255);
  Label7.SetCaption("Programlist:");
  Label7.SetFont(0, true);
  Place(Label4, 240, 2400, 1500, 255);
  Label4.SetCaption("Default delay:");
  Place(Text3, 1800, 2355, 720, 315);
  Text3.SetToolTipText("Default delay-time (sec) for the programlist");
  Place(RunningPrgr, 240, 2760, 4000, 285);
  RunningPrgr.SetCaption("Detect running Instance");
  RunningPrgr.SetToolTipText("Check running instance of a program. Skip program if its  already running.");
  Place(SkipRegistry, 240, 3060, 4000, 285);
  SkipRegistry.SetCaption("Smart Autorun detect");
  SkipRegistry.SetToolTipText(
      "If a Program from the List is found in the System Autorun or Registry-Run of Windows, ist will be "
      "skipped. (no double starts)");
  Place(AutoRemoveCheck, 480, 3360, 3760, 285);
  AutoRemoveCheck.SetCaption("Auto-Remove");
  AutoRemoveCheck.SetToolTipText("Remove a program from Autostart (Registry / Directory) if its already in the programlist");
  AutoRemoveCheck.SetVisible(false);  // shown while "Smart Autorun detect" is ticked

  Place(ShowLogFileBtn, 240, 3720, 1200, 375);
  ShowLogFileBtn.SetCaption("Show log");
  ShowLogFileBtn.SetEnabled(false);
  Place(Command3, 1560, 3720, 1200, 375);
  Command3.SetCaption("Show Ini");
  Place(Command5, 2880, 3660, 1320, 420);
  Command5.SetCaption("&Save");
  Command5.SetPicture(Picture::Named("save"));
  Command5.SetToolTipText("Save settings");
  Command5.SetVisible(false);  // shown once something changed
}

}  // namespace sequora::forms
