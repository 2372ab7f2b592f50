#pragma once
// The notification area for the tests: keeps the icons the shell would show (by id) with their
// balloons, records every call, and lets a test click an icon or a balloon or restart the shell.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/Tray.h"

namespace sequora::platform {

class FakeTray : public Tray {
 public:
  struct Call {
    TrayMessage message;
    TrayIconData data;
    bool result;
  };
  std::map<std::uint32_t, TrayIconData> icons;  // what the notification area shows now
  std::vector<Call> calls;
  bool shellRunning = true;  // false: every call fails, as before the taskbar is up

  bool NotifyIcon(TrayMessage message, const TrayIconData& data) override;
  void SetListener(TrayListener* listener) override { listener_ = listener; }
  void RemoveListener(TrayListener* listener) override {
    if (listener_ == listener) listener_ = nullptr;
  }

  int Count(TrayMessage message) const;
  const TrayIconData* Shown() const { return icons.empty() ? nullptr : &icons.begin()->second; }
  // The user does something with the mouse on the icon: the message goes to the listener.
  void SendMouseMessage(int mouseMessage);
  // The shell starts again: it forgets every icon and tells the program.
  void RestartShell();
  // The balloon shown goes: clicked, or closed by the user or its time. Nothing without one.
  void CloseBalloon(bool clicked);
  // The text of the balloon the shell shows now ("" when none).
  std::string Balloon() const;

 private:
  TrayListener* listener_ = nullptr;
};

}  // namespace sequora::platform
