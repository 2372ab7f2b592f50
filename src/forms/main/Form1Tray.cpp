// The main window in the notification area, through its SystemTray window.
#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::SetTrayMode(bool hide) {
  if (settings_.SystemTray) {
    systemTray.RemoveTrayIcon();
    systemTray.AddTrayIcon(*this, Caption(), false, this, "");
    if (hide) Hide();
  } else {
    systemTray.RemoveTrayIcon();
    systemTray.Unload();
    Show();
  }
}

// Minimised in tray mode: the window goes to the icon alone, with no taskbar button beside it.
void Form1::Form_Resize() {
  if (State() == ui::WindowState::Minimized && Visible() && settings_.SystemTray) SetTrayMode(true);
}

void Form1::ChangeToolTipText(const std::string& text) { systemTray.ChangeToolTipText(text); }

void Form1::RemoveTrayIcon() { systemTray.RemoveTrayIcon(); }

}  // namespace sequora::forms
