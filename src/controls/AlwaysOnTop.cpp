#include "controls/AlwaysOnTop.h"

namespace sequora::controls {

AlwaysOnTop::AlwaysOnTop(ui::Form& form, std::string name, autostart::AppSettings& settings)
    : ui::UserControl(form, std::move(name), kTypeName), settings_(settings) {
  Move(0, 0, kWidth, kHeight);
  SetToolTipText("Always on top");
}

const char* AlwaysOnTop::PictureName(Image image) {
  switch (image) {
    case Image::AOT_Disabled: return "pinoff";
    case Image::AOT_MouseMove: return "pinhover";
    case Image::AOT_Enabled: return "pinned";
  }
  return "";
}

void AlwaysOnTop::Show(Image image) {
  if (shown_ == image) return;
  shown_ = image;
  Invalidate();
}

void AlwaysOnTop::SetWindowAlwayOnTop(ui::Form& FormReferenz) {
  onTop_ = true;
  SaveSettings();
  FormReferenz.SetTopmost(true);
}

void AlwaysOnTop::SetWindowBackToNormal(ui::Form& FormReferenz) {
  onTop_ = false;
  SaveSettings();
  FormReferenz.SetTopmost(false);
}

void AlwaysOnTop::SetToTop(bool strSaveSettings) {
  onTop_ = true;
  Show(Image::AOT_Enabled);
  SetWindowAlwayOnTop(Owner());
  if (strSaveSettings) SaveSettings();
}

// After a release the mouse is still over the button: it shows the hover image until the mouse
// moves off.
void AlwaysOnTop::SetToNormal(bool strSaveSettings) {
  Show(Image::AOT_MouseMove);
  SetWindowBackToNormal(Owner());
  if (strSaveSettings) SaveSettings();
}

void AlwaysOnTop::SaveSettings() { settings_.SaveAppSetting(kSection, kKey, onTop_ ? "True" : "False"); }

void AlwaysOnTop::LoadSettings() {
  if (settings_.GetAppSetting(kSection, kKey, "True") == "True")
    SetToTop(false);
  else
    SetToNormal(false);
}

void AlwaysOnTop::MouseMoveOverImage() {
  if (shown_ == Image::AOT_Disabled) Show(Image::AOT_MouseMove);
}

void AlwaysOnTop::MouseMoveOverFreeArea() {
  if (shown_ == Image::AOT_MouseMove) Show(Image::AOT_Disabled);
}

void AlwaysOnTop::ClickImage() {
  if (shown_ == Image::AOT_Enabled)
    SetToNormal(false);
  else
    SetToTop(false);
}

}  // namespace sequora::controls
