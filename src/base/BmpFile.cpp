#include "base/BmpFile.h"

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace sequora {

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kLargestHeader = 124;  // BITMAPV5HEADER
constexpr std::uint32_t kRgb = 0;              // BI_RGB
constexpr std::uint32_t kBitFields = 3;        // BI_BITFIELDS
constexpr std::int32_t kPixelsPerMeter = 3780; // 96 DPI

std::uint16_t U16(std::string_view d, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(d[at]) | static_cast<std::uint8_t>(d[at + 1]) << 8);
}
std::uint32_t U32(std::string_view d, std::size_t at) {
  return static_cast<std::uint32_t>(U16(d, at)) | static_cast<std::uint32_t>(U16(d, at + 2)) << 16;
}

void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// One colour channel of a bit-field pixel: where its bits are and how many.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (!m) return;
    shift = std::countr_zero(m);
    bits = std::countr_one(m >> shift);  // bits above a gap in the mask are ignored
  }
  std::uint32_t Eight(std::uint32_t pixel) const {
    if (!bits) return 0;
    const std::uint32_t v = (pixel >> shift) & ((bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1));
    if (bits >= 8) return v >> (bits - 8);
    return v * 255 / ((1u << bits) - 1);
  }
};

std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return a == 0 ? 0 : (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace

std::string EncodeBmp(const Bitmap& bitmap) {
  if (bitmap.width <= 0 || bitmap.height <= 0 ||
      bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
    return {};
  }
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(bitmap.pixels.size() * 4);
  std::string out;
  out.reserve(kFileHeader + kInfoHeader + imageBytes);
  out += "BM";
  Put32(out, static_cast<std::uint32_t>(kFileHeader + kInfoHeader) + imageBytes);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(kFileHeader + kInfoHeader));
  Put32(out, kInfoHeader);
  Put32(out, static_cast<std::uint32_t>(bitmap.width));
  Put32(out, static_cast<std::uint32_t>(bitmap.height));  // positive: bottom row first
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, kRgb);
  Put32(out, imageBytes);
  Put32(out, kPixelsPerMeter);
  Put32(out, kPixelsPerMeter);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = bitmap.height - 1; y >= 0; --y) {
    for (int x = 0; x < bitmap.width; ++x) {
      const std::uint32_t p = bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x];
      // Viewers that ignore the fourth byte show a transparent ground as white, not black.
      Put32(out, (p >> 24) == 0 ? 0x00FFFFFFu : p);
    }
  }
  return out;
}

