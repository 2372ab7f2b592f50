#pragma once
// Finished pixels of row elements that are costly to draw (pictures, which are rendered with
// anti-aliasing, and themed buttons), keyed by everything that decides their look. A repaint or a
// scroll step then copies pixels instead of drawing again. The pixels are plain memory: the cache
// holds no GDI object.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Picture.h"

namespace sequora::controls::win32 {

class RenderCache {
 public:
  using Draw = std::function<void(HDC dc, const RECT& box)>;
  // Copies the element's pixels to `box`, drawing them first (over `background`) when the key is
  // new. `keep` holds a picture whose address is part of the key, so it is not reused meanwhile.
  void Paint(HDC dc, const RECT& box, const std::string& key, COLORREF background, const Draw& draw,
             const Picture& keep = {});
  void Clear() { entries_.clear(); }

 private:
  struct Entry {
    Picture keep;
    std::vector<std::uint32_t> pixels;  // 32-bit top-down
  };
  static constexpr size_t kMaxEntries = 512;  // a few screens of distinct icons
  std::unordered_map<std::string, Entry> entries_;
};

}  // namespace sequora::controls::win32
