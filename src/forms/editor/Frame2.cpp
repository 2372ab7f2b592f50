#include "forms/editor/Frame2.h"

namespace sequora::forms {

namespace {
void Place(ui::Control& c, ui::Frame& frame, int left, int top, int width, int height) {
  c.SetContainer(&frame);
  c.Move(left, top, width, height);
}
}  // namespace

Frame2::Frame2(ui::Form& host) : ui::Frame(host, "Frame2") { Layout(); }

// Geometry in twips relative to the panel.
void Frame2::Layout() {
  Move(5640, 1200, 4440, 4200);
  SetCaption("Program");
  SetVisible(false);
  Place(Text4, *this, 120, 300, 600, 315);
  Place(Text6, *this, 120, 1020, 4200, 315);
  Place(Text5, *this, 120, 1620, 4200, 315);
  Place(Text8, *this, 120, 2220, 4200, 315);
  Place(Check2, *this, 120, 2700, 1800, 285);
  Check2.SetCaption("Minimized");
  Place(QuestionCombo, *this, 120, 3120, 1800, 315);
  Place(RunCurrentBtn, *this, 2760, 3660, 480, 420);
  RunCurrentBtn.SetPicture(Picture::Named("run"));
  RunCurrentBtn.SetToolTipText("Run this program now");
  Place(Command9, *this, 3840, 3660, 480, 420);
  Command9.SetPicture(Picture::Named("save"));
  Command9.SetToolTipText("Save Settings");
}

}  // namespace sequora::forms
