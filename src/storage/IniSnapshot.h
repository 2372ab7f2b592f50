#pragma once
// One read of an INI file answering many lookups, for bulk loads such as the 101-entry program
// list. Every answer equals what a key-by-key read of the same text gives (Ini::ReadIni).
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sequora::storage {

class IniSnapshot {
 public:
  IniSnapshot() = default;  // an empty (or missing) file
  explicit IniSnapshot(std::string_view text);

  // What GetPrivateProfileStringA hands over; nullopt when the section or key is missing.
  std::optional<std::string> Lookup(std::string_view section, std::string_view key) const;
  // What Ini::ReadIni returns for the same file.
  std::string ReadIni(std::string_view section, std::string_view key,
                      const std::string& defaultValue) const;

 private:
  using Keys = std::unordered_map<std::string, std::string>;  // upper-cased key -> value as read
  std::unordered_map<std::string, Keys> sections_;            // upper-cased name -> keys
};

}  // namespace sequora::storage
