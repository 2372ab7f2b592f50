// The look of the group confirmation window (twips, client area 5400 x 3180).
//
//   +- <group> - Start? ---------------------------------+
//   |  (?)  <group name>                    [ 12 ]  (pin)|
//   |       [icon]  +- List1 -----------------------+    |
//   |               | Prg.3  C:\Tools\App (+5 sec)  |    |
//   |               +-------------------------------+    |
//   |       [ ] Confirm for all Groups                   |
//   |       [ Run all ]  [ Skip all ]  [ Defaults ]      |
//   +----------------------------------------------------+
#include "forms/confirm/MsgBoxForm.h"

namespace sequora::forms {

void MsgBoxForm::Layout() {
  SetCaption(kDesignCaption);
  SetBorder(ui::BorderStyle::FixedDialog);
  Move(-1, -1, 5640, 3780);

  Picture2.Move(180, 180, 480, 480);
  Picture2.SetPicture(Picture::Named("question"));

  Label1.Move(780, 240, 3060, 300);
  Label1.SetFont(10, true);

  Label2.Move(3900, 120, 900, 420);
  Label2.SetFont(16, true);
  Label2.SetAlignment(ui::Align::Center);
  Label2.SetForeColor(ui::kDarkBlue);
  Label2.SetToolTipText("Seconds until the next program starts (click: pause / resume)");

  AlwaysOnTop1.Place(4905, 180);

  Picture1.Move(780, 660, 480, 480);
  Picture1.SetPicture(Picture::Named("program"));

  List1.Move(1380, 660, 3840, 1380);

  Check1.Move(1380, 2130, 3840, 285);
  Check1.SetCaption("Confirm for all Groups");

  Command1.Move(780, 2580, 1440, 420);
  Command1.SetCaption("&Run all");
  Command1.SetPicture(Picture::Named("run"));
  Command1.SetToolTipText("RUN: Start all programs of this group");

  Command2.Move(2280, 2580, 1440, 420);
  Command2.SetCaption("&Skip all");
  Command2.SetPicture(Picture::Named("disabled"));
  Command2.SetToolTipText("Disable: Skip all programs of this group");

  Command3.Move(3780, 2580, 1440, 420);
  Command3.SetCaption("&Defaults");
  Command3.SetPicture(Picture::Named("settings"));
  Command3.SetToolTipText("Default: Run every program within its defaults");
  Command3.SetCancel(true);  // Esc
}

}  // namespace sequora::forms
