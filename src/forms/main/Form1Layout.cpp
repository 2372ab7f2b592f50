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
//   |  (i) Online-Update                                                          |
//   +-----------------------------------------------------------------------------+
#include "forms/main/Form1.h"

namespace sequora::forms {

namespace {

void Place(ui::Control& c, int left, int top, int width, int height) { c.Move(left, top, width, height); }

void Tip(ui::Control& c, const char* text) { c.SetToolTipText(text); }

}  // namespace

void Form1::Layout() {
  SetBorder(ui::BorderStyle::FixedSingle);
  // Outer size: the client area is about 10200 x 8060 (it depends on the frame of the Windows
  // version); the status box ends 7680 down, the foot row below it ends 8040.
  Move(-1, -1, 10440, 8640);

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
  Place(Command15, 7200, 600, 1380, 420);
  Command15.SetCaption("Warnings!");
  Command15.SetEnabled(false);
  Tip(Command15, "Show what did not start as planned");
  Place(Command11, 5700, 600, 1380, 420);
  Command11.SetCaption("&Settings");
  Command11.SetPicture(Picture::Named("settings"));
  Tip(Command11, "Settings");
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
  Text1.SetVisible(false);  // kept up to date for the log of a run, not shown: the rows say it all
  // ---- Foot: the About box and the online update ----------------------------------------------
  Place(AboutBox, 120, 7770, 270, 270);
  AboutBox.SetPicture(Picture::Named("info"));
  Tip(AboutBox, "About Sequora (F1)");
  Place(wwwLink, 480, 7785, 1500, 255);
  wwwLink.SetCaption("Online-Update");
  wwwLink.SetForeColor(ui::kDarkBlue);
  Tip(wwwLink, "Fetch and install the newest Sequora");

  Place(SortierList, 0, 0, 1200, 600);
  SortierList.SetVisible(false);

  // ---- Side panels: Frame1 and Frame2 lay themselves out; the close button lies over the top right
  // corner of the one that is open.
  Place(CloseFrameBtn, 9720, 1260, 300, 300);
  CloseFrameBtn.SetPicture(Picture::Named("close"));
  CloseFrameBtn.SetVisible(false);
  CloseFrameBtn.SetCancel(true);  // Esc closes the side panel
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

}  // namespace sequora::forms
