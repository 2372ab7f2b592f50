#pragma once
// Windows .bmp files of a Bitmap, without Windows. Sequora writes one kind: 32 bits per pixel,
// bottom-up, BITMAPINFOHEADER, the straight alpha in each pixel's fourth byte (LoadImageA and
// every viewer read it; viewers that ignore the alpha see the transparent ground as white). It
// reads the uncompressed kinds that other tools and older versions wrote: 1, 4, 8, 16, 24 and 32
// bits per pixel, palettes, bit-field masks, bottom-up and top-down rows, the OS/2 header. A file
// is untrusted input: its sizes are checked against the data before any pixel is read.
#include <optional>
#include <string>
#include <string_view>

#include "base/Picture.h"

namespace sequora {

// The largest image a file may describe: an icon store has no use for more, and a damaged
// header must not make us allocate gigabytes.
inline constexpr int kBmpMaxSide = 16384;
inline constexpr long long kBmpMaxPixels = 16LL * 1024 * 1024;

// The file bytes of `bitmap`; empty when the bitmap has no pixels or its pixel count does not
// match its size.
std::string EncodeBmp(const Bitmap& bitmap);

// The image of a .bmp file; nullopt when it is not a bitmap of a kind read here (RLE, JPEG and PNG
// inside a .bmp are not) or it is cut short. A 32-bit file whose fourth bytes are all 0 is opaque
// (the byte was unused before bitmaps had alpha). Fully transparent pixels come back as 0.
std::optional<Bitmap> DecodeBmp(std::string_view file);

}  // namespace sequora
