#pragma once
// The GDI objects of one window: solid brushes per colour and fonts per (size, weight) at the
// window's DPI. Each object is created on first use and lives until the cache is cleared (fonts on
// a DPI change) or destroyed, so a window holds a handful of GDI objects however often it repaints.
#include <windows.h>

#include <map>
#include <utility>

#include "platform/win32/UniqueHandle.h"
#include "ui/Colour.h"

namespace sequora::ui::win32 {

// A model colour as a COLORREF: system colours (0x800000nn) through GetSysColor.
COLORREF ToColorRef(Colour colour);

class GdiCache {
 public:
  HBRUSH Brush(Colour colour);
  // points 0 = the message font's size; at `dpi`.
  HFONT Font(int points, bool bold, int dpi);
  void ClearFonts() { fonts_.clear(); }
  size_t ObjectCount() const { return brushes_.size() + fonts_.size(); }

 private:
  std::map<COLORREF, platform::win32::UniqueGdi> brushes_;
  std::map<std::pair<int, int>, platform::win32::UniqueGdi> fonts_;  // (points, bold) at fontDpi_
  int fontDpi_ = 0;
};

}  // namespace sequora::ui::win32
