// PictureBox: a window painted by Sequora (background colour and the picture, greyed when
// disabled). Mouse-down and click come from the shared surface handling of ControlPart.
#include "ui/win32/FormWindow.h"
#include "ui/win32/Parts.h"
#include "platform/win32/PictureDrawing.h"
#include "ui/win32/SurfaceWindow.h"

namespace sequora::ui::win32 {

namespace {

class PicturePart : public ControlPart {
 public:
  PicturePart(FormWindow& form, PictureBox& picture) : ControlPart(form, picture), picture_(picture) {}

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    window_ = std::make_unique<SurfaceWindow>(Form(), [this](HDC dc, const RECT& client) {
      ::FillRect(dc, &client, Form().Brush(picture_.BackColor()));
      platform::win32::DrawPicture(dc, client, picture_.Picture(), !picture_.Enabled());
    });
    return window_->Create("SequoraPicture", parent, rect, id, 0, ExStyle());
  }
  void Update(Property what) override {
    if (what == Property::Style) {
      ::SetWindowLongPtrA(Handle(), GWL_EXSTYLE, ExStyle());
      ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    ::InvalidateRect(Handle(), nullptr, TRUE);
  }
  bool IsSurface() const override { return true; }
  void RaiseClick() override { picture_.RaiseClick(); }

 private:
  DWORD ExStyle() const { return picture_.Border() ? WS_EX_CLIENTEDGE : 0; }
  PictureBox& picture_;
  std::unique_ptr<SurfaceWindow> window_;
};

}  // namespace

std::shared_ptr<ControlPart> MakePicturePart(FormWindow& form, PictureBox& picture) {
  return std::make_shared<PicturePart>(form, picture);
}

}  // namespace sequora::ui::win32