std::optional<Bitmap> DecodeBmp(std::string_view f) {
  if (f.size() < kFileHeader + kCoreHeader || f[0] != 'B' || f[1] != 'M') return std::nullopt;
  const std::uint32_t pixelOffset = U32(f, 10);
  const std::uint32_t headerSize = U32(f, 14);
  const bool core = headerSize == kCoreHeader;
  if (!core && (headerSize < kInfoHeader || headerSize > kLargestHeader)) return std::nullopt;
  if (f.size() < kFileHeader + headerSize) return std::nullopt;

  long long width = 0, height = 0;
  int bpp = 0;
  std::uint32_t compression = kRgb, colorsUsed = 0;
  if (core) {
    width = U16(f, 18);
    height = U16(f, 20);
    bpp = U16(f, 24);
  } else {
    width = static_cast<std::int32_t>(U32(f, 18));
    height = static_cast<std::int32_t>(U32(f, 22));
    bpp = U16(f, 28);
    compression = U32(f, 30);
    colorsUsed = U32(f, 46);
  }
  const bool topDown = height < 0;
  height = std::llabs(height);
  if (width < 1 || height < 1 || width > kBmpMaxSide || height > kBmpMaxSide || width * height > kBmpMaxPixels) {
    return std::nullopt;
  }

  std::size_t tableAt = kFileHeader + headerSize;  // palette or masks follow the header
  Channel red, green, blue, alpha;
  bool alphaFromFourthByte = false;
  if (compression == kBitFields && (bpp == 16 || bpp == 32) && !core) {
    std::size_t masksAt = kFileHeader + kInfoHeader;  // inside a larger header, after a 40-byte one
    if (f.size() < masksAt + 12) return std::nullopt;
    red = Channel(U32(f, masksAt));
    green = Channel(U32(f, masksAt + 4));
    blue = Channel(U32(f, masksAt + 8));
    if (headerSize >= 56) alpha = Channel(U32(f, masksAt + 12));
    if (headerSize == kInfoHeader) tableAt += 12;
  } else if (compression != kRgb) {
    return std::nullopt;
  } else if (bpp == 16) {
    red = Channel(0x7C00);
    green = Channel(0x03E0);
    blue = Channel(0x001F);
  } else if (bpp == 32) {
    red = Channel(0x00FF0000);
    green = Channel(0x0000FF00);
    blue = Channel(0x000000FF);
    alphaFromFourthByte = true;
  } else if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) {
    return std::nullopt;
  }

  std::vector<std::uint32_t> palette;
  if (bpp <= 8) {
    const std::size_t entrySize = core ? 3 : 4;
    std::size_t count = (colorsUsed == 0 || colorsUsed > (1u << bpp)) ? (1u << bpp) : colorsUsed;
    if (f.size() < tableAt + count * entrySize) return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = tableAt + i * entrySize;
      palette.push_back(Argb(255, static_cast<std::uint8_t>(f[at + 2]), static_cast<std::uint8_t>(f[at + 1]),
                             static_cast<std::uint8_t>(f[at])));
    }
  }

  const std::size_t stride = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bpp) + 31) / 32 * 4;
  const std::size_t h = static_cast<std::size_t>(height), w = static_cast<std::size_t>(width);
  if (pixelOffset > f.size() || (f.size() - pixelOffset) / stride < h) return std::nullopt;

  Bitmap out;
  out.width = static_cast<int>(width);
  out.height = static_cast<int>(height);
  out.pixels.resize(w * h);
  bool anyAlpha = false;
  for (std::size_t row = 0; row < h; ++row) {
    const std::size_t y = topDown ? row : h - 1 - row;
    const std::size_t rowAt = pixelOffset + row * stride;
    std::uint32_t* target = &out.pixels[y * w];
    for (std::size_t x = 0; x < w; ++x) {
      std::uint32_t p = 0;
      switch (bpp) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = x * static_cast<std::size_t>(bpp);
          const std::uint32_t byte = static_cast<std::uint8_t>(f[rowAt + bit / 8]);
          const std::uint32_t index = (byte >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
          p = index < palette.size() ? palette[index] : 0xFF000000u;
          break;
        }
        case 24: {
          const std::size_t at = rowAt + x * 3;
          p = Argb(255, static_cast<std::uint8_t>(f[at + 2]), static_cast<std::uint8_t>(f[at + 1]),
                   static_cast<std::uint8_t>(f[at]));
          break;
        }
        default: {
          const std::uint32_t raw = bpp == 16 ? U16(f, rowAt + x * 2) : U32(f, rowAt + x * 4);
          const std::uint32_t a = alphaFromFourthByte ? raw >> 24 : (alpha.bits ? alpha.Eight(raw) : 255);
          if (a && (alphaFromFourthByte || alpha.bits)) anyAlpha = true;
          p = (a << 24) | (red.Eight(raw) << 16) | (green.Eight(raw) << 8) | blue.Eight(raw);
          break;
        }
      }
      target[x] = p;
    }
  }
  // An alpha that is 0 everywhere was never written: such a file is opaque.
  const bool opaque = (alphaFromFourthByte || alpha.bits) && !anyAlpha;
  for (std::uint32_t& p : out.pixels) {
    if (opaque) p |= 0xFF000000u;
    if ((p >> 24) == 0) p = 0;
  }
  return out;
}

}  // namespace sequora
