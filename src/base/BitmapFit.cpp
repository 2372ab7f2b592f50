#include "base/BitmapFit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace sequora {

namespace {

bool Valid(const Bitmap& b) {
  return b.width > 0 && b.height > 0 &&
         b.pixels.size() == static_cast<std::size_t>(b.width) * static_cast<std::size_t>(b.height);
}

}  // namespace

Bitmap FitBitmap(const Bitmap& source, int size) {
  if (size < 1 || !Valid(source)) return {};
  if (source.width == size && source.height == size) return source;

  const double scale = std::min(static_cast<double>(size) / source.width, static_cast<double>(size) / source.height);
  const int width = std::clamp(static_cast<int>(std::lround(source.width * scale)), 1, size);
  const int height = std::clamp(static_cast<int>(std::lround(source.height * scale)), 1, size);
  const int left = (size - width) / 2, top = (size - height) / 2;
  const double stepX = static_cast<double>(source.width) / width;
  const double stepY = static_cast<double>(source.height) / height;

  Bitmap out;
  out.width = size;
  out.height = size;
  out.pixels.assign(static_cast<std::size_t>(size) * size, 0);
  for (int ty = 0; ty < height; ++ty) {
    const double y0 = ty * stepY, y1 = y0 + stepY;
    for (int tx = 0; tx < width; ++tx) {
      const double x0 = tx * stepX, x1 = x0 + stepX;
      double a = 0, r = 0, g = 0, b = 0, area = 0;
      for (int sy = static_cast<int>(y0); sy < source.height && sy < y1; ++sy) {
        const double wy = std::min(y1, sy + 1.0) - std::max(y0, static_cast<double>(sy));
        for (int sx = static_cast<int>(x0); sx < source.width && sx < x1; ++sx) {
          const double w = wy * (std::min(x1, sx + 1.0) - std::max(x0, static_cast<double>(sx)));
          const std::uint32_t p = source.pixels[static_cast<std::size_t>(sy) * source.width + sx];
          const double pa = (p >> 24) * w;  // weight the colour by its alpha (premultiplied sum)
          a += pa;
          r += ((p >> 16) & 0xFF) * pa;
          g += ((p >> 8) & 0xFF) * pa;
          b += (p & 0xFF) * pa;
          area += w;
        }
      }
      if (area <= 0 || a <= 0) continue;
      const auto channel = [](double v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
      const std::uint32_t alpha = channel(a / area);
      if (alpha == 0) continue;
      out.pixels[static_cast<std::size_t>(top + ty) * size + left + tx] =
          (alpha << 24) | (channel(r / a) << 16) | (channel(g / a) << 8) | channel(b / a);
    }
  }
  return out;
}

bool HasVisiblePixels(const Bitmap& bitmap) {
  return std::any_of(bitmap.pixels.begin(), bitmap.pixels.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
}

}  // namespace sequora
