#include "platform/win32/Win32Tray.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/PictureDrawing.h"

namespace sequora::platform::win32 {

namespace {

constexpr char kClassName[] = "SequoraTrayWindow";

HICON MakeIcon(const Picture& picture) {
  const int size = ::GetSystemMetrics(SM_CXSMICON);
  HICON icon = CreateIconFromPicture(picture.Empty() ? Picture::Named("sequora") : picture, size);
  return icon ? icon : static_cast<HICON>(::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION)));
}

}  // namespace

UINT Win32Tray::TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
  return message;
}

Win32Tray::~Win32Tray() {
  for (auto& [id, shown] : icons_) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = window_.Get();
    nid.uID = id;
    ::Shell_NotifyIconA(NIM_DELETE, &nid);
  }
}

bool Win32Tray::EnsureWindow() {
  if (window_) return true;
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!::GetClassInfoA(instance, kClassName, &wc)) {
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc)) return false;
  }
  // Hidden, without a caption: never taken for Sequora's main window.
  window_.Reset(::CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "Sequora tray", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, this));
  return static_cast<bool>(window_);
}

bool Win32Tray::NotifyIcon(TrayMessage message, const TrayIconData& data) {
  if (!EnsureWindow()) return false;
  // The first version of the record: 64 characters of tip, the callback's lParam is the mouse
  // message, as the icon's owner expects.
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
  nid.hWnd = window_.Get();
  nid.uID = data.id;
  nid.uFlags = data.flags;
  nid.uCallbackMessage = data.callbackMessage;
  const std::size_t tipLength = std::min(data.tip.size(), sizeof(nid.szTip) - 1);
  std::memcpy(nid.szTip, data.tip.data(), tipLength);
  nid.szTip[tipLength] = '\0';

  UniqueIcon icon;
  if (message != TrayMessage::Delete && (data.flags & TrayIconData::kIconValid)) {
    icon.Reset(MakeIcon(data.icon));
    nid.hIcon = icon.Get();
  }

  const DWORD command = message == TrayMessage::Add ? NIM_ADD : message == TrayMessage::Modify ? NIM_MODIFY : NIM_DELETE;
  const bool ok = ::Shell_NotifyIconA(command, &nid) != FALSE;
  if (!ok) return false;

  if (message == TrayMessage::Delete) {
    icons_.erase(data.id);
    return true;
  }
  // The icon handed to the shell stays alive as long as the shell shows it.
  Shown& shown = icons_[data.id];
  if (icon) shown.icon = std::move(icon);
  if (data.flags & TrayIconData::kMessageValid) shown.callbackMessage = data.callbackMessage;
  return true;
}

LRESULT CALLBACK Win32Tray::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* tray = reinterpret_cast<Win32Tray*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (tray && tray->window_.Get() == hwnd) return tray->HandleMessage(msg, wParam, lParam);
  return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT Win32Tray::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == TaskbarCreatedMessage()) {
    icons_.clear();  // the new shell knows none of them
    if (listener_) listener_->TaskbarCreated();
    return 0;
  }
  const auto id = static_cast<std::uint32_t>(wParam);
  auto found = icons_.find(id);
  if (found != icons_.end() && msg == found->second.callbackMessage) {
    if (listener_) listener_->TrayMouseMessage(id, static_cast<int>(LOWORD(lParam)));
    return 0;
  }
  return ::DefWindowProcA(window_.Get(), msg, wParam, lParam);
}

}  // namespace sequora::platform::win32
