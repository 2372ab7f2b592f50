#pragma once
// A 32-bit top-down DIB section selected into a memory DC: a canvas that GDI draws on and whose
// pixels (0xAARRGGBB, top row first) can be read and written directly. Starts all zero.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/win32/ScopedGdi.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

// The header of such a DIB section.
BITMAPINFO TopDownDibInfo(int width, int height);

class DibCanvas {
 public:
  DibCanvas(int width, int height);
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  bool Ok() const { return bits_ != nullptr; }
  HDC Dc() const { return dc_.Get(); }
  std::uint32_t* Bits() const { return static_cast<std::uint32_t*>(bits_); }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_;
  UniqueMemoryDc dc_;
  UniqueGdi bitmap_;
  void* bits_ = nullptr;
  std::optional<ScopedSelect> selected_;  // last: deselected before the bitmap and DC go
};

}  // namespace sequora::platform::win32
