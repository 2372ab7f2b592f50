// The look of the main window: geometry (twips, relative to the container), captions, tool tips,
// pictures, fonts and the design-time state of every control.
//
//   +-----------------------------------------------------------------------------+
//   |  [ 25 ]   Next -> (1) notepad.exe                    [&Import...]  Vers.   |
//   |  (big)    [||] [>>] [>|]                             [Warnings!]  [E&xit]  |
//   | +- Startup list ------------------------------+- Program / Settings -----+  |
//   | |  (row list; narrow while a side panel is open) (editor or settings)     |  |
//   | +---------------------------------------------+---------------------------+  |
//   |  Text1: status of the startup list                                          |
//   +-----------------------------------------------------------------------------+
#include "run/Form1.h"

namespace sequora::run {

namespace {

void Place(ui::Control& c, int left, int top, int width, int height, ui::Frame* frame = nullptr) {
  c.SetContainer(frame);
  c.Move(left, top, width, height);
}

void Tip(ui::Control& c, const char* text) { c.SetToolTipText(text); }

}  // namespace

void Form1::Layout() {
  SetBorder(ui::BorderStyle::FixedSingle);
  // Outer size: the client area is about 10200 x 7700 (it depends on the frame of the Windows
  // version); the status box ends 7680 down, with a margin like the sides'.
  Move(-1, -1, 10440, 8280);

  // ---- Head: countdown, next program, run buttons, window buttons -----------------------------
  Place(Label1, 120, 120, 1560, 840);
  Label1.SetFont(28, true);
  Label1.SetAlignment(ui::Align::Center);
  Label1.SetForeColor(ui::kDarkBlue);
  Tip(Label1, "Seconds until the next program starts");

  Place(Label2, 1800, 150, 5280, 315);
  Label2.SetFont(10, true);

  Place(Command4, 1800, 600, 480, 420);
  Command4.SetPicture(PauseTmpPix);
  Tip(Command4, "Pause / resume");
  Place(Command2, 2340, 600, 480, 420);
  Command2.SetPicture(Picture::Named("next"));
  Tip(Command2, "Start the next program now");
  Place(Command12, 2880, 600, 480, 420);
  Command12.SetPicture(Picture::Named("skip"));
  Tip(Command12, "Skip the next program");

  Place(Command14, 7200, 120, 1380, 420);
  Command14.SetCaption("&Import...");
  Command14.SetPicture(Picture::Named("import"));
  Tip(Command14, "Import programs from the Windows autostart");
  Command14.SetVisible(false);  // shown once the import window exists: it has nothing to open yet
  Place(Command15, 7200, 600, 1380, 420);
  Command15.SetCaption("Warnings!");
  Command15.SetEnabled(false);
  Tip(Command15, "Show what did not start as planned");
  Place(Command11, 5700, 600, 1380, 420);
  Command11.SetCaption("&Settings");
  Command11.SetPicture(Picture::Named("settings"));
  Tip(Command11, "Settings");
  Command11.SetVisible(false);  // shown once the settings panel exists: it has nothing to open yet
  Place(VersCaption, 8700, 180, 1380, 255);
  VersCaption.SetAlignment(ui::Align::Right);
  VersCaption.SetForeColor(ui::kGrey);
  Place(Command1, 8700, 600, 1380, 420);
  Command1.SetCaption("E&xit");

  // ---- Program list, side panels, status text --------------------------------------------------
  Place(ListFrame, 120, 1200, 9960, 4200);  // its size: ArrangeListFrame, below
  ListFrame.SetCaption("Startup list");
  ListBoxExtended1.SetContainer(&ListFrame);
  HideEmptyCheck.SetContainer(&ListFrame);
  HideEmptyCheck.SetCaption("Hide Empty");
  Tip(HideEmptyCheck, "Show only the used entries");
  OnlyActiveCheck.SetContainer(&ListFrame);
  OnlyActiveCheck.SetCaption("Hide Disabled");
  Tip(OnlyActiveCheck, "Show only the programs that will start");
  Place(Text1, 120, 5520, 9960, 2160);
  Text1.SetMultiLine(true);
  Text1.SetLocked(true);
  Place(SortierList, 0, 0, 1200, 600);
  SortierList.SetVisible(false);

  // ---- Settings panel ---------------------------------------------------------------------------
  Place(Frame1, 5640, 1200, 4440, 4200);
  Frame1.SetCaption("Settings");
  Frame1.SetVisible(false);
  Place(Label9, 120, 300, 2400, 255, &Frame1);
  Label9.SetCaption("Main Program:");
  Label9.SetFont(0, true);
  Place(Label3, 240, 660, 1500, 255, &Frame1);
  Label3.SetCaption("Startup delay:");
  Place(Text2, 1800, 615, 720, 315, &Frame1);
  Tip(Text2, "Sequora start up counter (sec).");
  Place(Check1, 240, 1020, 3000, 285, &Frame1);
  Check1.SetCaption("Start minimized");
  Tip(Check1, "Start Sequora minimized");
  Place(SystemTrayCheck, 240, 1320, 2400, 285, &Frame1);
  SystemTrayCheck.SetCaption("Systemtray Icon");
  Tip(SystemTrayCheck, "Minimize Sequora to the Windows-System-Tray");
  Place(Command13, 2760, 1260, 420, 390, &Frame1);
  Command13.SetPicture(Picture::Named("tray"));
  Command13.SetEnabled(false);
  Tip(Command13, "Minimize to Systemtray");
  Place(AutoStartMeChk, 240, 1620, 3000, 285, &Frame1);
  AutoStartMeChk.SetCaption("Autorun on Startup");
  Tip(AutoStartMeChk, "Add Sequora to the Windows Autostart ");

  Place(Label7, 120, 2040, 2400, 255, &Frame1);
  Label7.SetCaption("Programlist:");
  Label7.SetFont(0, true);
  Place(Label4, 240, 2400, 1500, 255, &Frame1);
  Label4.SetCaption("Default delay:");
  Place(Text3, 1800, 2355, 720, 315, &Frame1);
  Tip(Text3, "Default delay-time (sec) for the programlist");
  Place(RunningPrgr, 240, 2760, 4000, 285, &Frame1);
  RunningPrgr.SetCaption("Detect running Instance");
  Tip(RunningPrgr, "Check running instance of a program. Skip program if its  already running.");
  Place(SkipRegistry, 240, 3060, 4000, 285, &Frame1);
  SkipRegistry.SetCaption("Smart Autorun detect");
  Tip(SkipRegistry,
      "If a Program from the List is found in the System Autorun or Registry-Run of Windows, ist will be "
      "skipped. (no double starts)");
  Place(AutoRemoveCheck, 480, 3360, 3760, 285, &Frame1);
  AutoRemoveCheck.SetCaption("Auto-Remove");
  Tip(AutoRemoveCheck, "Remove a program from Autostart (Registry / Directory) if its already in the programlist");

  Place(ShowLogFileBtn, 240, 3720, 1200, 375, &Frame1);
  ShowLogFileBtn.SetCaption("Show log");
  ShowLogFileBtn.SetEnabled(false);
  Place(Command3, 1560, 3720, 1200, 375, &Frame1);
  Command3.SetCaption("Show Ini");
  Place(Command5, 3720, 3660, 480, 420, &Frame1);
  Command5.SetPicture(Picture::Named("save"));
  Tip(Command5, "Save settings");

  // ---- Entry editor -----------------------------------------------------------------------------
  Place(Frame2, 5640, 1200, 4440, 4200);
  Frame2.SetCaption("Program");
  Frame2.SetVisible(false);
  Place(Text4, 120, 300, 600, 315, &Frame2);
  Place(Text6, 120, 1020, 4200, 315, &Frame2);
  Place(Text5, 120, 1620, 4200, 315, &Frame2);
  Place(Text8, 120, 2220, 4200, 315, &Frame2);
  Place(Check2, 120, 2700, 1800, 285, &Frame2);
  Check2.SetCaption("Minimized");
  Place(QuestionCombo, 120, 3120, 1800, 315, &Frame2);
  Place(RunCurrentBtn, 2760, 3660, 480, 420, &Frame2);
  RunCurrentBtn.SetPicture(Picture::Named("run"));
  Tip(RunCurrentBtn, "Run this program now");
  Place(Command9, 3840, 3660, 480, 420, &Frame2);
  Command9.SetPicture(Picture::Named("save"));
  Tip(Command9, "Save Settings");
  // Over the top right corner of the side panel (Frame1 or Frame2), while one is open.
  Place(CloseFrameBtn, 9720, 1260, 300, 300);
  CloseFrameBtn.SetPicture(Picture::Named("close"));
  CloseFrameBtn.SetVisible(false);
  Tip(CloseFrameBtn, "Close");

  ArrangeListFrame();
}

void Form1::SetLabel1(const std::string& text) {
  if (text.size() <= 4)
    Label1.SetFont(28, true);
  else
    Label1.SetFont(16, true);
  Label1.SetCaption(text);
}

}  // namespace sequora::run
