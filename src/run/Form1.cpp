#include "run/Form1.h"

namespace sequora::run {

Form1::Form1(platform::Platform platform)
    : ui::Form("Form1"), ListBoxExtended1(*this, "ListBoxExtended1", platform.dialogs), platform_(platform) {
  Layout();
  OnLoad = [this] { Form_Load(); };
  OnQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  OnUnload = [this] { Form_Unload(); };
  Command1.Click = [this] { Command1_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  Timer2.Tick = [this] { Timer2_Timer(); };
  Command4.Click = [this] { PAUSE_SWITCH(); };
  Command2.Click = [this] { Command2_Click(); };
  Command12.Click = [this] { Command12_Click(); };
  // The row filters rebuild the status view, and with it the rows.
  HideEmptyCheck.Click = [this] {
    int first = CurrentEntry;
    FillText1Text(first);
  };
  OnlyActiveCheck.Click = HideEmptyCheck.Click;
  ListBoxExtended1.SetHost(this);
  Label1.Change = [this] { ShowCountdownInRow(); };
  Command11.Click = [this] { OpenSettingsPanel(); };
  CloseFrameBtn.Click = [this] { CloseFrameBtn_Click(); };
  ShowLogFileBtn.Click = [this] { ShowLogFileBtn_Click(); };
  Command15.Click = [this] { Command15_Click(); };
  RunCurrentBtn.Click = [this] { RunCurrentBtn_Click(); };
}

Form1::~Form1() = default;

}  // namespace sequora::run
