#include "ui/win32/SurfaceWindow.h"

#include "platform/win32/ScopedGdi.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/win32/FormWindow.h"

namespace sequora::ui::win32 {

HWND SurfaceWindow::Create(const char* className, HWND parent, const RECT& rect, int id, DWORD style,
                           DWORD exStyle) {
  if (!CreateHandle(className, exStyle, "", style | WS_CHILD | WS_CLIPSIBLINGS, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))))
    return nullptr;
  return Handle();
}

void SurfaceWindow::TrackMouseLeave() {
  if (trackingLeave_) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = Handle();
  trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
}

void SurfaceWindow::Paint(HDC dc, const RECT& client) {
  if (painter_) painter_(dc, client);
}

LRESULT SurfaceWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: {
      const platform::win32::PaintDc paint(Handle());
      const HDC dc = paint.Get();
      RECT client;
      ::GetClientRect(Handle(), &client);
      // Double-buffered: a countdown repaints often and must not flicker.
      platform::win32::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
      platform::win32::UniqueGdi bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
      if (memory && bitmap) {
        const platform::win32::ScopedSelect select(memory.Get(), bitmap.Get());
        Paint(memory.Get(), client);
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
      } else {
        Paint(dc, client);
      }
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      ::GetClientRect(Handle(), &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    default: {
      LRESULT result = 0;
      if (form_.RouteChildMessage(msg, wParam, lParam, result)) return result;
      return Window::HandleMessage(msg, wParam, lParam);
    }
  }
}

}  // namespace sequora::ui::win32
