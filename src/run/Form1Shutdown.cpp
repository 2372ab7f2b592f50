// Closing the main window and "E&xit".
#include "run/Form1.h"

namespace sequora::run {

void Form1::Form_QueryUnload(bool& /*cancel*/, ui::UnloadMode /*mode*/) {
  if (!TrayRemoved) {
    RemoveTrayIcon();
    TrayRemoved = true;
  }
  UnloadSecondaryWindows();
}

void Form1::Form_Unload() {
  StopSequencer();  // the run ends with its window
  if (!TrayRemoved) {
    RemoveTrayIcon();
    UnloadSystemTray();
    TrayRemoved = true;
  }
}

void Form1::Command1_Click() {
  bool cancel = false;
  Form_QueryUnload(cancel, ui::UnloadMode::Code);
  StopSequencer();
  platform_.windows.EndProgram(0);
}

}  // namespace sequora::run
