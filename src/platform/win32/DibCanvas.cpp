#include "platform/win32/DibCanvas.h"

#include <cstring>

namespace sequora::platform::win32 {

BITMAPINFO TopDownDibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

DibCanvas::DibCanvas(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info = TopDownDibInfo(width, height);
  dc_.Reset(::CreateCompatibleDC(nullptr));
  bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  if (!dc_ || !bitmap_ || !bits_) {
    bits_ = nullptr;
    return;
  }
  selected_.emplace(dc_.Get(), bitmap_.Get());
  std::memset(bits_, 0, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
}

}  // namespace sequora::platform::win32
