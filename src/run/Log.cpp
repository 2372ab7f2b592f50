// The startup log: what the run did not do as planned, kept in LogText and appended to the log
// file beside the program.
#include <string>

#include "run/Form1.h"
#include "storage/SettingsFile.h"

namespace sequora::run {

void Form1::AddLog(const std::string& text) {
  LogText += text + "\r";
  ShowLogFileBtn.SetEnabled(true);
  Command15.SetEnabled(true);
  // One entry is three lines: empty, time and date, the text. One append per entry, so two
  // entries in the same second still give two whole blocks. A file that cannot be written loses
  // the entry there; LogText keeps it.
  platform::Environment& env = platform_.environment;
  std::string block = "\r\n---  " + env.TimeText() + " " + env.DateText() + "  ---\r\n" + text + "\r\n";
  platform_.fileSystem.AppendFile(LogPath, block);
}

std::string Form1::GetLog() {
  if (ReadSetting(storage::key::kGenerateLogFile, "1") == "1")
    platform_.launcher.StartNotepad(LogPath);
  else
    platform_.dialogs.MsgBox(LogText, "Log", platform::msgbox::kInformation);
  return LogText;
}

void Form1::ShowLogFileBtn_Click() {
  ShowLogFileBtn.SetEnabled(false);
  GetLog();
  ShowLogFileBtn.SetEnabled(true);
}

void Form1::Command15_Click() { GetLog(); }

}  // namespace sequora::run
