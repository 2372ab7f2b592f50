#include "platform/win32/Win32Tray.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/win32/PictureDrawing.h"

namespace sequora::platform::win32 {

namespace {

constexpr char kClassName[] = "SequoraTrayWindow";

HICON MakeIcon(const Picture& picture) {
  const int size = ::GetSystemMetrics(SM_CXSMICON);
  HICON icon = CreateIconFromPicture(picture.Empty() ? Picture::Named("sequora") : picture, size);
  return icon ? icon : static_cast<HICON>(::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION)));
}

// The record of Windows 2000 on: 128 characters of tip and the balloon fields. The version set
// after adding (NOTIFYICON_VERSION) makes the shell report the balloon's end; the callback's
// lParam stays the mouse message, as the icon's owner expects.
NOTIFYICONDATAA Record(HWND window, std::uint32_t id) {
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
  nid.hWnd = window;
  nid.uID = id;
  return nid;
}

template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::memcpy(field, text.data(), length);
  field[length] = '\0';
}

}  // namespace

UINT Win32Tray::TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageA("TaskbarCreated");
  return message;
}

Win32Tray::~Win32Tray() {
  for (auto& [id, shown] : icons_) {
    NOTIFYICONDATAA nid = Record(window_.Get(), id);
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
  NOTIFYICONDATAA nid = Record(window_.Get(), data.id);
  nid.uFlags = data.flags;
  nid.uCallbackMessage = data.callbackMessage;
  CopyText(nid.szTip, data.tip);
  if (data.flags & TrayIconData::kInfoValid) {
    CopyText(nid.szInfo, data.info);
    CopyText(nid.szInfoTitle, data.infoTitle);
    nid.dwInfoFlags = data.infoFlags;
  }

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
  if (message == TrayMessage::Add) {
    NOTIFYICONDATAA version = Record(window_.Get(), data.id);
    version.uVersion = NOTIFYICON_VERSION;
    ::Shell_NotifyIconA(NIM_SETVERSION, &version);  // an older shell keeps the first behaviour
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
    const UINT what = LOWORD(lParam);
    if (what == NIN_BALLOONUSERCLICK || what == NIN_BALLOONTIMEOUT || what == NIN_BALLOONHIDE) {
      if (listener_) listener_->TrayBalloonClosed(id, what == NIN_BALLOONUSERCLICK);
    } else if (listener_) {
      listener_->TrayMouseMessage(id, static_cast<int>(what));
    }
    return 0;
  }
  return ::DefWindowProcA(window_.Get(), msg, wParam, lParam);
}

}  // namespace sequora::platform::win32
