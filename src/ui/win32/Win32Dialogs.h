#pragma once
// Message box and input box on Windows. The message box is MessageBoxA owned by the active
// window; the input box is a small modal form (prompt, text box, OK, Cancel) shown by the renderer,
// so it follows the DPI and the keyboard rules of Sequora's other windows.
#include "platform/Dialogs.h"

namespace sequora::ui::win32 {

class Win32Dialogs : public platform::Dialogs {
 public:
  int MsgBox(const std::string& text, const std::string& title, int style) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
};

}  // namespace sequora::ui::win32
