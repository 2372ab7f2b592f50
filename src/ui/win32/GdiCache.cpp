#include "ui/win32/GdiCache.h"

#include "ui/win32/Dpi.h"

namespace sequora::ui::win32 {

COLORREF ToColorRef(Colour colour) {
  if (IsSystemColour(colour)) return ::GetSysColor(SystemColourIndex(colour));
  return static_cast<COLORREF>(colour & 0xFFFFFF);
}

HBRUSH GdiCache::Brush(Colour colour) {
  // System colour brushes are owned by the system and never deleted.
  if (IsSystemColour(colour)) return ::GetSysColorBrush(SystemColourIndex(colour));
  COLORREF rgb = ToColorRef(colour);
  auto found = brushes_.find(rgb);
  if (found != brushes_.end()) return static_cast<HBRUSH>(found->second.Get());
  HBRUSH brush = ::CreateSolidBrush(rgb);
  if (!brush) return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  brushes_.emplace(rgb, platform::win32::UniqueGdi(brush));
  return brush;
}

HFONT GdiCache::Font(int points, bool bold, int dpi) {
  if (dpi != fontDpi_) {
    fonts_.clear();
    fontDpi_ = dpi;
  }
  auto key = std::make_pair(points, bold ? 1 : 0);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return static_cast<HFONT>(found->second.Get());
  LOGFONTA font = MessageFontForDpi(dpi);
  if (points > 0) font.lfHeight = -PointsToPixels(points, dpi);
  if (bold) font.lfWeight = FW_BOLD;
  HFONT created = ::CreateFontIndirectA(&font);
  if (!created) return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  fonts_.emplace(key, platform::win32::UniqueGdi(created));
  return created;
}

}  // namespace sequora::ui::win32
