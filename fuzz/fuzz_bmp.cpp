// The bitmap reader on arbitrary bytes: it must never read outside its input, and what it reads
// must survive being written and read again, and fitting into an icon square.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/BitmapFit.h"
#include "base/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto bitmap = sequora::DecodeBmp(bytes);
  if (!bitmap) return 0;
  if (bitmap->pixels.size() != static_cast<std::size_t>(bitmap->width) * static_cast<std::size_t>(bitmap->height)) {
    __builtin_trap();
  }
  auto again = sequora::DecodeBmp(sequora::EncodeBmp(*bitmap));
  if (!again || again->width != bitmap->width || again->height != bitmap->height || again->pixels != bitmap->pixels) {
    __builtin_trap();
  }
  if (sequora::FitBitmap(*bitmap, 32).pixels.size() != 32 * 32) __builtin_trap();
  return 0;
}
