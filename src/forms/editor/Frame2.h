#pragma once
// Frame2, the entry editor: one entry of the program list beside the list, in place of the
// settings panel. The main window hosts it (its controls belong to the main window's form).
#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::forms {

class Frame2 : public ui::Frame {
 public:
  explicit Frame2(ui::Form& host);

  ui::TextBox Text4{Owner(), "Text4"};  // entry number
  ui::TextBox Text6{Owner(), "Text6"};  // program
  ui::TextBox Text5{Owner(), "Text5"};  // folder
  ui::TextBox Text8{Owner(), "Text8"};  // parameters
  ui::CheckBox Check2{Owner(), "Check2"};  // "Minimized"
  ui::ComboBox QuestionCombo{Owner(), "QuestionCombo"};  // groups 1..99
  ui::Button RunCurrentBtn{Owner(), "RunCurrentBtn"};  // run the entry now
  ui::Button Command9{Owner(), "Command9"};  // save the entry

 private:
  void Layout();
};

}  // namespace sequora::forms
