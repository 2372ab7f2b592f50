#pragma once
// Program icons: the bitmap files Icons\IconN.bmp that belong to entry numbers, and the icon an
// entry shows in the editor and in the list.
//
// Where an entry's icon comes from: its own IconN.bmp when one exists, otherwise the first icon of
// its program file (exe, dll); a source named by the user replaces both (an exe or dll gives its
// first icon, any other file is read as a picture: a .bmp, or an icon file through the platform).
//
// Sizes and DPI. The files stay what they always were, 32 x 32 pixels, so an older Sequora reads
// them and moves keep renaming one file per entry. What is shown is drawn at the size the caller
// asks for (32 pixels at 96 DPI, 48 at 144): an icon from a program file is extracted at that size.
// A saved bitmap is only 32 pixels; when it is the program's own icon (its pixels are the
// program's 32-pixel icon), the larger image comes from the program, so the list is sharp at any
// DPI. A bitmap from elsewhere (a dll icon the user chose, a picture) is shown scaled.
//
// Files are replaced atomically, and a bitmap that cannot be read counts as missing. Renaming the
// files of a move uses IconN.bmp_ as a temporary name; such a file is never read as an icon.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Picture.h"
#include "platform/FileSystem.h"
#include "platform/Icons.h"
#include "storage/ProgramList.h"

namespace sequora::storage {

// The icon of one entry as the editor holds it.
struct EntryIcon {
  Picture picture;                     // what to show, at the size asked for; empty: no icon
  std::shared_ptr<const Bitmap> file;  // the 32 x 32 image Save_Picture writes; null: no icon
  bool unsaved = false;                // not (yet) the entry's bitmap: AddIcon_Btn is visible
  int savedEntry = 0;                  // the entry whose IconN.bmp `file` was read from, or 0
};

class IconStore {
 public:
  static constexpr int kFileSize = 32;  // width and height of IconN.bmp

  // `iconsDir` is IconsDir, ending in its separator.
  IconStore(platform::FileSystem& fs, platform::Icons& icons, std::string iconsDir);

  // IconsDir + "Icon" + n + ".bmp".
  std::string IconPath(int n) const;

  // The path of entry n's icon file when there is no such file, "" when it exists (the group
  // confirmation shows the icon of the first entry of a group without one).
  std::string IsIconAvailable(int n);

  // The icon of entry n (`entry` is its record; its stored Dir + Program name the program file),
  // from `sourcePath` instead when that is not empty, drawn at `size` x `size` pixels (below 1:
  // 32; at most 256). A missing or unreadable source gives an empty icon.
  EntryIcon LoadProgrIcon(int n, const ProgramEntry& entry, const std::string& sourcePath, int size);

  // Stores the icon as entry n's bitmap, replacing the file in one step; an empty icon removes the
  // file, so the entry shows its program's icon again. Nothing is written when the icon was read
  // from that very file. False when the file could not be written or removed (it is unchanged).
  bool Save_Picture(int n, const EntryIcon& icon);

  // Removes entry n's bitmap; true when there is none afterwards.
  bool RemoveIcon(int n);

  // Exchanges the bitmaps of entries a and b (a move): both files are exchanged, or, when a rename
  // fails, both stay as they were. One file moves to the other number; none: nothing happens.
  // False when the exchange failed.
  bool SwapIconFiles(int a, int b);

 private:
  std::optional<Bitmap> ReadBitmap(const std::string& path);
  std::vector<Bitmap> ProgramIcons(const std::string& path, const std::vector<int>& sizes);
  std::string TemporaryPath(int n) const;

  platform::FileSystem& fs_;
  platform::Icons& icons_;
  std::string iconsDir_;
};

// The icons of the list rows, one per entry 1..101 (ProgramIconList). Loading all of them reads
// 101 files or programs (about 0.1 to 0.5 s under Wine), so it is done at start-up and when the
// DPI changes; a save sets its entry's picture from the editor's icon and a move exchanges two.
class ProgramIconList {
 public:
  // Loads every entry's icon at `size` pixels (Initialize_Iconlist); free slots get none.
  void Initialize(IconStore& store, const ProgramList& list, int size);
  // Entry n's icon; empty for a number outside 1..101.
  Picture At(int n) const;
  void Set(int n, Picture picture);
  void Swap(int a, int b);

 private:
  std::array<Picture, ProgramList::kLast + 1> pictures_{};
};

}  // namespace sequora::storage
