#pragma once
// Module Ini: every read and write of the settings file (and of the backup records) goes through
// ReadIni and WriteIni. The engine is our own (IniText.h) and behaves like the Windows profile
// functions, except that every write replaces the file atomically, so the file is never torn.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"
#include "storage/IniSnapshot.h"

namespace sequora::storage {

class Ini {
 public:
  explicit Ini(platform::FileSystem& fs) : fs_(fs) {}

  // The value of `key` in `section`, or `defaultValue` when the file, section or key is missing or
  // the value is empty or blanks only (so an empty string cannot be read back over a non-empty
  // default). A missing file is created empty when `createIfMissing` is set.
  std::string ReadIni(const std::string& section, const std::string& key, const std::string& fileName,
                      const std::string& defaultValue, bool createIfMissing);

  // Writes `value` exactly as given. A missing file is created when `createIfMissing` is set;
  // without it nothing is written and the result is false. False also when the file could not be
  // read or replaced; the old file is then intact.
  bool WriteIni(const std::string& section, const std::string& key, const std::string& value,
                const std::string& fileName, bool createIfMissing);

  // Several keys of one section in one replacement of the file: the result is the file that the
  // same WriteIni calls in this order would give, but a crash leaves all of them or none.
  bool WriteIniValues(const std::string& section,
                      const std::vector<std::pair<std::string, std::string>>& keyValues,
                      const std::string& fileName, bool createIfMissing);

  // One read of the file for many lookups; reads as ReadIni would (a missing file is created
  // empty when `createIfMissing` is set, and every key then reads as its default).
  IniSnapshot ReadSnapshot(const std::string& fileName, bool createIfMissing);

  // A path with a colon stays; otherwise the current folder is put in front when a file exists
  // there under that name.
  std::string MakeFullPath(const std::string& path);

  // Makes a file of length 0 where none exists (an existing file is left alone). False when it
  // could not be made.
  bool CreateEmptyFile(const std::string& path);

  // ReadIni's last step: the value as the read buffer was trimmed, or the default when empty.
  static std::string ValueOrDefault(const std::optional<std::string>& value,
                                    const std::string& defaultValue);

 private:
  platform::FileSystem& fs_;
};

}  // namespace sequora::storage
