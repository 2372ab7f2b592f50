#include "ui/win32/Window.h"

namespace sequora::ui::win32 {

namespace {
constexpr char kObjectProperty[] = "Sequora.Window";
}

HINSTANCE ModuleInstance() { return ::GetModuleHandleA(nullptr); }

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  ::DestroyWindow(hwnd);  // WM_NCDESTROY clears hwnd_
  hwnd_ = nullptr;
}

Window* Window::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  // A window property rather than GWLP_USERDATA: foreign code may use the user data slot.
  return static_cast<Window*>(::GetPropA(hwnd, kObjectProperty));
}

bool Window::CreateHandle(const char* className, DWORD exStyle, const char* title, DWORD style,
                          int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  HINSTANCE instance = ModuleInstance();
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof(existing);
  if (!::GetClassInfoExA(instance, className, &existing)) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    if (!::RegisterClassExA(&wc)) return false;
  }
  HWND hwnd = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                menuOrId, instance, this);
  return hwnd != nullptr && hwnd_ == hwnd;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* self = FromHandle(hwnd);
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    self = static_cast<Window*>(create->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      ::SetPropA(hwnd, kObjectProperty, self);
    }
  }
  if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    LRESULT result = self->HandleMessage(msg, wParam, lParam);
    ::RemovePropA(hwnd, kObjectProperty);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
    return result;
  }
  return self->HandleMessage(msg, wParam, lParam);
}

}  // namespace sequora::ui::win32
