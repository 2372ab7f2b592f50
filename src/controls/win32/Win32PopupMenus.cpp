#include "controls/win32/Win32PopupMenus.h"

namespace sequora::controls::win32 {

namespace {
constexpr char kOwnerClass[] = "SequoraMenuOwner";
}  // namespace

bool Win32PopupMenus::EnsureOwner() {
  if (owner_) return true;
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!::GetClassInfoA(instance, kOwnerClass, &wc)) {
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = kOwnerClass;
    if (!::RegisterClassA(&wc)) return false;
  }
  // A tool window: never on the taskbar, never taken for Sequora's main window (it has no title).
  owner_.Reset(::CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 instance, nullptr));
  return static_cast<bool>(owner_);
}

int Win32PopupMenus::TrackPopupMenu(const std::vector<platform::PopupMenuItem>& items,
                                    const platform::PopupMenuPosition& at) {
  if (items.empty() || !EnsureOwner()) return 0;
  platform::win32::UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return 0;
  for (const platform::PopupMenuItem& item : items) {
    const UINT_PTR id = static_cast<UINT_PTR>(item.command);
    if (item.separator) {
      ::AppendMenuA(menu.Get(), MF_SEPARATOR, id, nullptr);
      continue;
    }
    if (!::AppendMenuA(menu.Get(), MF_STRING | (item.checked ? MF_CHECKED : 0u), id, item.caption.c_str())) continue;
    if (item.isDefault) ::SetMenuDefaultItem(menu.Get(), static_cast<UINT>(item.command), FALSE);
    if (item.grayed) ::EnableMenuItem(menu.Get(), static_cast<UINT>(item.command), MF_BYCOMMAND | MF_GRAYED);
  }

  POINT pointer{};
  ::GetCursorPos(&pointer);
  const int x = at.x.value_or(pointer.x);
  const int y = at.y.value_or(pointer.y);

  HWND owner = owner_.Get();
  ::SetForegroundWindow(owner);
  open_ = menu.Get();
  const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON |
                     (::GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const BOOL chosen = ::TrackPopupMenuEx(menu.Get(), flags, x, y, owner, nullptr);
  open_ = nullptr;
  // Lets the menu's owner give up the foreground properly, so the next menu opens on the first
  // click (the documented companion of the foreground rule above).
  ::PostMessageA(owner, WM_NULL, 0, 0);
  return static_cast<int>(chosen);
}

}  // namespace sequora::controls::win32
