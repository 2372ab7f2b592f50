#pragma once
// Program icons from files: the first icon of an exe, a dll or an .ico file, drawn at the size
// asked for. Win32: platform/win32/Win32Icons; tests: platform/fake/FakeIcons.
#include <string>
#include <vector>

#include "base/Picture.h"

namespace sequora::platform {

// The sizes an icon may be asked for (a 256-pixel image is the largest an icon file holds).
inline constexpr int kIconMinSize = 1;
inline constexpr int kIconMaxSize = 256;

class Icons {
 public:
  virtual ~Icons() = default;
  // The file's first icon (index 0) at each of `sizes`, in that order: size x size pixels with
  // straight alpha, each the image the icon holds for that size rather than a scaled 32-pixel
  // one; fully transparent pixels are 0. Empty when the file is missing or has no icon, or a size
  // is outside kIconMinSize..kIconMaxSize.
  virtual std::vector<Bitmap> ExtractFirstIcon(const std::string& path, const std::vector<int>& sizes) = 0;
};

}  // namespace sequora::platform
