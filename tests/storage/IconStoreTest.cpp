#include "storage/IconStore.h"

#include <gtest/gtest.h>

#include "base/BitmapFit.h"
#include "base/BmpFile.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeIcons.h"

using namespace sequora;
using namespace sequora::storage;
using platform::FakeFileSystem;
using platform::FakeIcons;

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

class IconStoreTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  FakeIcons icons;
  IconStore store{fs, icons, "C:\\Sequora\\Icons\\"};
  ProgramEntry app;

  void SetUp() override {
    fs.MakeDirs("C:\\Sequora\\Icons");
    fs.PutFile("C:\\Tools\\app.exe", "MZ");
    app.Dir = "C:\\Tools\\";
    app.Program = "app.exe";
    icons.SetIcon("C:\\Tools\\app.exe", kRed);
  }
  static std::vector<std::uint32_t> Pixels(const EntryIcon& icon) {
    return icon.picture.Image() ? icon.picture.Image()->pixels : std::vector<std::uint32_t>{};
  }
  std::optional<Bitmap> FileImage(int n) {
    auto bytes = fs.Contents(store.IconPath(n));
    return bytes ? DecodeBmp(*bytes) : std::nullopt;
  }
  void PutIconFile(int n, std::uint32_t colour) { fs.PutFile(store.IconPath(n), EncodeBmp(FakeIcons::Image(colour, 32))); }
};

}  // namespace

TEST_F(IconStoreTest, ShowsTheSavedBitmapElseTheProgramsIcon) {
  EXPECT_EQ(store.IsIconAvailable(3), "C:\\Sequora\\Icons\\Icon3.bmp");  // the path: no file yet

  EntryIcon fromProgram = store.LoadProgrIcon(3, app, "", 32);
  EXPECT_EQ(Pixels(fromProgram), FakeIcons::Image(kRed, 32).pixels);
  EXPECT_TRUE(fromProgram.unsaved);

  ASSERT_TRUE(store.Save_Picture(3, fromProgram));
  EXPECT_EQ(store.IsIconAvailable(3), "");
  EXPECT_EQ(FileImage(3)->pixels, FakeIcons::Image(kRed, 32).pixels);

  // The program's icon changes: the entry keeps its bitmap, and saving it again writes nothing.
  icons.SetIcon("C:\\Tools\\app.exe", kBlue);
  EntryIcon shown = store.LoadProgrIcon(3, app, "", 32);
  EXPECT_EQ(Pixels(shown), FakeIcons::Image(kRed, 32).pixels);
  EXPECT_FALSE(shown.unsaved);
  const int before = fs.MutationCount();
  EXPECT_TRUE(store.Save_Picture(3, shown));
  EXPECT_EQ(fs.MutationCount(), before);

  // A damaged bitmap counts as missing; the program's icon stands in until it is saved again.
  fs.PutFile(store.IconPath(3), "BM garbage");
  EntryIcon repaired = store.LoadProgrIcon(3, app, "", 32);
  EXPECT_EQ(Pixels(repaired), FakeIcons::Image(kBlue, 32).pixels);
  EXPECT_TRUE(repaired.unsaved);
  ASSERT_TRUE(store.Save_Picture(3, repaired));
  EXPECT_EQ(FileImage(3)->pixels, FakeIcons::Image(kBlue, 32).pixels);

  // An entry without program shows nothing; saving "nothing" removes the file, so the number
  // later shows the icon of the program it gets.
  EntryIcon none = store.LoadProgrIcon(4, ProgramEntry{}, "", 32);
  EXPECT_TRUE(none.picture.Empty());
  EXPECT_TRUE(store.Save_Picture(3, none));
  EXPECT_FALSE(fs.FileExists(store.IconPath(3)));
}

