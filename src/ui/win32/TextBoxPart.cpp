// TextBox: an EDIT control. The user's typing reaches the model through EN_CHANGE; keys reach
// TextBox::KeyDown before the edit control acts on them.
#include <string>

#include "ui/win32/FormWindow.h"
#include "ui/win32/Parts.h"

namespace sequora::ui::win32 {

namespace {

class TextBoxPart : public ControlPart {
 public:
  TextBoxPart(FormWindow& form, TextBox& textBox) : ControlPart(form, textBox), text_(textBox) {}

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    DWORD style = WS_TABSTOP;
    style |= text_.Alignment() == Align::Right ? ES_RIGHT : text_.Alignment() == Align::Center ? ES_CENTER : ES_LEFT;
    if (text_.MultiLine()) {
      style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    } else {
      style |= ES_AUTOHSCROLL;
    }
    if (text_.Locked()) style |= ES_READONLY;
    DWORD exStyle = text_.Border() ? WS_EX_CLIENTEDGE : 0;
    HWND hwnd = CreateChild("EDIT", style, exStyle, "", parent, rect, id);
    if (hwnd) {
      updating_ = true;
      ::SetWindowTextA(hwnd, text_.Text().c_str());
      updating_ = false;
    }
    return hwnd;
  }
  void Update(Property what) override {
    if (what == Property::Text) SetWindowTextFromModel(text_.Text());
  }
  bool RecreateFor(Property what) const override { return what == Property::Style; }

  void OnCommand(int code) override {
    if (code != EN_CHANGE || updating_) return;
    int length = ::GetWindowTextLengthA(Handle());
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = ::GetWindowTextA(Handle(), text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    text_.RaiseTextChanged(std::move(text));
  }
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT&) override {
    if (msg == WM_KEYDOWN) text_.RaiseKeyDown(static_cast<int>(wParam));
    return false;
  }

 private:
  TextBox& text_;
};

}  // namespace

std::shared_ptr<ControlPart> MakeTextBoxPart(FormWindow& form, TextBox& textBox) {
  return std::make_shared<TextBoxPart>(form, textBox);
}

}  // namespace sequora::ui::win32
