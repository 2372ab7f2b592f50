#pragma once
#include "platform/Icons.h"

namespace sequora::platform::win32 {

// Icons through PrivateExtractIconsA, the user32 call that takes the size wanted: it picks the
// icon's own image for that size (an icon drawn at 48 pixels for 144 DPI is the icon's 48-pixel
// image, not a blurred 32-pixel one). (The shell's SHDefExtractIconA does the same but always
// extracts a second image: under Wine half again as slow.) ExtractIconA, scaled, is the fallback
// for files it refuses. The icon is drawn with DrawIconEx on a black and on a
// white ground, which gives its colours and its alpha for every kind of icon (alpha, masked,
// monochrome).
class Win32Icons : public Icons {
 public:
  std::vector<Bitmap> ExtractFirstIcon(const std::string& path, const std::vector<int>& sizes) override;
};

}  // namespace sequora::platform::win32
