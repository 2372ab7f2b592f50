#pragma once
// Context menus: one menu shown, the user's choice given back. Win32: controls/win32/
// Win32PopupMenus (CreatePopupMenu, TrackPopupMenuEx); tests: platform/fake/FakePopupMenus. The
// portable owner of a menu is controls::DynamicPopupMenu.
#include <optional>
#include <vector>
#include <string>

namespace sequora::platform {

struct PopupMenuItem {
  int command = 0;        // given back when the item is chosen; 1 and up
  std::string caption;    // shown as written ("&" marks a mnemonic, as in every menu)
  bool separator = false;  // a line; caption and the flags below are not used
  bool checked = false;
  bool grayed = false;     // shown, cannot be chosen
  bool isDefault = false;  // shown in bold
};

// Where the menu opens, in screen pixels; a coordinate that is not given is the mouse pointer's.
struct PopupMenuPosition {
  std::optional<int> x;
  std::optional<int> y;
};

class PopupMenus {
 public:
  virtual ~PopupMenus() = default;
  // Shows the items as a context menu and returns when it closes: the command of the chosen item,
  // 0 when the menu was dismissed (Esc, a click elsewhere) or could not be shown. The program is
  // brought to the front first, so that a click anywhere else closes the menu.
  virtual int TrackPopupMenu(const std::vector<PopupMenuItem>& items, const PopupMenuPosition& at) = 0;
};

}  // namespace sequora::platform
