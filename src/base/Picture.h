#pragma once
// A picture shown by a picture box or a button. Either one of Sequora's own drawings, named
// ("pause", "play", ...; the renderer draws them as vector shapes, sharp at any DPI), or a bitmap
// of pixels (program icons). Pictures are values; copies share their pixels.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sequora {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first, straight alpha
};

class Picture {
 public:
  Picture() = default;
  static Picture Named(std::string name) {
    Picture p;
    p.name_ = std::move(name);
    return p;
  }
  static Picture FromBitmap(std::shared_ptr<const Bitmap> bitmap) {
    Picture p;
    p.bitmap_ = std::move(bitmap);
    return p;
  }

  bool Empty() const { return name_.empty() && !bitmap_; }
  const std::string& Name() const { return name_; }
  const Bitmap* Image() const { return bitmap_.get(); }

  friend bool operator==(const Picture& a, const Picture& b) {
    return a.name_ == b.name_ && a.bitmap_ == b.bitmap_;
  }

 private:
  std::string name_;
  std::shared_ptr<const Bitmap> bitmap_;
};

}  // namespace sequora
