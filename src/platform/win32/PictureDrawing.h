#pragma once
// Draws Picture values with GDI. Named pictures are Sequora's own vector glyphs, drawn at the
// pixel size of the target (anti-aliased by drawing at four times the size and averaging), so they
// stay sharp at any DPI; bitmaps are scaled to fit, keeping their proportions and alpha.
// Unknown names draw nothing.
#include <windows.h>

#include <string>
#include <vector>

#include "base/Picture.h"

namespace sequora::platform::win32 {

// Draws the picture centred in `box`. `greyed` gives the disabled look.
void DrawPicture(HDC dc, const RECT& box, const Picture& picture, bool greyed = false);

// The names that draw a glyph (aliases included).
const std::vector<std::string>& PictureNames();
bool IsPictureName(const std::string& name);

// An icon of size x size pixels showing the picture (nullptr for an empty one); the caller owns it.
HICON CreateIconFromPicture(const Picture& picture, int size);

}  // namespace sequora::platform::win32
