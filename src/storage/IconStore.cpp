#include "storage/IconStore.h"

#include <algorithm>

#include "base/BitmapFit.h"
#include "base/BmpFile.h"
#include "base/StringOps.h"
#include "platform/FilePaths.h"
#include "storage/AtomicFile.h"

namespace sequora::storage {

namespace {

// Files read as pictures; anything else is asked for its icon (exe, dll, ico, ...). Deciding by
// name keeps a large file named by mistake from being read whole.
bool IsBitmapFile(const std::string& path) {
  const std::string name = ToLower(GetFileNamePart(path));
  return name.ends_with(".bmp") || name.ends_with(".dib");
}

bool IsOpaque(const Bitmap& b) {
  return std::all_of(b.pixels.begin(), b.pixels.end(), [](std::uint32_t p) { return (p >> 24) == 0xFF; });
}

// Whether a saved bitmap is the program's own 32-pixel icon. Our bitmaps keep the icon's alpha
// and must equal it; an opaque one (an older version drew the icon on the window's ground) must
// match wherever the icon itself is opaque.
bool IsProgramsOwnIcon(const Bitmap& saved, const Bitmap& icon) {
  if (saved.width != icon.width || saved.height != icon.height || saved.pixels.size() != icon.pixels.size()) {
    return false;
  }
  if (!IsOpaque(saved)) return saved.pixels == icon.pixels;
  bool anyCovered = false;
  for (std::size_t i = 0; i < icon.pixels.size(); ++i) {
    if ((icon.pixels[i] >> 24) != 0xFF) continue;
    if (((icon.pixels[i] ^ saved.pixels[i]) & 0xFFFFFF) != 0) return false;
    anyCovered = true;
  }
  return anyCovered;
}

std::shared_ptr<const Bitmap> Share(Bitmap b) { return std::make_shared<const Bitmap>(std::move(b)); }

}  // namespace

IconStore::IconStore(platform::FileSystem& fs, platform::Icons& icons, std::string iconsDir)
    : fs_(fs), icons_(icons), iconsDir_(std::move(iconsDir)) {}

std::string IconStore::IconPath(int n) const { return iconsDir_ + "Icon" + std::to_string(n) + ".bmp"; }

std::string IconStore::TemporaryPath(int n) const { return IconPath(n) + "_"; }

std::string IconStore::IsIconAvailable(int n) {
  const std::string path = IconPath(n);
  return fs_.FileExists(path) ? std::string() : path;
}

std::optional<Bitmap> IconStore::ReadBitmap(const std::string& path) {
  auto bytes = fs_.ReadFile(path);
  if (!bytes) return std::nullopt;
  auto bitmap = DecodeBmp(*bytes);
  if (!bitmap || !HasVisiblePixels(*bitmap)) return std::nullopt;
  return bitmap;
}

std::vector<Bitmap> IconStore::ProgramIcons(const std::string& path, const std::vector<int>& sizes) {
  if (Trim(path).empty()) return {};
  return icons_.ExtractFirstIcon(path, sizes);
}

EntryIcon IconStore::LoadProgrIcon(int n, const ProgramEntry& entry, const std::string& sourcePath, int size) {
  // Icons hold no image above 256 pixels; the picture is scaled where it is drawn larger.
  size = size < 1 ? kFileSize : std::min(size, platform::kIconMaxSize);
  // The file's image and, at another size, the one shown.
  const std::vector<int> sizes = size == kFileSize ? std::vector<int>{kFileSize} : std::vector<int>{kFileSize, size};
  EntryIcon result;
  // Asked for only where needed: the short form of a path is slow to find (under Wine it lists
  // every folder on the way), and a saved bitmap at its own size needs no program.
  const auto program = [&] { return platform::GetShortPath(fs_, entry.Dir + entry.Program); };

  // The entry's own bitmap, unless the caller names another source (a read is the one look at
  // the file: a list of 101 entries loads 101 of them at every start).
  if (sourcePath.empty()) {
    if (auto saved = ReadBitmap(IconPath(n))) {
      result.savedEntry = n;
      result.file = Share(FitBitmap(*saved, kFileSize));
      std::shared_ptr<const Bitmap> shown = result.file;
      if (size != kFileSize) {
        std::vector<Bitmap> own = ProgramIcons(program(), sizes);
        const bool sharp = own.size() == 2 && IsProgramsOwnIcon(*result.file, own[0]);
        shown = Share(sharp ? std::move(own[1]) : FitBitmap(*saved, size));
      }
      result.picture = Picture::FromBitmap(std::move(shown));
      return result;
    }
    // A damaged bitmap counts as missing: the program's icon stands in until it is saved again.
  }

  result.unsaved = true;
  const std::string source = sourcePath.empty() ? program() : StripQuotes(sourcePath);
  std::vector<Bitmap> images;
  if (!IsBitmapFile(source)) {
    images = ProgramIcons(source, sizes);
  } else if (auto picture = ReadBitmap(source)) {
    images.push_back(FitBitmap(*picture, kFileSize));
    if (size != kFileSize) images.push_back(FitBitmap(*picture, size));
  }
  if (images.size() != sizes.size() || !HasVisiblePixels(images[0])) return result;
  result.file = Share(std::move(images[0]));
  result.picture = Picture::FromBitmap(size == kFileSize ? result.file : Share(std::move(images[1])));
  return result;
}

bool IconStore::Save_Picture(int n, const EntryIcon& icon) {
  if (icon.file && icon.savedEntry == n) return true;  // read from that file: it holds this icon
  if (!icon.file || !HasVisiblePixels(*icon.file)) return RemoveIcon(n);
  const std::string bytes = EncodeBmp(FitBitmap(*icon.file, kFileSize));
  if (bytes.empty()) return false;
  if (!fs_.DirectoryExists(iconsDir_)) fs_.MakeDirectory(iconsDir_);
  return ReplaceFileAtomically(fs_, IconPath(n), bytes);
}

bool IconStore::RemoveIcon(int n) {
  const std::string path = IconPath(n);
  return !fs_.FileExists(path) || fs_.RemoveFile(path);
}

bool IconStore::SwapIconFiles(int a, int b) {
  if (a == b) return true;
  const std::string pathA = IconPath(a), pathB = IconPath(b);
  const bool hasA = fs_.FileExists(pathA), hasB = fs_.FileExists(pathB);
  if (!hasA && !hasB) return true;
  if (hasA != hasB) return hasA ? fs_.RenameOver(pathA, pathB) : fs_.RenameOver(pathB, pathA);

  // Three renames; a failing one undoes the ones before it. The first replaces a leftover of a
  // crash in the middle of an earlier exchange.
  const std::string parked = TemporaryPath(a);
  if (!fs_.RenameOver(pathA, parked)) return false;
  if (!fs_.RenameOver(pathB, pathA)) {
    fs_.RenameOver(parked, pathA);
    return false;
  }
  if (!fs_.RenameOver(parked, pathB)) {
    fs_.RenameOver(pathA, pathB);
    fs_.RenameOver(parked, pathA);
    return false;
  }
  return true;
}

void ProgramIconList::Initialize(IconStore& store, const ProgramList& list, int size) {
  for (int n = ProgramList::kFirst; n <= ProgramList::kLast; ++n) {
    const ProgramEntry& entry = *list.At(n);
    const bool freeSlot = Trim(entry.Program).empty() && Trim(entry.Dir).empty();
    pictures_[static_cast<std::size_t>(n)] = freeSlot ? Picture() : store.LoadProgrIcon(n, entry, "", size).picture;
  }
}

Picture ProgramIconList::At(int n) const {
  return ProgramList::IsValidIndex(n) && n >= ProgramList::kFirst ? pictures_[static_cast<std::size_t>(n)] : Picture();
}

void ProgramIconList::Set(int n, Picture picture) {
  if (ProgramList::IsValidIndex(n) && n >= ProgramList::kFirst) pictures_[static_cast<std::size_t>(n)] = std::move(picture);
}

void ProgramIconList::Swap(int a, int b) {
  if (!ProgramList::IsValidIndex(a) || !ProgramList::IsValidIndex(b) || a < ProgramList::kFirst ||
      b < ProgramList::kFirst) {
    return;
  }
  std::swap(pictures_[static_cast<std::size_t>(a)], pictures_[static_cast<std::size_t>(b)]);
}

}  // namespace sequora::storage
