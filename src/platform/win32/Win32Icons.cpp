#include "platform/win32/Win32Icons.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/win32/DibCanvas.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

namespace {

// A size x size canvas filled with one colour, that an icon is drawn on.
class Canvas {
 public:
  Canvas(int size, std::uint32_t fill) : canvas_(size, size) {
    if (canvas_.Ok()) std::fill(canvas_.Bits(), canvas_.Bits() + static_cast<std::size_t>(size) * size, fill);
  }
  bool Draw(HICON icon) const {
    return canvas_.Ok() &&
           ::DrawIconEx(canvas_.Dc(), 0, 0, icon, canvas_.Width(), canvas_.Height(), 0, nullptr, DI_NORMAL);
  }
  std::uint32_t At(std::size_t i) const { return canvas_.Bits()[i]; }

 private:
  DibCanvas canvas_;
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
