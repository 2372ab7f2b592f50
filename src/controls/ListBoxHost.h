#pragma once
// What the row list control calls on the window that hosts it. The control raises no events of its
// own: a click or a focus change on a row's element calls one of these procedures of the main window
// by name, with the control's entry number of that row (the host gave it when it added the entry).
// Every procedure does nothing unless the host overrides it.
#include <string>

namespace sequora::controls {

class ListBoxHost {
 public:
  virtual ~ListBoxHost() = default;

  virtual void E_ListBox_Button1_Click(int /*entry*/) {}
  virtual void E_ListBox_Button2_Click(int /*entry*/) {}
  virtual void E_ListBox_Picture1_Click(int /*entry*/) {}
  virtual void E_ListBox_Picture2_Click(int /*entry*/) {}
  virtual void E_ListBox_Picture3_Click(int /*entry*/) {}
  // value: the check box's new value, 0 clear or 1 set.
  virtual void E_ListBox_Check1_Click(int /*entry*/, int /*value*/) {}
  virtual void E_ListBox_Check2_Click(int /*entry*/, int /*value*/) {}
  // text: the current text of the row's text box.
  virtual void E_ListBox_Text1_GotFocus(int /*entry*/, const std::string& /*text*/) {}
  virtual void E_ListBox_Text2_GotFocus(int /*entry*/, const std::string& /*text*/) {}
  virtual void E_ListBox_Text1_LostFocus(int /*entry*/, const std::string& /*text*/) {}
  virtual void E_ListBox_Text2_LostFocus(int /*entry*/, const std::string& /*text*/) {}
};

}  // namespace sequora::controls
