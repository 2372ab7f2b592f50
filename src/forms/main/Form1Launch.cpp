// Starting programs from the main window: the editor's run-now button and the run button of a
// list row. Both start as the run does (LaunchProgram), with folder, parameters and window state.
#include <string>

#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::RunCurrentBtn_Click() {
  editor.RunCurrentBtn.SetEnabled(false);
  const int style = editor.Check2.Value() == 1 ? platform::show::kMinimized : platform::show::kNormal;
  launcher.LaunchProgram({editor.Text5.Text(), editor.Text6.Text(), editor.Text8.Text(), style});
  SetLabel1(editor.Text4.Text() + " Run");
  editor.RunCurrentBtn.SetEnabled(true);
}

void Form1::E_ListBox_Button1_Click(int row) {
  const int n = row + 1;
  storage::ProgramEntry* entry = row >= 0 ? startupList.At(n) : nullptr;
  if (!entry) return;
  if (platform_.dialogs.MsgBox("Run Program " + entry->Program, "Run Program",
                               platform::msgbox::kYesNo | platform::msgbox::kQuestion) != platform::msgbox::kAnswerYes)
    return;
  // Started: shown as running at once (its window may take a while), and the run leaves it alone.
  // A start that failed is logged, and the run tries again when it comes to the entry.
  if (launcher.LaunchProgram(startupList.CallOf(n)).started) entry->Started = entry->Done = true;
  FillText1Text();
}

}  // namespace sequora::forms
