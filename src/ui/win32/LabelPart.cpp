// Label: a STATIC control. Captions are shown literally unless the label names a field
// (UseMnemonic): labels show program paths, which may contain "&".
#include "ui/win32/FormWindow.h"
#include "ui/win32/GdiCache.h"
#include "ui/win32/Parts.h"

namespace sequora::ui::win32 {

namespace {

class LabelPart : public ControlPart {
 public:
  LabelPart(FormWindow& form, Label& label) : ControlPart(form, label), label_(label) {}

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    return CreateChild("STATIC", Style(), 0, label_.Caption(), parent, rect, id);
  }
  void Update(Property what) override {
    if (what == Property::Text) {
      SetWindowTextFromModel(label_.Caption());
    } else if (what == Property::Style) {
      ::SetWindowLongPtrA(Handle(), GWL_STYLE,
                          (::GetWindowLongPtrA(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(0xFF)) | (Style() & 0xFF));
      ::InvalidateRect(Handle(), nullptr, TRUE);
    }
  }
  HBRUSH OnCtlColor(HDC dc, HWND from) override {
    if (!label_.Transparent()) return ControlPart::OnCtlColor(dc, from);
    // A transparent label shows its container's colour.
    Colour back = label_.Container() ? label_.Container()->BackColor() : label_.Owner().BackColor();
    ::SetTextColor(dc, ToColorRef(label_.ForeColor()));
    ::SetBkColor(dc, ToColorRef(back));
    return Form().Brush(back);
  }
  bool IsSurface() const override { return true; }
  void RaiseClick() override { label_.RaiseClick(); }

 private:
  DWORD Style() const {
    DWORD align = label_.Alignment() == Align::Right ? SS_RIGHT : label_.Alignment() == Align::Center ? SS_CENTER : SS_LEFT;
    return align | SS_NOTIFY | (label_.UseMnemonic() ? 0 : SS_NOPREFIX);
  }
  Label& label_;
};

}  // namespace

std::shared_ptr<ControlPart> MakeLabelPart(FormWindow& form, Label& label) {
  return std::make_shared<LabelPart>(form, label);
}

}  // namespace sequora::ui::win32
