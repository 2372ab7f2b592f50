// The settings panel in the main window: opening it, and what its save asks of the window.
#include "forms/main/Form1.h"

namespace sequora::forms {

// The panel takes the editor's place (the two never show at once) and the list its narrow width.
void Form1::OpenSettingsPanel() {
  Command11.SetEnabled(false);
  CloseFrameBtn.SetVisible(true);
  editor.SetVisible(false);
  settingsPanel.Move(editor.Left(), editor.Top(), editor.Width(), editor.Height());
  settingsPanel.SetVisible(true);
  ArrangeListFrame();
}

void Form1::SettingsSaved() {
  SetLabel1("Saved");
  FillText1Text();
}

}  // namespace sequora::forms
