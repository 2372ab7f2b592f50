#include "forms/main/Form1.h"

namespace sequora::forms {

namespace {
constexpr int kKeyF1 = 0x70;  // VK_F1
constexpr int kKeyF2 = 0x71;  // VK_F2
}  // namespace

Form1::Form1(platform::Platform platform) : ui::Form("Form1"), platform_(platform) {
  Layout();
  OnLoad = [this] { Form_Load(); };
  OnQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  OnUnload = [this] { Form_Unload(); };
  OnResize = [this] { Form_Resize(); };
  Command1.Click = [this] { Command1_Click(); };
  Timer1.Tick = [this] { sequencer.Tick(startup::RunTimer::Countdown); };
  Timer2.Tick = [this] { sequencer.Tick(startup::RunTimer::Wait); };
  Command4.Click = [this] { sequencer.PAUSE_SWITCH(); };
  Command2.Click = [this] { sequencer.StartNextNow(); };
  Command12.Click = [this] { sequencer.SkipNext(); };
  // The row filters rebuild the status view, and with it the rows.
  HideEmptyCheck.Click = [this] { FillText1Text(); };
  OnlyActiveCheck.Click = HideEmptyCheck.Click;
  ListBoxExtended1.SetHost(this);
  Label1.Change = [this] {
    ShowCountdownInRow();
    // The confirmation mirrors the seconds at once, not up to a second later on its own timer.
    if (msgBoxForm.Loaded()) msgBoxForm.SecondsChanged();
  };
  Command11.Click = [this] {
    OpenSettingsPanel();
    settingsPanel.Text2.SetFocus();  // the button goes unusable: the focus goes to the first field
  };
  Command14.Click = [this] { Command14_Click(); };
  CloseFrameBtn.Click = [this] { CloseFrameBtn_Click(); };
  settingsPanel.ShowLogFileBtn.Click = [this] { ShowLogFileBtn_Click(); };
  Command15.Click = [this] { Command15_Click(); };
  editor.RunCurrentBtn.Click = [this] { RunCurrentBtn_Click(); };
  AboutBox.Click = [this] { AboutBox_Click(); };
  wwwLink.Click = [this] { wwwLink_Click(); };
  // F1 the About box, F2 edits the selected entry (as in Explorer: the keyboard's way into the
  // editor).
  OnKeyDown = [this](int keyCode, bool& handled) {
    if (keyCode == kKeyF1) {
      handled = true;
      AboutBox_Click();
    } else if (keyCode == kKeyF2) {
      handled = true;
      EditSelectedEntry();
    }
  };
  systemTray.OnTrayMenu = [this](const std::string& caption) { OnTrayMenu(caption); };
  systemTray.MenuOpening = [this] { systemTray.ChangePopupMenuString(TrayMenuString()); };
  log.OnAdded = [this] {
    settingsPanel.ShowLogFileBtn.SetEnabled(true);
    Command15.SetEnabled(true);
  };
}

Form1::~Form1() = default;

void Form1::ShowLogFileBtn_Click() {
  settingsPanel.ShowLogFileBtn.SetEnabled(false);
  log.GetLog();
  settingsPanel.ShowLogFileBtn.SetEnabled(true);
}

void Form1::Command15_Click() { log.GetLog(); }

}  // namespace sequora::forms
