#include "ui/win32/Dpi.h"

#include "platform/win32/ScopedGdi.h"

namespace sequora::ui::win32 {

namespace {

// The per-monitor calls exist from Windows 10 1607 on; they are looked up at run time so that
// sequora.exe still starts where they are missing.
template <typename F>
F UserProc(const char* name) {
  HMODULE user = ::GetModuleHandleA("user32.dll");
  return user ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(user, name))) : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using SetAwarenessContextFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
using SetDpiAwareFn = BOOL(WINAPI*)();
using MetricsForDpiFn = int(WINAPI*)(int, UINT);
using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

}  // namespace

RECT TwipsRectToPixels(int left, int top, int width, int height, int dpi) {
  RECT r;
  r.left = TwipsToPixels(left, dpi);
  r.top = TwipsToPixels(top, dpi);
  r.right = TwipsToPixels(left + width, dpi);
  r.bottom = TwipsToPixels(top + height, dpi);
  return r;
}

int SystemDpi() {
  static const auto forSystem = UserProc<GetDpiForSystemFn>("GetDpiForSystem");
  if (forSystem) return static_cast<int>(forSystem());
  const platform::win32::WindowDc screen;
  int dpi = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : kDefaultDpi;
  return dpi > 0 ? dpi : kDefaultDpi;
}

int DpiOfWindow(HWND hwnd) {
  static const auto forWindow = UserProc<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow && hwnd) {
    UINT dpi = forWindow(hwnd);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

void RequestPerMonitorDpiAwareness() {
  if (auto setContext = UserProc<SetAwarenessContextFn>("SetProcessDpiAwarenessContext")) {
    if (setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) return;
  }
  if (auto setAware = UserProc<SetDpiAwareFn>("SetProcessDPIAware")) setAware();
}

int SystemMetricForDpi(int index, int dpi) {
  static const auto forDpi = UserProc<MetricsForDpiFn>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
  return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

LOGFONTA MessageFontForDpi(int dpi) {
  // The ANSI NONCLIENTMETRICS: the font name is used with CreateFontIndirectA.
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  static const auto forDpi = UserProc<ParametersForDpiFn>("SystemParametersInfoForDpi");
  if (forDpi) {
    // SystemParametersInfoForDpi has only a wide form; convert the face name.
    NONCLIENTMETRICSW wide{};
    wide.cbSize = sizeof(wide);
    if (forDpi(SPI_GETNONCLIENTMETRICS, sizeof(wide), &wide, 0, static_cast<UINT>(dpi))) {
      LOGFONTA font{};
      const LOGFONTW& w = wide.lfMessageFont;
      font.lfHeight = w.lfHeight;
      font.lfWidth = w.lfWidth;
      font.lfWeight = w.lfWeight;
      font.lfItalic = w.lfItalic;
      font.lfCharSet = w.lfCharSet;
      font.lfQuality = w.lfQuality;
      font.lfPitchAndFamily = w.lfPitchAndFamily;
      ::WideCharToMultiByte(CP_ACP, 0, w.lfFaceName, -1, font.lfFaceName, LF_FACESIZE, nullptr, nullptr);
      return font;
    }
  }
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    LOGFONTA font = metrics.lfMessageFont;
    font.lfHeight = ::MulDiv(font.lfHeight, dpi, SystemDpi());
    return font;
  }
  LOGFONTA font{};
  font.lfHeight = -PointsToPixels(9, dpi);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, "Segoe UI", LF_FACESIZE);
  return font;
}

RECT AdjustWindowRectForDpi(RECT client, DWORD style, DWORD exStyle, int dpi) {
  static const auto forDpi = UserProc<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (!(forDpi && forDpi(&client, style, FALSE, exStyle, static_cast<UINT>(dpi))))
    ::AdjustWindowRectEx(&client, style, FALSE, exStyle);
  return client;
}

}  // namespace sequora::ui::win32
