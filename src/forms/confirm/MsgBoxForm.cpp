// The group confirmation window: filling it, its decisions, the mirrored seconds, dragging.
#include "forms/confirm/MsgBoxForm.h"

#include <algorithm>

#include "base/StringOps.h"
#include "ui/WindowHandling.h"

namespace sequora::forms {

MsgBoxForm::MsgBoxForm(ConfirmHost& host, platform::Dialogs& dialogs, autostart::AppSettings& appSettings)
    : ui::Form("MsgBoxForm"), AlwaysOnTop1(*this, "AlwaysOnTop1", appSettings), host_(host), dialogs_(dialogs) {
  Layout();
  OnLoad = [this] { Form_Load(); };
  OnQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  OnUnload = [this] { Form_Unload(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Label2.Click = [this] { Label2_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  // The whole window acts as its title bar.
  OnMouseDown = [this](int button) { DragWindow(button); };
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Picture1, &Picture2})
    c->MouseDown = [this](int button) { DragWindow(button); };
}

void MsgBoxForm::Form_Load() {
  // A window reopened after its frame closed it has no group yet: LoadValue fills it again.
  curGroup_ = 0;
  AlwaysOnTop1.SetToTop(false);
  Timer1.SetEnabled(true);
  CopySeconds();
}

void MsgBoxForm::Form_QueryUnload(bool& /*cancel*/, ui::UnloadMode /*mode*/) { host_.SetConfirmMessageVisible(false); }

void MsgBoxForm::Form_Unload() { host_.SetConfirmMessageVisible(false); }

void MsgBoxForm::LoadValue(int group, const std::vector<std::string>& lines, int pictureEntry) {
  curGroup_ = group;
  if (group < 1) {
    Unload();
    return;
  }
  Label1.SetCaption(ReplaceText(host_.GroupText(group), " *", "", true));
  SetCaption(Label1.Caption() + " - Start?");

  List1.Clear();
  host_.LoadProgrIcon(std::max(pictureEntry, 1), Picture1);
  for (const std::string& line : lines) {
    if (line.empty()) break;
    if (List1.ListCount() >= kMaxLines) {
      dialogs_.MsgBox("Error 72! - Could not load values", "Error loadling List - Overflow!",
                               platform::msgbox::kCritical);
      break;
    }
    List1.AddItem(ReplaceText(line, ".exe", "", false));
  }
  if (List1.ListCount() == 0) {
    host_.SetConfirmMessageVisible(false);
    Unload();
    return;
  }
  Command3.SetFocus();
}

void MsgBoxForm::Command1_Click() { Decide(Command1, storage::ConfirmState::RunAll); }
void MsgBoxForm::Command2_Click() { Decide(Command2, storage::ConfirmState::SkipAll); }
void MsgBoxForm::Command3_Click() { Decide(Command3, storage::ConfirmState::Defaults); }

// Decides the shown group, then moves on to the next undecided group: with "Confirm for all
// Groups" ticked that group gets the same answer at once, otherwise the window waits for the user.
void MsgBoxForm::Decide(ui::Button& button, storage::ConfirmState state) {
  button.SetEnabled(false);
  host_.SetConfirmStatus(curGroup_, state);
  host_.SetConfirmMessageVisible(false);
  button.SetEnabled(true);
  // Every pass decides one more group, so the entries run out; the bound only guards the loop.
  for (int pass = 0; pass <= 101; ++pass) {
    if (!host_.ShowNextConfirmDialog()) {
      Unload();
      return;
    }
    if (Check1.Value() == 0) return;
    host_.SetConfirmStatus(curGroup_, state);
    host_.SetConfirmMessageVisible(false);
  }
}

void MsgBoxForm::Timer1_Timer() { CopySeconds(); }

void MsgBoxForm::Label2_Click() {
  host_.PAUSE_SWITCH();
  CopySeconds();
}

void MsgBoxForm::CopySeconds() {
  Label2.SetCaption(host_.SecondsText());
  Label2.SetForeColor(host_.SecondsColour());
}

void MsgBoxForm::DragWindow(int button) { ui::StartWindowDrag(*this, button); }

}  // namespace sequora::forms
