// The foot of the main window: the About box and the online update.
#include "forms/about/AboutBox.h"
#include "forms/about/OnlineUpdate.h"
#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::AboutBox_Click() { ShowAboutBox(platform_.dialogs, Timer1, Timer2, kVersion); }

void Form1::wwwLink_Click() {
  wwwLink.SetEnabled(false);
  UpdateRequest request;
  request.folder = paths_.AppDir;
  request.newProgramUrl = settings_.UpdateUrl.empty() ? kUpdateUrl : settings_.UpdateUrl;
  request.programFile = platform_.environment.ExeName() + ".exe";
  request.updaterFile = kUpdaterFile;
  request.updaterUrl = settings_.UpdaterUrl.empty() ? kUpdaterUrl : settings_.UpdaterUrl;
  UpdateProgram(platform_, request);  // ends the program when the updater started
  wwwLink.SetEnabled(true);
}

}  // namespace sequora::forms
