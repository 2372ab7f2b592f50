#include "storage/AtomicFile.h"

namespace sequora::storage {

std::string TemporaryPathFor(const std::string& path) { return path + ".tmp"; }

bool ReplaceFileAtomically(platform::FileSystem& fs, const std::string& path, std::string_view data) {
  const std::string temporary = TemporaryPathFor(path);
  if (fs.WriteFile(temporary, data) && fs.RenameOver(temporary, path)) return true;
  fs.RemoveFile(temporary);
  return false;
}

}  // namespace sequora::storage
