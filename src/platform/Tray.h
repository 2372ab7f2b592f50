#pragma once
// The notification area: one call that adds, changes or removes an icon (Shell_NotifyIconA), and
// the icon's notifications back to the program. Win32: platform/win32/Win32Tray; tests:
// platform/fake/FakeTray. The portable owner of the icon is forms::SystemTray.
#include <cstdint>
#include <string>

#include "base/Picture.h"

namespace sequora::platform {

enum class TrayMessage { Add = 0, Modify = 1, Delete = 2 };  // NIM_ADD, NIM_MODIFY, NIM_DELETE

// What is handed to the shell for one icon, field by field as in the shell's icon record. The
// record's window is the tray's own hidden window, so it is not part of this.
struct TrayIconData {
  static constexpr std::uint32_t kMessageValid = 1;  // NIF_MESSAGE
  static constexpr std::uint32_t kIconValid = 2;     // NIF_ICON
  static constexpr std::uint32_t kTipValid = 4;      // NIF_TIP
  static constexpr std::size_t kTipChars = 63;       // the record holds 64 with the terminator

  std::uint32_t id = 0;               // uID: tells the program's icons apart
  std::uint32_t flags = 0;            // uFlags
  std::uint32_t callbackMessage = 0;  // uCallbackMessage
  Picture icon;                   // hIcon; empty: the program's own icon
  std::string tip;                    // szTip without its terminator, at most kTipChars
};

// Receives what the shell reports about the icons.
class TrayListener {
 public:
  virtual ~TrayListener() = default;
  // A mouse message on an icon (512 move, 513 left down, 514 left up, 515 left double click,
  // 516 right down, 517 right up, ...), as the shell sends it with the callback message.
  virtual void TrayMouseMessage(std::uint32_t id, int mouseMessage) = 0;
  // The shell (the taskbar) was started again and has forgotten every icon.
  virtual void TaskbarCreated() = 0;
};

class Tray {
 public:
  virtual ~Tray() = default;
  // Shell_NotifyIconA: false when the shell refused (no such icon, icon exists already, no shell).
  virtual bool NotifyIcon(TrayMessage message, const TrayIconData& data) = 0;
  // One listener at a time: the last one set gets the reports.
  virtual void SetListener(TrayListener* listener) = 0;
  // Stops the reports to `listener` (when it is still the one set).
  virtual void RemoveListener(TrayListener* listener) = 0;
};

}  // namespace sequora::platform
