#include "ui/win32/Parts.h"

namespace sequora::ui::win32 {

std::shared_ptr<ControlPart> MakePart(FormWindow& form, Control& control) {
  switch (control.GetKind()) {
    case Kind::Label: return MakeLabelPart(form, static_cast<Label&>(control));
    case Kind::TextBox: return MakeTextBoxPart(form, static_cast<TextBox&>(control));
    case Kind::CheckBox: return MakeCheckBoxPart(form, static_cast<CheckBox&>(control));
    case Kind::Button: return MakeButtonPart(form, static_cast<Button&>(control));
    case Kind::ListBox: return MakeListBoxPart(form, static_cast<ListBox&>(control));
    case Kind::ComboBox: return MakeComboBoxPart(form, static_cast<ComboBox&>(control));
    case Kind::PictureBox: return MakePicturePart(form, static_cast<PictureBox&>(control));
    case Kind::Frame: return MakeFramePart(form, static_cast<Frame&>(control));
    case Kind::ScrollBar: return MakeScrollBarPart(form, static_cast<ScrollBar&>(control));
    case Kind::UserControl: return MakeUserControlPart(form, static_cast<UserControl&>(control));
  }
  return nullptr;
}

}  // namespace sequora::ui::win32
