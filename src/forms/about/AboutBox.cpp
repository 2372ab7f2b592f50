#include "forms/about/AboutBox.h"

namespace sequora::forms {

std::string AboutText(const std::string& version) {
  return "Tessarin  -  Vers.: " + version +
         "\r\r\r"
         "Sequora starts your programs one after another at logon,\r"
         "each after its own delay, instead of all at once.\r\r"
         "Settings, log, backups and icons are kept beside sequora.exe.";
}

void ShowAboutBox(platform::Dialogs& dialogs, ui::Timer& countdown, ui::Timer& wait, const std::string& version) {
  const bool countdownOn = countdown.Enabled();
  const bool waitOn = wait.Enabled();
  countdown.SetEnabled(false);
  wait.SetEnabled(false);
  dialogs.MsgBox(AboutText(version), "About", platform::msgbox::kInformation);
  countdown.SetEnabled(countdownOn);
  wait.SetEnabled(waitOn);
}

}  // namespace sequora::forms
