// Frame: a container window (children are positioned relative to it and move, hide and disable
// with it) with a native group box for its border and caption. The container is a control parent,
// so Tab and mnemonics reach the controls inside.
#include "ui/win32/FormWindow.h"
#include "ui/win32/Parts.h"
#include "ui/win32/SurfaceWindow.h"

namespace sequora::ui::win32 {

namespace {

class FramePart : public ControlPart {
 public:
  FramePart(FormWindow& form, Frame& frame) : ControlPart(form, frame), frame_(frame) {}
  HWND ChildParent() const override { return Handle(); }

 protected:
  HWND CreateWindowIn(HWND parent, const RECT& rect, int id) override {
    window_ = std::make_unique<SurfaceWindow>(Form(), [this](HDC dc, const RECT& client) {
      ::FillRect(dc, &client, Form().Brush(frame_.BackColor()));
    });
    HWND hwnd = window_->Create("SequoraFrame", parent, rect, id, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    if (!hwnd) return nullptr;
    groupBox_ = ::CreateWindowExA(0, "BUTTON", frame_.Caption().c_str(),
                                  WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | (frame_.Border() ? WS_VISIBLE : 0),
                                  0, 0, rect.right - rect.left, rect.bottom - rect.top, hwnd,
                                  nullptr, ModuleInstance(), nullptr);
    if (groupBox_) AddHelperWindow(groupBox_);
    return hwnd;
  }
  void Update(Property what) override {
    if (!groupBox_) return;
    if (what == Property::Text) ::SetWindowTextA(groupBox_, frame_.Caption().c_str());
    if (what == Property::Style) ::ShowWindow(groupBox_, frame_.Border() ? SW_SHOWNA : SW_HIDE);
  }
  bool OnMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT&) override {
    // The group box covers the whole frame, below every child.
    if (msg == WM_SIZE && groupBox_)
      ::SetWindowPos(groupBox_, HWND_BOTTOM, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOACTIVATE);
    return false;
  }
  bool IsSurface() const override { return true; }

 private:
  Frame& frame_;
  std::unique_ptr<SurfaceWindow> window_;
  HWND groupBox_ = nullptr;  // a child of the frame's window, destroyed with it
};

}  // namespace

std::shared_ptr<ControlPart> MakeFramePart(FormWindow& form, Frame& frame) {
  return std::make_shared<FramePart>(form, frame);
}

}  // namespace sequora::ui::win32
