// Sequora's glyphs and bitmap pictures drawn with GDI, read back from a 32-bit DIB.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/win32/PictureDrawing.h"

using sequora::Bitmap;
using sequora::Picture;
using namespace sequora::platform::win32;

namespace {

// A white 32-bit canvas of size x size pixels to draw on.
class Canvas {
 public:
  explicit Canvas(int size) : size_(size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = ::SelectObject(dc_, bitmap_);
    for (int i = 0; i < size * size; ++i) bits_[i] = 0x00FFFFFF;
  }
  ~Canvas() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }
  std::uint32_t At(int x, int y) const {
    ::GdiFlush();
    return bits_[y * size_ + x] & 0xFFFFFF;
  }
  int Changed() const {
    ::GdiFlush();
    int n = 0;
    for (int i = 0; i < size_ * size_; ++i) n += (bits_[i] & 0xFFFFFF) != 0xFFFFFF;
    return n;
  }

 private:
  int size_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace

TEST(PictureDrawing, EveryNamedGlyphDrawsAtSmallAndLargeSizes) {
  ASSERT_GE(PictureNames().size(), 20u);
  for (const std::string& name : PictureNames()) {
    if (name == "empty") continue;
    for (int size : {16, 24, 48}) {
      Canvas canvas(size);
      DrawPicture(canvas.Dc(), RECT{0, 0, size, size}, Picture::Named(name));
      int changed = canvas.Changed();
      EXPECT_GT(changed, size * size / 20) << name << " at " << size;
      EXPECT_LT(changed, size * size) << name << " fills its whole box at " << size;
    }
  }
}

TEST(PictureDrawing, UnknownNamesAndEmptyPicturesDrawNothing) {
  Canvas canvas(24);
  DrawPicture(canvas.Dc(), RECT{0, 0, 24, 24}, Picture::Named("no such glyph"));
  DrawPicture(canvas.Dc(), RECT{0, 0, 24, 24}, Picture::Named("empty"));
  DrawPicture(canvas.Dc(), RECT{0, 0, 24, 24}, Picture());
  EXPECT_EQ(canvas.Changed(), 0);
}

TEST(PictureDrawing, GlyphsAreCentredInWideBoxesAndGreyedWhenDisabled) {
  Canvas colour(48), grey(48);
  DrawPicture(colour.Dc(), RECT{0, 12, 48, 36}, Picture::Named("play"));
  EXPECT_EQ(colour.At(4, 24), 0xFFFFFFu);   // left of the centred 24-pixel glyph
  EXPECT_NE(colour.At(20, 24), 0xFFFFFFu);  // inside the triangle
  std::uint32_t green = colour.At(20, 24);
  EXPECT_GT((green >> 8) & 0xFF, (green >> 16) & 0xFF);  // green dominates (0x00RRGGBB)
  DrawPicture(grey.Dc(), RECT{0, 12, 48, 36}, Picture::Named("play"), true);
  std::uint32_t g = grey.At(20, 24);
  EXPECT_EQ((g >> 16) & 0xFF, g & 0xFF);  // no colour left
}

TEST(PictureDrawing, BitmapsAreScaledToFitWithTheirAlpha) {
  auto bitmap = std::make_shared<Bitmap>();
  bitmap->width = 4;
  bitmap->height = 2;
  // Left half opaque red, right half fully transparent.
  bitmap->pixels = {0xFFFF0000, 0xFFFF0000, 0x00000000, 0x00000000,
                    0xFFFF0000, 0xFFFF0000, 0x00000000, 0x00000000};
  Canvas canvas(16);
  DrawPicture(canvas.Dc(), RECT{0, 0, 16, 16}, Picture::FromBitmap(bitmap));
  // Natural size when it fits: 4 x 2 pixels centred at (6, 7).
  EXPECT_EQ(canvas.At(6, 7), 0xFF0000u);
  EXPECT_EQ(canvas.At(9, 7), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(6, 3), 0xFFFFFFu);

  Canvas small(2);
  DrawPicture(small.Dc(), RECT{0, 0, 2, 2}, Picture::FromBitmap(bitmap));  // shrunk to 2 x 1
  EXPECT_EQ(small.At(0, 0), 0xFF0000u);
  EXPECT_EQ(small.At(1, 0), 0xFFFFFFu);
}

TEST(PictureDrawing, IconsAreMadeFromGlyphs) {
  HICON icon = CreateIconFromPicture(Picture::Named("sequora"), 32);
  ASSERT_TRUE(icon);
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(icon, &info));
  BITMAP bm{};
  ::GetObjectA(info.hbmColor, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 32);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  ::DestroyIcon(icon);
  EXPECT_EQ(CreateIconFromPicture(Picture(), 32), nullptr);
}
