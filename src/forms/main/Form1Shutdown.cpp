// Closing the main window and "E&xit".
#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::Form_QueryUnload(bool& cancel, ui::UnloadMode mode) {
  // What was typed into the editor is offered for saving (not while Windows ends the session); a
  // save that fails keeps the window open with it.
  if (mode != ui::UnloadMode::WindowsSession && !editor.OfferToSave()) {
    cancel = true;
    return;
  }
  if (!TrayRemoved) {
    RemoveTrayIcon();
    TrayRemoved = true;
  }
  UnloadSecondaryWindows();
}

void Form1::Form_Unload() {
  sequencer.Stop();  // the run ends with its window
  if (!TrayRemoved) {
    RemoveTrayIcon();
    systemTray.Unload();
    TrayRemoved = true;
  }
}

void Form1::Command1_Click() {
  bool cancel = false;
  Form_QueryUnload(cancel, ui::UnloadMode::Code);
  if (cancel) return;
  sequencer.Stop();
  platform_.windows.EndProgram(0);
}

void Form1::UnloadSecondaryWindows() {
  if (msgBoxForm.Loaded()) msgBoxForm.Unload();
  if (systemTray.Loaded()) systemTray.Unload();
  if (importForm.Loaded()) importForm.Unload();
}

}  // namespace sequora::forms
