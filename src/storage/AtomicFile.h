#pragma once
// Replacing a file so that a crash or power cut at any moment leaves either the old or the new
// content whole: the data goes to a temporary file beside the target, which is then renamed over
// it in one step.
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace sequora::storage {

// The temporary file used while `path` is replaced (a crash may leave it behind; the next write
// reuses it).
std::string TemporaryPathFor(const std::string& path);

// True when `path` now holds exactly `data`. On failure the old file is untouched and the
// temporary file is removed where possible.
bool ReplaceFileAtomically(platform::FileSystem& fs, const std::string& path, std::string_view data);

}  // namespace sequora::storage
