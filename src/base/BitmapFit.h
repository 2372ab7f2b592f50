#pragma once
// Fitting a bitmap into a square, as an icon is: the whole image, its proportions kept, centred on
// a transparent ground.
#include "base/Picture.h"

namespace sequora {

// `bitmap` scaled to size x size pixels (a copy when it has that size already). Every target
// pixel is the alpha-weighted average of the source area it covers, so shrinking does not
// flicker and colours do not bleed from transparent pixels. Empty when `size` is below 1 or the
// bitmap has no pixels.
Bitmap FitBitmap(const Bitmap& bitmap, int size);

// True when the bitmap has at least one pixel that is not fully transparent.
bool HasVisiblePixels(const Bitmap& bitmap);

}  // namespace sequora
