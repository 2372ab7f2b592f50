#include "forms/editor/Frame2.h"

namespace sequora::forms {

Frame2::Frame2(ui::Form& host) : ui::Frame(host, "Frame2") { Layout(); }

// Geometry in twips relative to the panel.
void Frame2::Layout() {
  Move(5640, 1200, 4440, 4200);
  SetCaption("Program");
  SetVisible(false);
  Place(Text4, 120, 300, 600, 315);
  Place(Text6, 120, 1020, 4200, 315);
  Place(Text5, 120, 1620, 4200, 315);
  Place(Text8, 120, 2220, 4200, 315);
  Place(Check2, 120, 2700, 1800, 285);
  Check2.SetCaption("Minimized");
  Place(QuestionCombo, 120, 3120, 1800, 315);
  Place(RunCurrentBtn, 2760, 3660, 480, 420);
  RunCurrentBtn.SetPicture(Picture::Named("run"));
  RunCurrentBtn.SetToolTipText("Run this program now");
  Place(Command9, 3840, 3660, 480, 420);
  Command9.SetPicture(Picture::Named("save"));
  Command9.SetToolTipText("Save Settings");
}

}  // namespace sequora::forms
