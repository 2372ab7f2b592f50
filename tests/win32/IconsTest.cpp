// Program icons on Windows: icons from a real program file, the bitmaps Icons\IconN.bmp as
// Windows reads them, and a move's exchange of bitmaps on the real file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "Win32TestSupport.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Icons.h"
#include "storage/IconStore.h"

using namespace sequora;
using platform::win32::Win32FileSystem;
using platform::win32::Win32Icons;

namespace {

std::string SystemProgram(const char* name) {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\" + name;
}

int Count(const Bitmap& b, bool opaque) {
  return static_cast<int>(std::count_if(b.pixels.begin(), b.pixels.end(), [&](std::uint32_t p) {
    return opaque ? (p >> 24) == 0xFF : p == 0;
  }));
}

storage::ProgramEntry Notepad() {
  storage::ProgramEntry e;
  const std::string path = SystemProgram("notepad.exe");
  e.Dir = path.substr(0, path.rfind('\\') + 1);
  e.Program = "notepad.exe";
  return e;
}

}  // namespace

TEST(Win32Icons, AProgramsIconAtTheSizeAskedForSavedAsABitmapWindowsReads) {
  Win32FileSystem fs;
  Win32Icons icons;
  const std::string notepad = SystemProgram("notepad.exe");
  std::vector<Bitmap> pair = icons.ExtractFirstIcon(notepad, {32, 48});
  ASSERT_EQ(pair.size(), 2u);
  for (const Bitmap& icon : pair) {
    EXPECT_GT(Count(icon, true), icon.width * icon.width / 8) << icon.width;  // a drawing ...
    EXPECT_GT(Count(icon, false), 0) << icon.width;                           // ... on a transparent ground
  }
  // Each size alone is the same image as in the pair.
  EXPECT_EQ(icons.ExtractFirstIcon(notepad, {48}).at(0).pixels, pair[1].pixels);
  EXPECT_EQ(icons.ExtractFirstIcon(notepad, {32}).at(0).pixels, pair[0].pixels);
  EXPECT_TRUE(icons.ExtractFirstIcon(notepad, {512}).empty());
  const test::Scratch scratch("sequora icons");
  const std::string dir = scratch.Path() + "\\";
  ASSERT_TRUE(fs.WriteFile(dir + "plain.txt", "no icons here"));
  EXPECT_TRUE(icons.ExtractFirstIcon(dir + "plain.txt", {32}).empty());
  EXPECT_TRUE(icons.ExtractFirstIcon(dir + "missing.exe", {32, 48}).empty());

  storage::IconStore store(fs, icons, dir + "Icons\\");  // the folder is made by the first save
  storage::EntryIcon icon = store.LoadProgrIcon(1, Notepad(), "", 32);
  ASSERT_TRUE(icon.file);
  ASSERT_TRUE(store.Save_Picture(1, icon));
  platform::win32::UniqueGdi loaded(
      LoadImageA(nullptr, store.IconPath(1).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_TRUE(loaded);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectA(loaded.Get(), sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmWidth, 32);
  EXPECT_EQ(section.dsBm.bmHeight, 32);
  // Every opaque pixel reads back as we drew it (the DIB is bottom-up).
  const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  ASSERT_NE(bits, nullptr);
  for (int i = 0; i < 32 * 32; ++i) {
    const std::uint32_t ours = icon.file->pixels[static_cast<std::size_t>(i)];
    if ((ours >> 24) == 0xFF) {
      EXPECT_EQ(bits[(31 - i / 32) * 32 + i % 32] & 0xFFFFFF, ours & 0xFFFFFF) << i;
    }
  }

  // Shown at 144 DPI, the saved bitmap gives way to the program's own 48-pixel image.
  storage::EntryIcon large = store.LoadProgrIcon(1, Notepad(), "", 48);
  EXPECT_FALSE(large.unsaved);
  ASSERT_TRUE(large.picture.Image());
  EXPECT_EQ(large.picture.Image()->pixels, pair[1].pixels);
}

TEST(Win32Icons, AMoveExchangesTheBitmapsOnDiskOrLeavesBoth) {
  Win32FileSystem fs;
  Win32Icons icons;
  const test::Scratch scratch("sequora move icons");
  storage::IconStore store(fs, icons, scratch.Path() + "\\");
  const std::string one = store.IconPath(1), two = store.IconPath(2);
  ASSERT_TRUE(fs.WriteFile(one, "first"));
  ASSERT_TRUE(fs.WriteFile(two, "second"));
  ASSERT_TRUE(fs.WriteFile(one + "_", "leftover of a crash"));

  ASSERT_TRUE(store.SwapIconFiles(1, 2));
  EXPECT_EQ(fs.ReadFile(one), "second");
  EXPECT_EQ(fs.ReadFile(two), "first");
  EXPECT_FALSE(fs.FileExists(one + "_"));

  {
    // Another program holds entry 2's file open and does not let it be renamed: the first rename
    // is undone, both files stay.
    platform::win32::UniqueFile held(
        CreateFileA(two.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(store.SwapIconFiles(1, 2));
    EXPECT_EQ(fs.ReadFile(one), "second");
    EXPECT_FALSE(fs.FileExists(one + "_"));
  }
  EXPECT_EQ(fs.ReadFile(two), "first");

  // A single bitmap moves to the other number.
  ASSERT_TRUE(store.SwapIconFiles(2, 3));
  EXPECT_FALSE(fs.FileExists(two));
  EXPECT_EQ(fs.ReadFile(store.IconPath(3)), "first");
}
