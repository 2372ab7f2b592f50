#pragma once
// AlwaysOnTop: a small picture button that pins the window it sits on above all other windows, or
// releases it. It shows one of three images: not pinned (AOT_Disabled), not pinned with the mouse
// over it (AOT_MouseMove), pinned (AOT_Enabled); every change of the state is stored in the
// per-user app settings (AlwaysOnTop\OnTop, "True" or "False"). The window it pins is the form it
// belongs to, unless an operation names another.
//
// The Win32 part (controls/win32/AlwaysOnTopPart) draws the image and reports the mouse and the
// keyboard through the user-action methods below.
#include <string>

#include "autostart/Registry.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::controls {

class AlwaysOnTop : public ui::UserControl {
 public:
  static constexpr const char* kTypeName = "AlwaysOnTop";
  static constexpr const char* kSection = "AlwaysOnTop";
  static constexpr const char* kKey = "OnTop";
  static constexpr int kWidth = 315;  // twips; the control keeps this size
  static constexpr int kHeight = 300;

  enum class Image { AOT_Disabled, AOT_MouseMove, AOT_Enabled };

  AlwaysOnTop(ui::Form& form, std::string name, autostart::AppSettings& settings);

  // Places the control; its size stays kWidth x kHeight.
  void Place(int left, int top) { Move(left, top, kWidth, kHeight); }

  // The image shown now (one at a time) and its picture name for the renderer.
  Image ShownImage() const { return shown_; }
  static const char* PictureName(Image image);

  // Pins / releases `FormReferenz` and stores the new state.
  void SetWindowAlwayOnTop(ui::Form& FormReferenz);
  void SetWindowBackToNormal(ui::Form& FormReferenz);
  bool GetIsOnTop() const { return onTop_; }
  // As a click on the not-pinned / pinned image; with `strSaveSettings` the state is stored once
  // more (it is stored by the change in any case).
  void SetToTop(bool strSaveSettings = true);
  void SetToNormal(bool strSaveSettings = true);
  void SaveSettings();
  // Takes the stored state (pinned when nothing is stored).
  void LoadSettings();

  // ---- The user's actions (from the renderer, or a test) -------------------------------------
  void MouseMoveOverImage();     // the mouse moves over the image shown
  void MouseMoveOverFreeArea();  // the mouse moves over the control outside the image, or leaves it
  void ClickImage();             // a click on the image shown (also Space or Enter on the control)

 private:
  void Show(Image image);

  autostart::AppSettings& settings_;
  bool onTop_ = false;
  Image shown_ = Image::AOT_Disabled;
};

}  // namespace sequora::controls
