#pragma once
// DynamicPopupMenu: turns one text, the menu string, into a context menu, shows it at the mouse
// pointer, waits for the choice and gives back the caption of the chosen item. The notification
// icon (forms/tray/SystemTray) builds its menu with it.
//
// Menu string: pieces separated by commas (no escape: a caption cannot hold a comma), numbered
// from 1 in order; the number is the item's command, also for a piece that gives no item. In a
// piece the first "[CHECKED]" (exact case) and the first "[DISABLED]" (any case) are cut out and
// give a check mark and a greyed item; what is left, trimmed, is the caption. An empty caption
// gives no item, "-" a separator line. At most kMaxItems pieces take a number; later ones are
// left out.
//
// The menu itself is shown by platform::PopupMenus (Win32: controls/win32/Win32PopupMenus).
#include <array>
#include <string>
#include <vector>

#include "platform/PopupMenus.h"

namespace sequora::controls {

class DynamicPopupMenu {
 public:
  static constexpr int kMaxItems = 999;
  static constexpr int kStateEnabled = 0;
  static constexpr int kStateDisabled = 1;  // cannot be chosen (drawn greyed here as well)
  static constexpr int kStateGrayed = 2;    // cannot be chosen, greyed

  explicit DynamicPopupMenu(platform::PopupMenus& menus) : menus_(menus) {}

  // Builds the menu from `mItems`, shows it at the mouse pointer and returns the caption of the
  // chosen item as shown (trimmed, markers cut out); "" when the menu was dismissed. A blank menu
  // string shows nothing. Two items with the same caption cannot be told apart by the caller.
  std::string Popup(const std::string& mItems);

  // The menu being built (the menu handle's content): what Popup fills and shows.
  const std::vector<platform::PopupMenuItem>& MenuItems() const { return menu_; }
  // Appends one item ("-": a separator). State: kStateEnabled, kStateDisabled or kStateGrayed.
  void AddMenuItem(int number, const std::string& caption, bool isDefault, bool checked, int state);
  // Shows the menu at (x, y) in screen pixels, -1 standing for the pointer's coordinate; the
  // chosen item's number, 0 when dismissed.
  int ShowMenu(int x = -1, int y = -1);
  // The caption of item `number` as last shown; "" outside 0..kMaxItems.
  std::string GetItemCaption(int number) const;

 private:
  platform::PopupMenus& menus_;
  std::vector<platform::PopupMenuItem> menu_;
  std::array<std::string, kMaxItems + 1> itemCaptions_{};
};

}  // namespace sequora::controls
