#pragma once
// One factory per control kind; MakePart (ControlPart.h) picks the right one.
#include <memory>

#include "ui/Controls.h"
#include "ui/win32/ControlPart.h"

namespace sequora::ui::win32 {

std::shared_ptr<ControlPart> MakeLabelPart(FormWindow& form, Label& label);
std::shared_ptr<ControlPart> MakeTextBoxPart(FormWindow& form, TextBox& textBox);
std::shared_ptr<ControlPart> MakeCheckBoxPart(FormWindow& form, CheckBox& checkBox);
std::shared_ptr<ControlPart> MakeButtonPart(FormWindow& form, Button& button);
std::shared_ptr<ControlPart> MakeListBoxPart(FormWindow& form, ListBox& listBox);
std::shared_ptr<ControlPart> MakeComboBoxPart(FormWindow& form, ComboBox& comboBox);
std::shared_ptr<ControlPart> MakePicturePart(FormWindow& form, PictureBox& picture);
std::shared_ptr<ControlPart> MakeFramePart(FormWindow& form, Frame& frame);
std::shared_ptr<ControlPart> MakeScrollBarPart(FormWindow& form, ScrollBar& scrollBar);
std::shared_ptr<ControlPart> MakeUserControlPart(FormWindow& form, UserControl& control);

}  // namespace sequora::ui::win32
