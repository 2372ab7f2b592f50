#include "controls/win32/AlwaysOnTopPart.h"

#include <windowsx.h>

#include "platform/win32/PictureDrawing.h"
#include "ui/win32/FormWindow.h"

namespace sequora::controls::win32 {

using ui::win32::FormWindow;

void RegisterAlwaysOnTopPart() {
  ui::win32::RegisterUserControl(
      AlwaysOnTop::kTypeName, [](ui::UserControl& model, FormWindow& form) -> std::unique_ptr<ui::win32::UserControlPart> {
        auto* button = dynamic_cast<AlwaysOnTop*>(&model);
        if (!button) return nullptr;
        return std::make_unique<AlwaysOnTopPart>(*button, form);
      });
}

AlwaysOnTopPart::AlwaysOnTopPart(AlwaysOnTop& button, FormWindow& form)
    : SurfaceWindow(form, [this](HDC dc, const RECT& client) { Paint(dc, client); }), button_(button), formWindow_(form) {}

HWND AlwaysOnTopPart::Create(HWND parent, const RECT& rect, int id) {
  return SurfaceWindow::Create(kClassName, parent, rect, id, WS_TABSTOP, 0);
}

void AlwaysOnTopPart::Update(ui::Property) {
  if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

void AlwaysOnTopPart::Paint(HDC dc, const RECT& client) {
  const ui::Control& model = button_;
  ::FillRect(dc, &client, formWindow_.Brush(model.BackColor()));
  platform::win32::DrawPicture(dc, client, Picture::Named(AlwaysOnTop::PictureName(button_.ShownImage())),
                               !model.Enabled());
  const LRESULT uiState = ::SendMessageA(Handle(), WM_QUERYUISTATE, 0, 0);
  if (::GetFocus() == Handle() && !(uiState & UISF_HIDEFOCUS)) {
    RECT focus = client;
    ::DrawFocusRect(dc, &focus);
  }
}

LRESULT AlwaysOnTopPart::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE:
      TrackMouseLeave();
      button_.MouseMoveOverImage();
      return 0;
    case WM_MOUSELEAVE:
      MouseLeft();
      button_.MouseMoveOverFreeArea();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      ::SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP: {
      const bool click = pressed_;
      pressed_ = false;
      if (::GetCapture() == Handle()) ::ReleaseCapture();
      RECT client;
      ::GetClientRect(Handle(), &client);
      const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (click && ::PtInRect(&client, point)) button_.ClickImage();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case WM_GETDLGCODE:
      // Enter stays with the window's default button unless the focus is here.
      if (lParam && reinterpret_cast<MSG*>(lParam)->message == WM_KEYDOWN &&
          reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN)
        return DLGC_WANTMESSAGE;
      return DLGC_BUTTON;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE || wParam == VK_RETURN) {
        button_.ClickImage();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      ::InvalidateRect(Handle(), nullptr, FALSE);
      break;
    default:
      break;
  }
  return SurfaceWindow::HandleMessage(msg, wParam, lParam);
}

}  // namespace sequora::controls::win32
