// The group confirmation window: filling it, its decisions, the mirrored seconds, dragging.
#include "run/MsgBoxForm.h"

#include <algorithm>

#include "base/StringOps.h"
#include "run/Form1.h"
#include "ui/WindowHandling.h"

namespace sequora::run {

MsgBoxForm::MsgBoxForm(Form1& main, platform::Platform platform)
    : ui::Form("MsgBoxForm"), main_(main), platform_(platform) {
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
  SetTopmost(true);
  Timer1.SetInterval(main_.Timer1.Interval());
  Timer1.SetEnabled(true);
  CopySeconds();
}

void MsgBoxForm::Form_QueryUnload(bool& /*cancel*/, ui::UnloadMode /*mode*/) { main_.SetConfirmMessageVisible(false); }

void MsgBoxForm::Form_Unload() { main_.SetConfirmMessageVisible(false); }

void MsgBoxForm::LoadValue(int group, const std::vector<std::string>& lines, int pictureEntry) {
  curGroup_ = group;
  if (group < 1) {
    Unload();
    return;
  }
  Label1.SetCaption(ReplaceText(main_.QuestionCombo.List(group - 1), " *", "", true));
  SetCaption(Label1.Caption() + " - Start?");

  List1.Clear();
  main_.LoadProgrIcon(std::max(pictureEntry, 1), Picture1);
  for (const std::string& line : lines) {
    if (line.empty()) break;
    if (List1.ListCount() >= kMaxLines) {
      platform_.dialogs.MsgBox("Error 72! - Could not load values", "Error loadling List - Overflow!",
                               platform::msgbox::kCritical);
      break;
    }
    List1.AddItem(ReplaceText(line, ".exe", "", false));
  }
  if (List1.ListCount() == 0) {
    main_.SetConfirmMessageVisible(false);
    Unload();
    return;
  }
  Command3.SetFocus();
}

void MsgBoxForm::Command1_Click() { Decide(Command1, 1); }
void MsgBoxForm::Command2_Click() { Decide(Command2, 2); }
void MsgBoxForm::Command3_Click() { Decide(Command3, 3); }

// Decides the shown group, then moves on to the next undecided group: with "Confirm for all
// Groups" ticked that group gets the same answer at once, otherwise the window waits for the user.
void MsgBoxForm::Decide(ui::Button& button, int state) {
  button.SetEnabled(false);
  main_.SetConfirmStatus(curGroup_, state);
  main_.SetConfirmMessageVisible(false);
  button.SetEnabled(true);
  // Every pass decides one more group, so the entries run out; the bound only guards the loop.
  for (int pass = 0; pass <= 101; ++pass) {
    bool found = false;
    main_.ShowNextConfirmDialog(found);
    if (!found) {
      Unload();
      return;
    }
    if (Check1.Value() == 0) return;
    main_.SetConfirmStatus(curGroup_, state);
    main_.SetConfirmMessageVisible(false);
  }
}

void MsgBoxForm::Timer1_Timer() { CopySeconds(); }

void MsgBoxForm::Label2_Click() {
  main_.PAUSE_SWITCH();
  CopySeconds();
}

void MsgBoxForm::CopySeconds() {
  Label2.SetCaption(main_.Label1.Caption());
  Label2.SetForeColor(main_.Label1.ForeColor());
}

void MsgBoxForm::DragWindow(int button) { ui::StartWindowDrag(*this, button); }

}  // namespace sequora::run
