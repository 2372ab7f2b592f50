#pragma once
// Program icons from files: the first icon of an exe, a dll or an .ico file, drawn at the size
// asked for. Win32: platform/win32/Win32Icons; tests: platform/fake/FakeIcons.
#include <optional>
#include <string>

#include "base/Picture.h"

namespace sequora::platform {

// The sizes an icon may be asked for (a 256-pixel image is the largest an icon file holds).
inline constexpr int kIconMinSize = 1;
inline constexpr int kIconMaxSize = 256;

class Icons {
 public:
  virtual ~Icons() = default;
  // The file's first icon (index 0) as size x size pixels with straight alpha, the image of the
  // icon chosen for that size rather than a scaled 32-pixel one; fully transparent pixels are 0.
  // nullopt when the file is missing, has no icon, or `size` is outside kIconMinSize..kIconMaxSize.
  virtual std::optional<Bitmap> ExtractFirstIcon(const std::string& path, int size) = 0;
};

}  // namespace sequora::platform
