#include "base/BmpFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "base/BitmapFit.h"

using namespace sequora;

namespace {

void Put16(std::string& s, std::uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, std::uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

// A .bmp file as other tools write them: a 40-byte header, then `table` (palette or masks), then
// `rows` as stored (bottom row first unless the height is negative).
std::string File(int width, int height, int bpp, std::uint32_t compression, const std::string& table,
                 const std::string& rows, std::uint32_t colorsUsed = 0) {
  std::string f = "BM";
  Put32(f, static_cast<std::uint32_t>(54 + table.size() + rows.size()));
  Put32(f, 0);
  Put32(f, static_cast<std::uint32_t>(54 + table.size()));
  Put32(f, 40);
  Put32(f, static_cast<std::uint32_t>(width));
  Put32(f, static_cast<std::uint32_t>(height));
  Put16(f, 1);
  Put16(f, static_cast<std::uint32_t>(bpp));
  Put32(f, compression);
  Put32(f, static_cast<std::uint32_t>(rows.size()));
  Put32(f, 0);
  Put32(f, 0);
  Put32(f, colorsUsed);
  Put32(f, 0);
  return f + table + rows;
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

Bitmap Image(int w, int h, std::uint32_t fill) {
  return Bitmap{w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, fill)};
}

}  // namespace

TEST(BmpFile, WhatWeWriteReadsBackWithItsAlpha) {
  Bitmap icon = Image(32, 32, 0xFF102030);
  icon.pixels[0] = 0;                      // transparent corner
  icon.pixels[33] = 0x80FF0000;            // half-transparent red
  icon.pixels[32 * 31 + 31] = 0xFF00FF00;  // bottom-right, to catch a flipped row order
  const std::string file = EncodeBmp(icon);
  EXPECT_EQ(file.size(), 54u + 32 * 32 * 4);
  EXPECT_EQ(file.substr(0, 2), "BM");
  auto back = DecodeBmp(file);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixels, icon.pixels);

  // Transparent pixels are stored white, so a viewer without alpha shows a white ground.
  const std::size_t topLeft = 54 + 31 * 32 * 4;  // the top row is stored last
  EXPECT_EQ(file.substr(topLeft, 4), Bytes({0xFF, 0xFF, 0xFF, 0x00}));

  EXPECT_EQ(EncodeBmp(Bitmap{2, 2, {1, 2, 3}}), "");
}

TEST(BmpFile, ReadsTheKindsOtherToolsWrite) {
  // 24 bits, bottom-up, rows padded to four bytes: 2 x 2, blue and green below, red and white above.
  auto rgb = DecodeBmp(File(2, 2, 24, 0, "",
                            Bytes({255, 0, 0, 0, 255, 0, 0, 0,  0, 0, 255, 255, 255, 255, 0, 0})));
  ASSERT_TRUE(rgb);
  EXPECT_EQ(rgb->pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0xFFFFFFFF, 0xFF0000FF, 0xFF00FF00}));
  auto topDown = DecodeBmp(File(2, -2, 24, 0, "",
                                Bytes({0, 0, 255, 255, 255, 255, 0, 0,  255, 0, 0, 0, 255, 0, 0, 0})));
  ASSERT_TRUE(topDown);
  EXPECT_EQ(topDown->pixels, rgb->pixels);

  // A palette of two colours (an index beyond it is black); 5-6-5 bit-field masks; 32 bits whose
  // fourth byte was never written are opaque.
  auto indexed = DecodeBmp(File(3, 1, 8, 0, Bytes({0, 0, 255, 0, 0, 255, 0, 0}), Bytes({1, 0, 7, 0}), 2));
  ASSERT_TRUE(indexed);
  EXPECT_EQ(indexed->pixels, (std::vector<std::uint32_t>{0xFF00FF00, 0xFFFF0000, 0xFF000000}));
  std::string masks;
  for (std::uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(masks, m);
  EXPECT_EQ(DecodeBmp(File(1, 1, 16, 3, masks, Bytes({0xE0, 0x07, 0, 0})))->pixels[0], 0xFF00FF00u);
  EXPECT_EQ(DecodeBmp(File(1, 1, 32, 0, "", Bytes({10, 20, 30, 0})))->pixels[0], 0xFF1E140Au);
}

TEST(BmpFile, RefusesDamagedAndHostileFiles) {
  const std::string good = File(2, 2, 24, 0, "", std::string(16, '\0'));
  ASSERT_TRUE(DecodeBmp(good));
  for (std::size_t cut = 0; cut < good.size(); ++cut) EXPECT_FALSE(DecodeBmp(good.substr(0, cut))) << cut;

  EXPECT_FALSE(DecodeBmp("XX" + good.substr(2)));
  EXPECT_FALSE(DecodeBmp(File(2, 2, 8, 1, std::string(1024, '\0'), std::string(16, '\0'))));  // RLE
  EXPECT_FALSE(DecodeBmp(File(2, 2, 7, 0, "", std::string(16, '\0'))));                       // no such depth
  // A header that claims a huge image, and one whose height is the most negative number.
  EXPECT_FALSE(DecodeBmp(File(100000, 100000, 32, 0, "", std::string(64, '\0'))));
  EXPECT_FALSE(DecodeBmp(File(1, static_cast<int>(0x80000000u), 32, 0, "", std::string(64, '\0'))));
  // Pixel data said to start beyond the end of the file.
  std::string farOffset = good;
  farOffset[10] = static_cast<char>(0xFF);
  farOffset[11] = static_cast<char>(0xFF);
  EXPECT_FALSE(DecodeBmp(farOffset));
}

TEST(BitmapFit, ScalesIntoASquareKeepingProportions) {
  // 4 x 2 opaque red into 2 x 2: one row of red, transparent below.
  EXPECT_EQ(FitBitmap(Image(4, 2, 0xFFFF0000), 2).pixels, (std::vector<std::uint32_t>{0xFFFF0000, 0xFFFF0000, 0, 0}));
  // Averaging weighs colour by alpha: transparent black does not darken the red.
  Bitmap half = Image(2, 1, 0xFFFF0000);
  half.pixels[1] = 0;
  EXPECT_EQ(FitBitmap(half, 1).pixels[0], 0x80FF0000u);
  EXPECT_EQ(FitBitmap(Image(16, 16, 0xFF00FF00), 32).pixels, Image(32, 32, 0xFF00FF00).pixels);
  EXPECT_TRUE(FitBitmap(Bitmap{}, 32).pixels.empty());
}
