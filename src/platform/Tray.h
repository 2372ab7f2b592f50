#pragma once
// The notification area: one call that adds, changes or removes an icon (Shell_NotifyIconA), shows
// a balloon beside it, and the icon's notifications back to the program. Win32: platform/win32/Win32Tray; tests:
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
  static constexpr std::uint32_t kInfoValid = 0x10;  // NIF_INFO: show the balloon below
  static constexpr std::size_t kTipChars = 63;       // the record holds 64 with the terminator
  static constexpr std::size_t kInfoChars = 255;       // szInfo without its terminator
  static constexpr std::size_t kInfoTitleChars = 63;   // szInfoTitle without its terminator
  static constexpr std::uint32_t kInfoIcon = 1;        // NIIF_INFO: the balloon's "i" icon

  std::uint32_t id = 0;               // uID: tells the program's icons apart
  std::uint32_t flags = 0;            // uFlags
  std::uint32_t callbackMessage = 0;  // uCallbackMessage
  Picture icon;                       // hIcon; empty: the program's own icon
  std::string tip;                    // szTip without its terminator, at most kTipChars
  // The balloon (with kInfoValid): its title, its text and its icon (dwInfoFlags). An empty text
  // takes a balloon away.
  std::string infoTitle;
  std::string info;
  std::uint32_t infoFlags = 0;
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
  // The balloon of an icon went away: clicked by the user (NIN_BALLOONUSERCLICK), or closed or
  // timed out (NIN_BALLOONTIMEOUT, NIN_BALLOONHIDE).
  virtual void TrayBalloonClosed(std::uint32_t /*id*/, bool /*clicked*/) {}
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
