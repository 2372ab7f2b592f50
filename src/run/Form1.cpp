#include "run/Form1.h"

namespace sequora::run {

Form1::Form1(platform::Platform platform) : ui::Form("Form1"), platform_(platform) {
  Layout();
  OnLoad = [this] { Form_Load(); };
  OnQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  OnUnload = [this] { Form_Unload(); };
  Command1.Click = [this] { Command1_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
  ShowLogFileBtn.Click = [this] { ShowLogFileBtn_Click(); };
  Command15.Click = [this] { Command15_Click(); };
  RunCurrentBtn.Click = [this] { RunCurrentBtn_Click(); };
}

Form1::~Form1() = default;

}  // namespace sequora::run
