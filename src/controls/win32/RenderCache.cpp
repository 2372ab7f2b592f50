#include "controls/win32/RenderCache.h"

#include <cstring>

#include "platform/win32/DibCanvas.h"
#include "platform/win32/PictureDrawing.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::controls::win32 {

namespace {

// Draws once into a DIB section and keeps its pixels.
bool Render(int width, int height, COLORREF background, const RenderCache::Draw& draw,
            std::vector<std::uint32_t>& pixels) {
  const platform::win32::DibCanvas canvas(width, height);
  if (!canvas.Ok()) return false;
  const RECT box{0, 0, width, height};
  platform::win32::UniqueGdi brush(::CreateSolidBrush(background));
  ::FillRect(canvas.Dc(), &box, static_cast<HBRUSH>(brush.Get()));
  ::SetBkMode(canvas.Dc(), TRANSPARENT);
  draw(canvas.Dc(), box);
  ::GdiFlush();
  pixels.assign(canvas.Bits(), canvas.Bits() + static_cast<size_t>(width) * static_cast<size_t>(height));
  return true;
}

}  // namespace

void RenderCache::Paint(HDC dc, const RECT& box, const std::string& key, COLORREF background, const Draw& draw,
                        const Picture& keep) {
  const int width = box.right - box.left, height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return;
  const std::string sized = key + '|' + std::to_string(width) + 'x' + std::to_string(height) + '|' +
                            std::to_string(background);
  auto found = entries_.find(sized);
  if (found == entries_.end()) {
    Entry entry{keep, {}};
    if (!Render(width, height, background, draw, entry.pixels)) {
      draw(dc, box);  // no memory for a copy: draw in place
      return;
    }
    if (entries_.size() >= kMaxEntries) entries_.clear();
    found = entries_.emplace(sized, std::move(entry)).first;
  }
  BITMAPINFO info = platform::win32::TopDownDibInfo(width, height);
  ::SetDIBitsToDevice(dc, box.left, box.top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), found->second.pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace sequora::controls::win32
