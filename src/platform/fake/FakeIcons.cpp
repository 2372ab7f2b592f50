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

std::vector<Bitmap> FakeIcons::ExtractFirstIcon(const std::string& path, const std::vector<int>& sizes) {
  requests.emplace_back(path, sizes);
  auto it = icons_.find(ToUpper(path));
  if (it == icons_.end() || sizes.empty()) return {};
  std::vector<Bitmap> images;
  for (int size : sizes) {
    if (size < kIconMinSize || size > kIconMaxSize) return {};
    images.push_back(Image(it->second, size));
  }
  return images;
}

}  // namespace sequora::platform
