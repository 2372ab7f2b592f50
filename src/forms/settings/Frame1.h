#pragma once
// Frame1, the settings panel: the global options beside the program list, in place of the entry
// editor. The main window hosts it (its controls belong to the main window's form) and fills it
// from the settings it read.
#include "storage/Settings.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::forms {

class Frame1 : public ui::Frame {
 public:
  explicit Frame1(ui::Form& host);

  // The options as the panel shows them: ticks, and the two numbers as text.
  void ShowSettings(const storage::MainSettings& settings, int countdown, int defaultDelay);

  ui::Label Label9{Owner(), "Label9"};  // "Main Program:"
  ui::Label Label3{Owner(), "Label3"};
  ui::TextBox Text2{Owner(), "Text2"};  // InitialStartupTime
  ui::CheckBox Check1{Owner(), "Check1"};  // "Start minimized"
  ui::CheckBox SystemTrayCheck{Owner(), "SystemTrayCheck"};
  ui::Button Command13{Owner(), "Command13"};  // go to the notification area
  ui::CheckBox AutoStartMeChk{Owner(), "AutoStartMeChk"};  // Sequora's own Startup shortcut
  ui::Label Label7{Owner(), "Label7"};  // "Programlist:"
  ui::Label Label4{Owner(), "Label4"};
  ui::TextBox Text3{Owner(), "Text3"};  // ProgramDelayDefault
  ui::CheckBox RunningPrgr{Owner(), "RunningPrgr"};  // "Detect running Instance"
  ui::CheckBox SkipRegistry{Owner(), "SkipRegistry"};  // "Smart Autorun detect"
  ui::CheckBox AutoRemoveCheck{Owner(), "AutoRemoveCheck"};  // "Auto-Remove"
  ui::Button ShowLogFileBtn{Owner(), "ShowLogFileBtn"};
  ui::Button Command3{Owner(), "Command3"};  // "Show Ini"
  ui::Button Command5{Owner(), "Command5"};  // save the settings

 private:
  void Layout();
};

}  // namespace sequora::forms
