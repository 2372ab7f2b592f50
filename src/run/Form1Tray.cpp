// The main window in the notification area (through its SystemTray window), and unloading the
// other windows when the main window closes.
#include "run/Form1.h"

namespace sequora::run {

void Form1::SetTrayMode(bool hide) {
  if (SystemTrayCheck.Value() == 1) {
    systemTray.RemoveTrayIcon();
    systemTray.AddTrayIcon(*this, Caption(), false, this, "");
    if (hide) Hide();
  } else {
    systemTray.RemoveTrayIcon();
    systemTray.Unload();
    Show();
  }
}

void Form1::ChangeToolTipText(const std::string& text) { systemTray.ChangeToolTipText(text); }

void Form1::RemoveTrayIcon() { systemTray.RemoveTrayIcon(); }

void Form1::UnloadSystemTray() { systemTray.Unload(); }

void Form1::UnloadSecondaryWindows() {
  if (msgBoxForm.Loaded()) msgBoxForm.Unload();
  if (systemTray.Loaded()) systemTray.Unload();
  // The import window joins here once it exists.
}

}  // namespace sequora::run
