#pragma once
// Everything about DPI in one place. Models keep twips (1440 per inch); windows get pixels at the
// DPI of the monitor they are on (per-monitor DPI awareness, PerMonitorV2 in the manifest).
// On systems without the per-monitor calls the system DPI is used.
#include <windows.h>

namespace sequora::ui::win32 {

inline constexpr int kDefaultDpi = 96;

// twips -> pixels at the given DPI, rounded to the nearest pixel (MulDiv rounds half away from 0).
inline int TwipsToPixels(int twips, int dpi) { return ::MulDiv(twips, dpi, 1440); }
inline int PixelsToTwips(int pixels, int dpi) { return ::MulDiv(pixels, 1440, dpi); }
// Typographic points -> pixels (for font heights).
inline int PointsToPixels(int points, int dpi) { return ::MulDiv(points, dpi, 72); }
// A length designed in pixels at 96 DPI, scaled to the given DPI.
inline int ScalePixels(int pixelsAt96, int dpi) { return ::MulDiv(pixelsAt96, dpi, kDefaultDpi); }

// The edges of a twips rectangle in pixels. Edges are converted, not sizes, so that controls that
// touch in twips still touch in pixels.
RECT TwipsRectToPixels(int left, int top, int width, int height, int dpi);

// DPI of the monitor the window is on (GetDpiForWindow), or the system DPI.
int DpiOfWindow(HWND hwnd);
int SystemDpi();

// For programs without the manifest (the Windows tests): ask for per-monitor awareness in code.
// Does nothing where the call is missing or the awareness is fixed already.
void RequestPerMonitorDpiAwareness();

// System metrics and the message font for a DPI (the ...ForDpi calls, or scaled system values).
int SystemMetricForDpi(int index, int dpi);
LOGFONTA MessageFontForDpi(int dpi);
// The outer window rectangle for a wanted client size, at a DPI.
RECT AdjustWindowRectForDpi(RECT client, DWORD style, DWORD exStyle, int dpi);

}  // namespace sequora::ui::win32
