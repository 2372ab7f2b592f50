#pragma once
// Context menus on Win32, the menu part of controls::DynamicPopupMenu: each menu is built afresh
// (CreatePopupMenu, AppendMenuA, EnableMenuItem, SetMenuDefaultItem) and shown with
// TrackPopupMenuEx, which returns the chosen command.
//
// The menu is owned by a hidden window of its own that is brought to the foreground first: a
// context menu closes on a click elsewhere only when its owner is the foreground window, and a
// notification icon's menu is opened while another program is in front. Esc closes it.
#include <windows.h>

#include "platform/PopupMenus.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::controls::win32 {

class Win32PopupMenus : public platform::PopupMenus {
 public:
  int TrackPopupMenu(const std::vector<platform::PopupMenuItem>& items, const platform::PopupMenuPosition& at) override;

  // The menu being shown (nullptr when none): for the tests, which look at it while it is open.
  HMENU OpenMenu() const { return open_; }
  HWND Owner() const { return owner_.Get(); }

 private:
  bool EnsureOwner();

  platform::win32::UniqueWindow owner_;
  HMENU open_ = nullptr;
};

}  // namespace sequora::controls::win32
