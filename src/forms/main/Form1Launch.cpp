// Starting programs from the main window: the editor's run-now button and the run button of a
// list row.
#include <string>

#include "base/StringOps.h"
#include "forms/main/Form1.h"
#include "platform/FilePaths.h"

namespace sequora::forms {

void Form1::RunCurrentBtn_Click() {
  editor.RunCurrentBtn.SetEnabled(false);
  const int style = editor.Check2.Value() == 1 ? platform::show::kMinimized : platform::show::kNormal;
  const std::string command =
      QuoteIfSpaces(Trim(GetLongPath(platform_.fileSystem, editor.Text5.Text()) + editor.Text6.Text()));
  launcher.LaunchProgram(command, style, editor.Text8.Text(), editor.Text5.Text());
  SetLabel1(editor.Text4.Text() + " Run");
  editor.RunCurrentBtn.SetEnabled(true);
}

void Form1::E_ListBox_Button1_Click(int row) {
  storage::ProgramEntry* entry = row >= 0 ? startupList.At(row + 1) : nullptr;
  if (!entry) return;
  const std::string program = entry->Program;
  if (platform_.dialogs.MsgBox("Run Program " + program, "Run Program",
                               platform::msgbox::kYesNo | platform::msgbox::kQuestion) != platform::msgbox::kAnswerYes)
    return;
  // Quoted when it has blanks (the long form is all there is without 8.3 names), so that
  // "C:\Program Files\..." cannot start "C:\Program".
  const std::string path = GetShortPath(platform_.fileSystem, entry->Dir + program);
  platform_.launcher.StartProgram(QuoteIfSpaces(path), platform::show::kNormal);
  entry->Done = true;
  FillText1Text();
}

}  // namespace sequora::forms
