#include "platform/fake/FakeIcons.h"

#include "base/StringOps.h"

namespace sequora::platform {

void FakeIcons::SetIcon(const std::string& path, std::uint32_t colour) { icons_[ToUpper(path)] = colour & 0xFFFFFF; }

Bitmap FakeIcons::Image(std::uint32_t colour, int size) {
  Bitmap b;
  b.width = size;
  b.height = size;
  b.pixels.assign(static_cast<std::size_t>(size) * size, 0xFF000000u | colour);
  b.pixels[0] = 0;
  return b;
}

std::optional<Bitmap> FakeIcons::ExtractFirstIcon(const std::string& path, int size) {
  requests.emplace_back(path, size);
  auto it = icons_.find(ToUpper(path));
  if (it == icons_.end() || size < kIconMinSize || size > kIconMaxSize) return std::nullopt;
  return Image(it->second, size);
}

}  // namespace sequora::platform
