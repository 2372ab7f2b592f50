// The main window in the notification area, through its SystemTray window, and the icon's menu.
#include "forms/main/Form1.h"

namespace sequora::forms {

namespace {
// The icon's menu. The choice comes back as a caption, so each item is one of these.
constexpr char kShow[] = "&Show";
constexpr char kPause[] = "&Pause";
constexpr char kResume[] = "&Resume";
constexpr char kStartNow[] = "Start &next now";
constexpr char kSkip[] = "S&kip next";
constexpr char kExit[] = "E&xit";

std::string Item(const char* caption, bool usable) { return std::string(caption) + (usable ? "" : "[DISABLED]"); }
}  // namespace

void Form1::SetTrayMode(bool hide) {
  if (settings_.SystemTray) {
    systemTray.RemoveTrayIcon();
    systemTray.AddTrayIcon(*this, Caption(), false, this, TrayMenuString());
    if (hide) Hide();
  } else {
    systemTray.RemoveTrayIcon();
    systemTray.Unload();
    Show();
  }
}

// Whatever the saved options say (the settings panel's button, before the option is saved).
void Form1::GoToTray() {
  systemTray.RemoveTrayIcon();
  systemTray.AddTrayIcon(*this, Caption(), false, this, TrayMenuString());
  Hide();
}

void Form1::ChangeToolTipText(const std::string& text) { systemTray.ChangeToolTipText(text); }

void Form1::RemoveTrayIcon() { systemTray.RemoveTrayIcon(); }

std::string Form1::TrayMenuString() const {
  const bool running = !sequencer.RunEnded();
  return Item(kShow, true) + "," + Item(sequencer.Paused() ? kResume : kPause, running) + "," +
         Item(kStartNow, running && Command2.Enabled()) + "," + Item(kSkip, running) + ",-," + Item(kExit, true);
}

void Form1::OnTrayMenu(const std::string& caption) {
  if (caption == kShow) {
    systemTray.RestoreTarget();
  } else if (caption == kPause || caption == kResume) {
    sequencer.PAUSE_SWITCH();
  } else if (caption == kStartNow) {
    sequencer.StartNextNow();
  } else if (caption == kSkip) {
    sequencer.SkipNext();
  } else if (caption == kExit) {
    Command1_Click();
  }
}

}  // namespace sequora::forms
