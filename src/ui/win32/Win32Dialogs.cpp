#include "ui/win32/Win32Dialogs.h"

#include <windows.h>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/win32/FormWindow.h"

namespace sequora::ui::win32 {

namespace {

// The input box: prompt top left, OK and Cancel on the right, the text box along the bottom.
class InputBoxForm : public ui::Form {
 public:
  InputBoxForm(const std::string& prompt, const std::string& title, const std::string& text)
      : Form("InputBoxForm") {
    SetCaption(title);
    SetBorder(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 6240, 2280);
    Prompt.SetCaption(prompt);
    Prompt.Move(180, 150, 4260, 1020);
    OkButton.SetCaption("OK");
    OkButton.SetDefault(true);
    OkButton.Move(4620, 150, 1335, 390);
    CancelButton.SetCaption("Cancel");
    CancelButton.SetCancel(true);
    CancelButton.Move(4620, 630, 1335, 390);
    Text.SetText(text);
    Text.Move(180, 1290, 5775, 345);
    OkButton.Click = [this] {
      result = Text.Text();
      Unload();
    };
    CancelButton.Click = [this] { Unload(); };
  }
  ui::Label Prompt{*this, "Label1"};
  ui::TextBox Text{*this, "Text1"};
  ui::Button OkButton{*this, "Command1"};
  ui::Button CancelButton{*this, "Command2"};
  std::string result;
};

}  // namespace

int Win32Dialogs::MsgBox(const std::string& text, const std::string& title, int style) {
  return ::MessageBoxA(::GetActiveWindow(), text.c_str(), title.c_str(), static_cast<UINT>(style));
}

std::string Win32Dialogs::InputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
  InputBoxForm form(prompt, title, defaultText);
  FormWindow window(form);
  window.SetOwner(::GetActiveWindow());
  form.Load();
  if (HWND edit = window.HandleOf(form.Text)) {
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    form.Text.SetFocus();
  }
  form.ShowModal();
  return form.result;
}

}  // namespace sequora::ui::win32
