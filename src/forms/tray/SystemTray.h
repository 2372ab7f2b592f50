#pragma once
// SystemTray: the hidden window that owns Sequora's icon in the notification area. The main window
// adds the icon when it goes to the notification area, changes its tool tip as the countdown runs
// and removes it on exit. Releasing the left button on the icon (or a double click) brings the
// target window back and unloads SystemTray, which removes the icon. Releasing the right button
// opens the popup menu built from MenuString (DynamicPopupMenu), when there is one, and hands the
// chosen caption to OnTrayMenu. With MenuOnRightClick the left button opens the menu too, and only
// a double click brings the window back. From the keyboard (the icon selected with Win+B and the
// arrows), Enter or Space brings the window back.
//
// SystemTray is a ui::Form that is never shown: it is loaded while it owns an icon, and unloading
// it (also by the main window at shutdown) removes the icon. The platform's tray (platform::Tray)
// owns the real hidden window that receives the icon's messages. When the shell starts again
// (Explorer restarted) the icon is added again, so a window hidden in the notification area is
// never lost.
#include <cstdint>
#include <functional>
#include <string>

#include "controls/DynamicPopupMenu.h"
#include "platform/PopupMenus.h"
#include "platform/Tray.h"
#include "ui/Form.h"

namespace sequora::forms {

// The mouse messages the icon reports.
namespace traymouse {
inline constexpr int kMove = 512;
inline constexpr int kLeftDown = 513;
inline constexpr int kLeftUp = 514;
inline constexpr int kLeftDoubleClick = 515;
inline constexpr int kRightDown = 516;
inline constexpr int kRightUp = 517;
inline constexpr int kKeySelect = 0x401;  // NIN_KEYSELECT: Enter or Space on the icon
}  // namespace traymouse

class SystemTray : public ui::Form, private platform::TrayListener {
 public:
  SystemTray(platform::Tray& tray, platform::PopupMenus& menus);
  ~SystemTray() override;

  std::string MenuString;         // popup menu of the icon; empty: no menu
  std::string TipText;            // tool tip given when the icon was added
  bool MenuOnRightClick = false;  // a left click opens the menu too, instead of restoring TargetForm
  ui::Form* TargetForm = nullptr; // brought back by a click, receives the menu choices
  platform::TrayIconData IconData;
  // The target window's "OnTrayMenu": receives the caption of the chosen menu item.
  std::function<void(const std::string& caption)> OnTrayMenu;
  // The balloon went away: clicked by the user, or closed by the user or the shell.
  std::function<void(bool clicked)> OnBalloonClosed;
  // Raised right before the menu opens: the target brings MenuString up to date.
  std::function<void()> MenuOpening;
  controls::DynamicPopupMenu DynamicPopupMenu1;

  // Loads the window and adds the icon showing `RefIcon_Form`'s icon. An empty menu string keeps
  // the menu string that was set before.
  void AddTrayIcon(const ui::Form& RefIcon_Form, const std::string& c_ToolTipText, bool c_OpenMenueOnRightClick,
                   ui::Form* c_ShowFormOnClick, const std::string& M_PopupMenuString);
  // New tool tip, without its leading blanks; TipText stays as it was.
  void ChangeToolTipText(const std::string& c_ToolTipText);
  void ChangeIcon(const ui::Form& RefIcon_Form);
  void ChangeIcon_Picture(const Picture& RefIcon);
  void ChangePopupMenuString(const std::string& M_PopupMenuString) { MenuString = M_PopupMenuString; }
  void RemoveTrayIcon();
  bool IconShown() const { return iconShown_; }
  // A balloon with an information icon beside the icon shown. False when there is no icon or the
  // shell refused it: nobody will see it, and OnBalloonClosed will not come.
  bool ShowBalloon(const std::string& title, const std::string& text);

  // A mouse message of the icon (what the window's mouse-move event reports).
  void Form_MouseMove(int mouseMessage);

  // Brings TargetForm back (shown, normal, active) and unloads the window, which removes the icon.
  void RestoreTarget();

  // The icon's tool tip as the shell keeps it: at most 63 characters.
  static std::string TipField(const std::string& text);

 private:
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void OpenMenu();
  void TrayMouseMessage(std::uint32_t id, int mouseMessage) override;
  void TaskbarCreated() override;
  void TrayBalloonClosed(std::uint32_t id, bool clicked) override;

  platform::Tray& tray_;
  bool iconShown_ = false;  // added and not removed since (whether or not the shell took it)
};

}  // namespace sequora::forms
