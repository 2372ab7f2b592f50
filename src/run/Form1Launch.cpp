// Starting programs from the main window: the launcher, the editor's run-now button and the run
// button of a list row.
#include <string>

#include "base/StringOps.h"
#include "run/Form1.h"
#include "run/LaunchProgram.h"
#include "platform/FilePaths.h"

namespace sequora::run {

void Form1::LaunchProgram(const std::string& command, int style, const std::string& params, std::string& dir) {
  LaunchContext context{platform_.fileSystem, platform_.launcher, AppDir, IniPath,
                        [this](const std::string& text) { AddLog(text); }};
  run::LaunchProgram(context, command, style, params, dir);
}

void Form1::RunCurrentBtn_Click() {
  RunCurrentBtn.SetEnabled(false);
  int style = Check2.Value() == 1 ? platform::show::kMinimized : platform::show::kNormal;
  std::string command = QuoteIfSpaces(Trim(GetLongPath(platform_.fileSystem, Text5.Text()) + Text6.Text()));
  std::string dir = Text5.Text();
  LaunchProgram(command, style, Text8.Text(), dir);
  SetLabel1(Text4.Text() + " Run");
  RunCurrentBtn.SetEnabled(true);
}

void Form1::E_ListBox_Button1_Click(int row) {
  storage::ProgramEntry* entry = row >= 0 ? ProgramList.At(row + 1) : nullptr;
  if (!entry) return;
  const std::string program = entry->Program;
  if (platform_.dialogs.MsgBox("Run Program " + program, "Run Program",
                               platform::msgbox::kYesNo | platform::msgbox::kQuestion) != platform::msgbox::kAnswerYes)
    return;
  // Quoted when it has blanks (the long form is all there is without 8.3 names), so that
  // "C:\Program Files\..." cannot start "C:\Program".
  std::string path = GetShortPath(platform_.fileSystem, entry->Dir + program);
  platform_.launcher.StartProgram(QuoteIfSpaces(path), platform::show::kNormal);
  entry->Done = true;
  int first = CurrentEntry;
  FillText1Text(first);
}

}  // namespace sequora::run
