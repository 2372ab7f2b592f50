#pragma once
// MsgBoxForm, the group confirmation window: asks once per group whether its programs start
// ("&Run all"), are passed over ("&Skip all") or start by their own settings ("&Defaults").
// It is not modal and opens pinned on top (AlwaysOnTop1, which the user can release): the
// countdown and the run go on while it is open, and its
// Label2 mirrors the main window's seconds (a click on it pauses or resumes the run). The window
// that opens it fills it (LoadValue) and takes the answers (ConfirmHost); the window then moves
// on to the next undecided group or closes.
//
// Named pictures: "question" (Picture2), "program" (Picture1, until program icons exist),
// "run" (&Run all), "disabled" (&Skip all), "settings" (&Defaults).
//
// Handlers and the filling are in MsgBoxForm.cpp, the look in MsgBoxFormLayout.cpp.
#include <string>
#include <vector>

#include "autostart/Registry.h"
#include "controls/AlwaysOnTop.h"
#include "forms/confirm/ConfirmHost.h"
#include "platform/Dialogs.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace sequora::forms {

class MsgBoxForm : public ui::Form {
 public:
  static constexpr int kMaxLines = 999;
  static constexpr const char* kDesignCaption = "Confirm Startup";

  MsgBoxForm(ConfirmHost& host, platform::Dialogs& dialogs, autostart::AppSettings& appSettings);

  // The group the window shows (0 before the first LoadValue after the window was opened).
  int GetCurGroupNR() const { return curGroup_; }
  // Shows group `group` with its list lines and the icon of `pictureEntry`. A group below 1, or
  // no line to show, closes the window.
  void LoadValue(int group, const std::vector<std::string>& lines, int pictureEntry);
  // The opener's seconds changed: shown at once.
  void SecondsChanged() { CopySeconds(); }

  // ---- Handlers ------------------------------------------------------------------------------
  void Form_Load();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void Form_Unload();
  void Timer1_Timer();
  void Label2_Click();
  void Command1_Click();  // "&Run all"
  void Command2_Click();  // "&Skip all"
  void Command3_Click();  // "&Defaults" (also Esc)

  // ---- Controls ------------------------------------------------------------------------------
  ui::PictureBox Picture2{*this, "Picture2"};  // question mark
  ui::Label Label1{*this, "Label1"};           // group name
  ui::Label Label2{*this, "Label2"};           // the main window's seconds
  ui::PictureBox Picture1{*this, "Picture1"};  // icon of the group's picture entry
  ui::ListBox List1{*this, "List1"};           // the group's programs
  ui::CheckBox Check1{*this, "Check1"};        // "Confirm for all Groups"
  ui::Button Command1{*this, "Command1"};      // "&Run all"
  ui::Button Command2{*this, "Command2"};      // "&Skip all"
  ui::Button Command3{*this, "Command3"};      // "&Defaults"
  controls::AlwaysOnTop AlwaysOnTop1;          // pins the window on top
  ui::Timer Timer1{*this, "Timer1", 1000, true};

 private:
  void Layout();  // MsgBoxFormLayout.cpp
  void Decide(ui::Button& button, storage::ConfirmState state);
  void CopySeconds();
  void DragWindow(int button);

  ConfirmHost& host_;
  platform::Dialogs& dialogs_;
  int curGroup_ = 0;
};

}  // namespace sequora::forms
