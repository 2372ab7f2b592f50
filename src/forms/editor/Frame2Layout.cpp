// The look of the entry editor: geometry in twips relative to the panel, captions, tool tips and
// Alt keys (Form1 uses X, I and S; the editor O T P D R L M B C G N A U V).
//
//   +- Program ------------------------------------+
//   | N&o. [ 3 ] [<][>]  [^][v]         [icon] [k] |
//   | Pas&te:        [ Add path here             ] |
//   | &Prg. (exe, bat): [ app.exe                 ] |
//   | &Directory:       [ C:\Tools\               ] |
//   | Pa&ram.:          [ /min                    ] |
//   | Startup de&lay:   [ 5 ] (Default)            |
//   | [x] &Minimized    [ ] Disa&ble  (o) Enabled  |
//   | [ ] &Confirm start  (group)  (?)             |
//   |     [ group        v]  [&Group name...]      |
//   | [Add &new...] [Cle&ar]  [R&un]     [Sa&ve]   |
//   +----------------------------------------------+
#include "forms/editor/Frame2.h"

namespace sequora::forms {

namespace {
constexpr int kLeft = 120;
constexpr int kFieldLeft = 1560;
constexpr int kFieldWidth = 2760;
constexpr int kLabelWidth = 1400;
constexpr int kRow = 420;  // from one line of fields to the next
constexpr int kBox = 315;  // height of a text box
constexpr int kSmall = 360;  // square picture buttons

void FieldLabel(ui::Label& label, const char* caption) {
  label.SetCaption(caption);
  label.SetUseMnemonic(true);
}
}  // namespace

void Frame2::Layout() {
  Move(5640, 1200, 4440, 6480);
  SetCaption("Program");
  SetVisible(false);

  int top = 300;
  Place(NrLabel, kLeft, top + 45, 420, 255);
  FieldLabel(NrLabel, "N&o.");
  Place(Text4, 540, top, 540, kBox);
  Text4.SetLocked(true);
  Text4.SetAlignment(ui::Align::Center);
  Text4.SetToolTipText("Number of the entry: its place in the start order (Up, Down: previous, next entry)");
  Place(Command8, 1140, top - 20, kSmall, kSmall);
  Command8.SetPicture(Picture::Named("left"));
  Command8.SetToolTipText("Previous entry");
  Place(Command7, 1140 + kSmall, top - 20, kSmall, kSmall);
  Command7.SetPicture(Picture::Named("right"));
  Command7.SetToolTipText("Next entry");
  Place(UpButton, 2000, top - 20, kSmall, kSmall);
  UpButton.SetPicture(Picture::Named("up"));
  UpButton.SetToolTipText("Move Program UP !");
  Place(DwnButton, 2000 + kSmall, top - 20, kSmall, kSmall);
  DwnButton.SetPicture(Picture::Named("down"));
  DwnButton.SetToolTipText("Move Program DOWN !");
  Place(ProgramIcon, 3300, 240, 540, 540);
  ProgramIcon.SetBorder(true);
  ProgramIcon.SetToolTipText("The program's icon. Click to take it from another file");
  Place(AddIcon_Btn, 3900, 420, kSmall, kSmall);  // below the close button of the panel
  AddIcon_Btn.SetPicture(Picture::Named("save"));
  AddIcon_Btn.SetToolTipText("Keep this icon for the entry");
  AddIcon_Btn.SetVisible(false);

  top = 900;
  Place(PasteLabel, kLeft, top + 45, kLabelWidth, 255);
  FieldLabel(PasteLabel, "Pas&te:");
  Place(Text7, kFieldLeft, top, kFieldWidth, kBox);
  Text7.SetText(kPastePrompt);
  Text7.SetToolTipText("AutoPaste: Add complete path including parameters here.");

  top += kRow + 60;
  Place(ProgramLabel, kLeft, top + 45, kLabelWidth, 255);
  FieldLabel(ProgramLabel, "&Prg. (exe, bat):");
  Place(Text6, kFieldLeft, top, kFieldWidth, kBox);
  top += kRow;
  Place(DirLabel, kLeft, top + 45, kLabelWidth, 255);
  FieldLabel(DirLabel, "&Directory:");
  Place(Text5, kFieldLeft, top, kFieldWidth, kBox);
  top += kRow;
  Place(ParamLabel, kLeft, top + 45, kLabelWidth, 255);
  FieldLabel(ParamLabel, "Pa&ram.:");
  Place(Text8, kFieldLeft, top, kFieldWidth, kBox);
  top += kRow;
  Place(DelayLabel, kLeft, top + 45, kLabelWidth, 255);
  FieldLabel(DelayLabel, "Startup de&lay:");
  Place(WaitTimeTXT, kFieldLeft, top, 660, kBox);
  WaitTimeTXT.SetToolTipText("Seconds to wait before this program starts");
  Place(IsDefaultLabel, kFieldLeft + 720, top + 45, 1200, 255);
  IsDefaultLabel.SetCaption("(Default)");
  IsDefaultLabel.SetForeColor(ui::kGrey);
  IsDefaultLabel.SetVisible(false);

  top += kRow + 120;
  Place(Check2, kLeft, top, 1400, 285);
  Check2.SetCaption("&Minimized");
  Check2.SetToolTipText("Start the program as a minimized window");
  Place(ProgrEnabledCheck, kFieldLeft, top, 1020, 285);
  ProgrEnabledCheck.SetCaption("Disa&ble");
  ProgrEnabledCheck.SetToolTipText("Never start this program");
  Place(DisabledSettings, kFieldLeft + 1080, top, 285, 285);
  Place(EnabDisabLabel, kFieldLeft + 1440, top + 15, 1200, 255);

  top += kRow;
  Place(QuestionCeck, kLeft, top, 2400, 285);
  QuestionCeck.SetCaption("&Confirm start  (group)");
  QuestionCeck.SetToolTipText("Ask once before the programs of this group start");
  Place(QuestionSettings, 2580, top, 285, 285);
  top += kRow;
  Place(QuestionCombo, 360, top, 2160, kBox);
  QuestionCombo.SetToolTipText("The confirmation group of this program");
  Place(Command16, 2580, top - 15, 1740, 360);
  Command16.SetCaption("&Group name...");
  Command16.SetToolTipText("Name the selected group and try its confirmation window");

  top = 6480 - 120 - 420;
  Place(AddButton, kLeft, top, 1380, 420);
  AddButton.SetCaption("Add &new...");
  AddButton.SetPicture(Picture::Named("add"));
  AddButton.SetToolTipText("Add a program to the first free entry");
  Place(Command6, kLeft + 1440, top, 780, 420);
  Command6.SetCaption("Cle&ar");
  Command6.SetToolTipText("Empty the program fields (saving then frees the entry)");
  Place(RunCurrentBtn, kLeft + 2280, top, 900, 420);
  RunCurrentBtn.SetCaption("R&un");
  RunCurrentBtn.SetPicture(Picture::Named("run"));
  RunCurrentBtn.SetToolTipText("Run this program now");
  Place(Command9, kLeft + 3240, top, 960, 420);
  Command9.SetCaption("Sa&ve");
  Command9.SetPicture(Picture::Named("save"));
  Command9.SetToolTipText("Save Settings");
  Command9.SetDefault(true);  // Enter saves
  Command9.SetEnabled(false);
}

}  // namespace sequora::forms
