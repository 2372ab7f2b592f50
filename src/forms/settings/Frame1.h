#pragma once
// Frame1, the settings panel: the global options beside the program list, in place of the entry
// editor. The main window hosts it (its controls belong to the main window's form), fills it from
// the settings it read, and opens and closes it (Command11, CloseFrameBtn).
//
// Changes are collected in the controls; the save button Command5 shows once anything changed
// (also when code sets a control) and writes every option in one replacement of the settings
// file, then puts Sequora into the Windows autostart or takes it out ("Autorun on Startup").
// The number fields take any number on leaving them; what is no 16-bit number becomes 20 (the
// countdown) or 5 (the default delay).
//
// Handlers are in Frame1.cpp, the look in Frame1Layout.cpp.
#include "forms/settings/SettingsHost.h"
#include "platform/Platform.h"
#include "storage/AppPaths.h"
#include "storage/Settings.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::forms {

class Frame1 : public ui::Frame {
 public:
  static constexpr int kCountdownFallback = 20;
  static constexpr int kDelayFallback = 5;

  Frame1(ui::Form& form, SettingsHost& host, platform::Platform platform, const storage::AppPaths& paths,
         storage::MainSettings& settings);

  // The options as the panel shows them: ticks, and the two numbers as text.
  void ShowSettings(const storage::MainSettings& settings, int countdown, int defaultDelay);
  // Whether Sequora's own Startup shortcut exists (the load handler ticks AutoStartMeChk then).
  bool OwnAutostartExists() const;
  // Something changed since the panel was filled or saved: the save button shows.
  bool Changed() const { return Command5.Visible(); }

  // ---- Handlers ------------------------------------------------------------------------------
  void SaveMainSettings();  // Command5
  void Text2_LostFocus();
  void Text3_LostFocus();
  void SkipRegistry_Click();
  void AutoRemoveCheck_Click();
  void SystemTrayCheck_Click();
  void Command13_Click();  // to the notification area now
  void Command3_Click();   // "Show Ini"

  // ---- Controls ------------------------------------------------------------------------------
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
  void Layout();  // Frame1Layout.cpp
  void MarkChanged() { Command5.SetVisible(true); }
  // The number rule of the two fields: the text as a 16-bit number, else `fallback`.
  static void NormalizeNumber(ui::TextBox& field, int fallback);
  void Warn(const std::string& text);

  SettingsHost& host_;
  platform::Platform platform_;
  const storage::AppPaths& paths_;
  storage::MainSettings& settings_;
};

}  // namespace sequora::forms
