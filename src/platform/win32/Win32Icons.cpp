#include "platform/win32/Win32Icons.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/win32/PictureDrawing.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

namespace {

// A size x size 32-bit DIB section selected into a memory DC, filled with one colour.
class Canvas {
 public:
  Canvas(int size, std::uint32_t fill) : size_(size) {
    BITMAPINFO info = TopDownDibInfo(size, size);
    dc_.Reset(::CreateCompatibleDC(nullptr));
    if (!dc_) return;
    void* bits = nullptr;
    bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) return;
    old_ = ::SelectObject(dc_.Get(), bitmap_.Get());
    bits_ = static_cast<std::uint32_t*>(bits);
    std::fill(bits_, bits_ + static_cast<std::size_t>(size) * size, fill);
  }
  ~Canvas() {
    if (old_) ::SelectObject(dc_.Get(), old_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool Draw(HICON icon) const {
    return bits_ && ::DrawIconEx(dc_.Get(), 0, 0, icon, size_, size_, 0, nullptr, DI_NORMAL);
  }
  std::uint32_t At(std::size_t i) const { return bits_[i]; }

 private:
  int size_;
  UniqueMemoryDc dc_;
  UniqueGdi bitmap_;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// What the icon covers shows in the difference between the two grounds: on black a pixel is
// alpha x colour, on white alpha x colour + (1 - alpha) x 255.
std::optional<Bitmap> Draw(HICON icon, int size) {
  Canvas black(size, 0x000000), white(size, 0xFFFFFF);
  if (!black.Draw(icon) || !white.Draw(icon)) return std::nullopt;
  ::GdiFlush();
  Bitmap out;
  out.width = size;
  out.height = size;
  out.pixels.resize(static_cast<std::size_t>(size) * size);
  for (std::size_t i = 0; i < out.pixels.size(); ++i) {
    const std::uint32_t b = black.At(i), w = white.At(i);
    int difference = 0;
    for (int shift : {16, 8, 0}) {
      difference += std::max(0, static_cast<int>((w >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    }
    const std::uint32_t alpha = static_cast<std::uint32_t>(255 - std::min(255, (difference + 1) / 3));
    if (alpha == 0) {
      out.pixels[i] = 0;
      continue;
    }
    std::uint32_t pixel = alpha << 24;
    for (int shift : {16, 8, 0}) {
      const std::uint32_t c = (b >> shift) & 0xFF;
      pixel |= std::min<std::uint32_t>(255, (c * 255 + alpha / 2) / alpha) << shift;
    }
    out.pixels[i] = pixel;
  }
  return out;
}

}  // namespace

std::vector<Bitmap> Win32Icons::ExtractFirstIcon(const std::string& path, const std::vector<int>& sizes) {
  if (path.empty() || sizes.empty()) return {};
  std::vector<Bitmap> images;
  for (int size : sizes) {
    if (size < kIconMinSize || size > kIconMaxSize) return {};
    // One call per size: asked for two sizes at once, Wine gives the second as the first's image
    // scaled.
    HICON handle = nullptr;
    UINT id = 0;
    const UINT found = ::PrivateExtractIconsA(path.c_str(), 0, size, size, &handle, &id, 1, 0);
    UniqueIcon icon(found == 0 || found == 0xFFFFFFFF ? nullptr : handle);
    if (!icon) {
      HICON extracted = ::ExtractIconA(::GetModuleHandleA(nullptr), path.c_str(), 0);
      // 1 is ExtractIconA's answer for a file that is not an exe, dll or icon file: not a handle.
      if (extracted != reinterpret_cast<HICON>(1)) icon.Reset(extracted);
    }
    if (!icon) return {};
    auto image = Draw(icon.Get(), size);
    if (!image) return {};
    images.push_back(std::move(*image));
  }
  return images;
}

}  // namespace sequora::platform::win32