TEST_F(IconStoreTest, LargerSizesAreSharpNotScaledUp) {
  // No bitmap: the program's icon at the size asked for; the file would get its 32-pixel image.
  EntryIcon large = store.LoadProgrIcon(3, app, "", 48);
  EXPECT_EQ(Pixels(large), FakeIcons::Image(kRed, 48).pixels);
  ASSERT_TRUE(large.file);
  EXPECT_EQ(large.file->width, 32);
  ASSERT_TRUE(store.Save_Picture(3, large));
  EXPECT_EQ(FileImage(3)->pixels, FakeIcons::Image(kRed, 32).pixels);

  // The bitmap is the program's own icon: the 48-pixel image comes from the program.
  EntryIcon again = store.LoadProgrIcon(3, app, "", 48);
  EXPECT_EQ(Pixels(again), FakeIcons::Image(kRed, 48).pixels);
  EXPECT_FALSE(again.unsaved);

  // An opaque bitmap that an older version drew on the window's ground counts as the program's too.
  Bitmap onGround = FakeIcons::Image(kRed, 32);
  onGround.pixels[0] = 0xFFF0F0F0;
  fs.PutFile(store.IconPath(3), EncodeBmp(onGround));
  EXPECT_EQ(Pixels(store.LoadProgrIcon(3, app, "", 48)), FakeIcons::Image(kRed, 48).pixels);

  // A bitmap from elsewhere (another icon chosen by the user) is kept, scaled.
  PutIconFile(3, kGreen);
  EntryIcon chosen = store.LoadProgrIcon(3, app, "", 48);
  ASSERT_TRUE(chosen.picture.Image());
  EXPECT_EQ(chosen.picture.Image()->width, 48);
  EXPECT_EQ(chosen.picture.Image()->pixels[24 * 48 + 24], 0xFF00FF00u);
}

TEST_F(IconStoreTest, SourcesNamedByTheUser) {
  PutIconFile(5, kGreen);
  // A dll's first icon replaces the bitmap until it is saved.
  icons.SetIcon("C:\\Windows\\shell32.dll", kBlue);
  EntryIcon dll = store.LoadProgrIcon(5, app, "\"C:\\Windows\\shell32.dll\"", 32);
  EXPECT_EQ(Pixels(dll), FakeIcons::Image(kBlue, 32).pixels);
  EXPECT_TRUE(dll.unsaved);
  // A bitmap file is a picture: a 16-pixel one fills the 32-pixel icon.
  fs.PutFile("C:\\Pictures\\tool.BMP", EncodeBmp(FakeIcons::Image(kRed, 16)));
  EntryIcon picture = store.LoadProgrIcon(5, app, "C:\\Pictures\\tool.BMP", 32);
  ASSERT_TRUE(store.Save_Picture(5, picture));
  EXPECT_EQ(FileImage(5)->pixels[31 * 32 + 31], 0xFFFF0000u);
  // What has no icon and is no picture shows nothing.
  EXPECT_TRUE(store.LoadProgrIcon(5, app, "C:\\Tools\\run.bat", 32).picture.Empty());
}

TEST_F(IconStoreTest, AMoveExchangesBothBitmapsOrNeither) {
  PutIconFile(1, kRed);
  PutIconFile(2, kBlue);
  // A leftover of a crash in an earlier exchange is no icon, and does not stop this one.
  fs.PutFile(store.IconPath(1) + "_", "leftover");
  fs.PutFile(store.IconPath(7) + "_", EncodeBmp(FakeIcons::Image(kGreen, 32)));
  EXPECT_NE(store.IsIconAvailable(7), "");
  EXPECT_EQ(Pixels(store.LoadProgrIcon(7, app, "", 32)), FakeIcons::Image(kRed, 32).pixels);

  ASSERT_TRUE(store.SwapIconFiles(1, 2));
  EXPECT_EQ(FileImage(1)->pixels, FakeIcons::Image(kBlue, 32).pixels);
  EXPECT_EQ(FileImage(2)->pixels, FakeIcons::Image(kRed, 32).pixels);

  // Whichever of the three renames fails, both files stay as they were.
  for (int failing = 1; failing <= 3; ++failing) {
    const auto one = fs.Contents(store.IconPath(1)), two = fs.Contents(store.IconPath(2));
    fs.FailMutation(failing);
    EXPECT_FALSE(store.SwapIconFiles(1, 2)) << failing;
    fs.FailMutation(0);
    EXPECT_EQ(fs.Contents(store.IconPath(1)), one) << failing;
    EXPECT_EQ(fs.Contents(store.IconPath(2)), two) << failing;
  }

  // One bitmap moves to the other number; none: nothing happens.
  ASSERT_TRUE(store.SwapIconFiles(2, 9));
  EXPECT_FALSE(fs.FileExists(store.IconPath(2)));
  EXPECT_EQ(FileImage(9)->pixels, FakeIcons::Image(kRed, 32).pixels);
  EXPECT_TRUE(store.SwapIconFiles(30, 31));
  EXPECT_FALSE(fs.FileExists(store.IconPath(30)) || fs.FileExists(store.IconPath(31)));
}
