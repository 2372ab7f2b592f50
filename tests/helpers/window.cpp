// helper_window.exe SECONDS [TITLE]: stays alive for SECONDS. With a TITLE argument it shows a
// top-level window with that title (an empty TITLE gives an untitled window); without one it has
// no window at all.
#include <windows.h>

#include <cstdlib>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER || msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
  if (argc < 3) {
    Sleep(static_cast<DWORD>(seconds) * 1000);
    return 0;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "SequoraHelperWindow";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA("SequoraHelperWindow", argv[2], WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                            nullptr, wc.hInstance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  SetTimer(hwnd, 1, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
