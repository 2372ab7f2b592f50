#pragma once
// Module Ini: every read and write of the settings file (and of the backup records) goes through
// ReadIni and WriteValue. The engine is our own (IniText.h) and reads like the Windows profile
// functions; every write replaces the file atomically, so the file is never torn, and every value
// written reads back as it was given (without its surrounding blanks).
//
// A read never writes: a missing file reads as every default and stays missing. A file comes into
// being only through a write, and only where no file is (create-new), so a passing failure of an
// existence test can never truncate one.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "storage/IniSnapshot.h"

namespace sequora::storage {

// What a write did.
enum class [[nodiscard]] IniWrite {
  Written,  // the file holds the value(s) now
  Refused,  // a section, key or value that no line can hold (a line break, for one; IniCanStore)
  NoFile,   // no file there, and creating one was not asked for
  Failed,   // the file could not be read, created or replaced; it is as it was
};

class Ini {
 public:
  explicit Ini(platform::FileSystem& fs) : fs_(fs) {}

  // The value of `key` in `section`, whole, or `defaultValue` when the file, section or key is
  // missing, the file cannot be read, or the value is empty or blanks only (so an empty string
  // cannot be read back over a non-empty default).
  std::string ReadIni(const std::string& section, const std::string& key, const std::string& fileName,
                      const std::string& defaultValue);
  // The same; `createIfMissing` is ignored, since a read never writes. Kept for its callers.
  std::string ReadIni(const std::string& section, const std::string& key, const std::string& fileName,
                      const std::string& defaultValue, bool createIfMissing);

  // Writes `value` so that reading it back gives `value` without its surrounding blanks. A missing
  // file is created with the key when `createIfMissing` is set.
  IniWrite WriteValue(const std::string& section, const std::string& key, const std::string& value,
                      const std::string& fileName, bool createIfMissing);
  // Several keys of one section in one replacement of the file: the result is the file that the
  // same WriteValue calls in this order would give, but a crash leaves all of them or none. One
  // refused pair refuses all.
  IniWrite WriteValues(const std::string& section,
                       const std::vector<std::pair<std::string, std::string>>& keyValues,
                       const std::string& fileName, bool createIfMissing);
  // WriteValue and WriteValues as a yes/no (true when written), for callers that have not moved
  // to the checked forms yet.
  bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
                const std::string& fileName, bool createIfMissing);
  bool WriteIniValues(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& keyValues,
                      const std::string& fileName, bool createIfMissing);

  // One read of the file for many lookups, answering as ReadIni would. A missing file gives an
  // empty snapshot; nullopt means a file is there but could not be read, which a caller must not
  // take for an empty one.
  [[nodiscard]] std::optional<IniSnapshot> ReadSnapshot(const std::string& fileName);

  // A path with a colon stays; otherwise the current folder is put in front when a file exists
  // there under that name.
  std::string MakeFullPath(const std::string& path);

  // Makes a file of length 0 where nothing exists (create-new: an existing file is never
  // touched). True when a file is there afterwards.
  [[nodiscard]] bool CreateEmptyFile(const std::string& path);

  // ReadIni's last step: the value with its leading blanks trimmed, or the default when empty.
  static std::string ValueOrDefault(const std::optional<std::string>& value,
                                    const std::string& defaultValue);

 private:
  platform::FileSystem& fs_;
};

}  // namespace sequora::storage
