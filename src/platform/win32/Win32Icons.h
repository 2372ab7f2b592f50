#pragma once
#include "platform/Icons.h"

namespace sequora::platform::win32 {

// Icons through the shell: SHDefExtractIconA picks the image of the file's first icon that suits
// the size asked for (so an icon drawn at 48 pixels for 144 DPI is the icon's own 48-pixel image,
// not a blurred 32-pixel one); ExtractIconA is the fallback for files the shell call refuses. The
// icon is drawn with DrawIconEx on a black and on a white ground, which gives its colours and its
// alpha for every kind of icon (alpha, masked and monochrome).
class Win32Icons : public Icons {
 public:
  std::optional<Bitmap> ExtractFirstIcon(const std::string& path, int size) override;
};

}  // namespace sequora::platform::win32
