// CheckBox: a BUTTON with BS_CHECKBOX. The tick always shows the model's value; a click asks the
// model to toggle (CheckBox::RaiseClick), which writes the new value back.
#include "ui/win32/FormWindow.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Parts.h"

namespace sequora::ui::win32 {

namespace {

class CheckBoxPart : public ControlPart {
 public:
  CheckBoxPart(FormWindow& form, CheckBox& check) : ControlPart(form, check), check_(check) {}

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    return CreateChild("BUTTON", BS_CHECKBOX | BS_MULTILINE | WS_TABSTOP, 0, check_.Caption(), parent, rect, id);
  }
  void ApplyAll() override { Update(Property::Value); }
  void Update(Property what) override {
    if (what == Property::Text) SetWindowTextFromModel(check_.Caption());
    if (what == Property::Value)
      ::SendMessageA(Handle(), BM_SETCHECK, check_.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  void OnCommand(int code) override {
    if (code == BN_CLICKED) check_.RaiseClick();
  }
  HBRUSH OnCtlColor(HDC dc, HWND from) override {
    HBRUSH brush = ControlPart::OnCtlColor(dc, from);
    ::SetBkMode(dc, TRANSPARENT);
    return brush;
  }

 private:
  CheckBox& check_;
};

}  // namespace

std::shared_ptr<ControlPart> MakeCheckBoxPart(FormWindow& form, CheckBox& check) {
  return std::make_shared<CheckBoxPart>(form, check);
}

}  // namespace sequora::ui::win32
