#pragma once
// The notification area through Shell_NotifyIconA. The tray owns a hidden top-level window (not a
// message-only window: those do not receive the shell's "TaskbarCreated" broadcast) that receives
// the icons' callback messages and hands them to the listener. Icons are made from the pictures
// by the renderer's drawing; an empty picture shows Sequora's own drawing.
#include <cstdint>
#include <map>

#include "platform/Tray.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

class Win32Tray : public Tray {
 public:
  Win32Tray() = default;
  ~Win32Tray() override;  // removes the icons still shown

  bool NotifyIcon(TrayMessage message, const TrayIconData& data) override;
  void SetListener(TrayListener* listener) override { listener_ = listener; }
  void RemoveListener(TrayListener* listener) override {
    if (listener_ == listener) listener_ = nullptr;
  }

  // The hidden window (nullptr until the first icon call); for the tests.
  HWND Window() const { return window_.Get(); }
  // The message the shell broadcasts when the taskbar was created again.
  static UINT TaskbarCreatedMessage();

 private:
  struct Shown {
    UniqueIcon icon;
    UINT callbackMessage = 0;
  };
  bool EnsureWindow();
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  UniqueWindow window_;
  std::map<std::uint32_t, Shown> icons_;  // what was handed to the shell, by id
  TrayListener* listener_ = nullptr;
};

}  // namespace sequora::platform::win32
