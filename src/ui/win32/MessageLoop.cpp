#include "ui/win32/MessageLoop.h"

#include <commctrl.h>

#include "ui/win32/Dpi.h"
#include "ui/win32/FormWindow.h"

namespace sequora::ui::win32 {

void InitializeUi() {
  RequestPerMonitorDpiAwareness();  // refused (and harmless) when the manifest set it already
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  ::InitCommonControlsEx(&controls);
}

void DispatchUiMessage(MSG& msg) {
  if (msg.hwnd) {
    if (FormWindow* form = FormWindow::FromDescendant(msg.hwnd)) {
      if (form->PreTranslate(msg)) return;
    }
  }
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

int RunMessageLoop() {
  MSG msg;
  for (;;) {
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return 1;
    DispatchUiMessage(msg);
  }
}

bool RunModalLoop(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (got == -1) return false;
    DispatchUiMessage(msg);
  }
  return true;
}

}  // namespace sequora::ui::win32
