// Calls from the main window into parts of Sequora that are not built yet. Each body is one line
// that the work named beside it replaces (and moves to that work's own file).
#include "run/Form1.h"

namespace sequora::run {

void Form1::PrepareEditor() {}      // entry editor and program icons
void Form1::SetUpdateLink() {}      // About box and online update
void Form1::SetupIconList() {}      // program icons
void Form1::OpenSettingsPanel() {}  // main settings panel (Command11)
// Status view: until it exists, the rebuild only reloads the program list.
void Form1::FillText1Text(int& /*firstEntry*/) { ReloadProgrammListeObj(); }
void Form1::Command7_Click() {}                        // entry editor
void Form1::Command14_Click() {}                       // import window
void Form1::RefreshGroupList() {}                      // confirmation groups
void Form1::OpenGroupConfirmation(int, int) {}         // group start confirmation
void Form1::SetTrayMode(bool) {}                       // notification-area icon
void Form1::ChangeToolTipText(const std::string&) {}  // notification-area icon
void Form1::CloseFrameBtn_Click() {}                   // entry editor
void Form1::RemoveTrayIcon() {}                        // notification-area icon
void Form1::UnloadSecondaryWindows() {}                // group confirmation, tray, import window
void Form1::UnloadSystemTray() {}                      // notification-area icon
void Form1::RunStartupList() {}                        // startup sequencer

}  // namespace sequora::run
