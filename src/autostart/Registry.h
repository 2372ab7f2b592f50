#pragma once
// Module Registry: a text-addressed view of the Windows registry. Callers never hold key
// handles: each operation takes the key as text, opens what it needs, does one job and closes
// again (every key is owned by a ScopedKey, so it is closed on every way out). Failed platform
// calls are not reported: a failed open makes the rest fail quietly, an enumeration ends at its
// first failure, a failed query gives the default, a failed write or delete leaves the registry
// as it was. Callers that need certainty read the value back.
//
// Paths are ANSI text: a root name, a backslash, the key path with backslashes between levels,
// for a value a backslash and the value name. Two root-name tables exist on purpose:
//   - RootKeyFromName (write and delete): lower-cased "current_user" or "hkey_current_user" etc.,
//     no performance-data root;
//   - the path readers (ReadRegistryPath, ListKeyNames): the first path segment upper-cased
//     against the seven full names, HKEY_PERFORMANCE_DATA included.
// An unknown root gives the handle 0, on which every platform call fails.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/Registry.h"

namespace sequora::autostart {

using platform::RegKey;

// Root handle from the short-name table; 0 for any other name.
RegKey RootKeyFromName(std::string_view rootName);
// Root handle from the full-name table (upper-cased comparison); 0 for any other name.
RegKey RootKeyFromFullName(std::string_view rootName);

// Creates the key chain (ancestors first) and writes `data` as REG_SZ with its terminating zero.
void SetRegistryString(platform::Registry& reg, std::string_view rootName, std::string_view keyPath,
                       std::string_view valueName, std::string_view data);
void DeleteRegistryValue(platform::Registry& reg, std::string_view rootName,
                         std::string_view keyPath, std::string_view valueName);

// All sub-key names in index order, then all value names; empty when the key does not open.
std::vector<std::string> EnumKeyNames(platform::Registry& reg, RegKey root, std::string_view keyPath);
// Value names in index order; an empty key path enumerates the root itself.
std::vector<std::string> EnumValueNames(platform::Registry& reg, RegKey root, std::string_view keyPath);

// The value's bytes up to the first zero, whatever its type (an expandable string comes back
// unexpanded, a number as its raw bytes); `defaultValue` when the key or value cannot be read.
std::string QueryRegistryString(platform::Registry& reg, RegKey root, std::string_view keyPath,
                                std::string_view valueName, std::string_view defaultValue);

// A full value path ("HKEY_CURRENT_USER\Software\...\Run\Name") read as text; "" when unreadable.
// One trailing backslash is ignored; the value name is what follows the last backslash.
std::string ReadRegistryPath(platform::Registry& reg, std::string_view fullPath);
// EnumKeyNames of a full key path.
std::vector<std::string> ListKeyNames(platform::Registry& reg, std::string_view fullKeyPath);

// A value with its type, as stored: the bytes of a string value include its terminating zero.
struct RegistryValue {
  std::string name;
  std::uint32_t type = platform::reg::kTypeNone;
  std::vector<std::uint8_t> data;

  bool IsText() const {
    return type == platform::reg::kTypeString || type == platform::reg::kTypeExpandString;
  }
  // The bytes up to the first zero.
  std::string Text() const;
};

// Every value of a key with type and data, in index order, up to the first failing index; empty
// when the key does not open.
std::vector<RegistryValue> EnumRegistryValues(platform::Registry& reg, RegKey root,
                                              std::string_view keyPath);
// One value with its type; nullopt when the key or value cannot be read.
std::optional<RegistryValue> QueryRegistryValue(platform::Registry& reg, RegKey root,
                                                std::string_view keyPath, std::string_view valueName);

// SetRegistryString with a chosen string type (REG_SZ or REG_EXPAND_SZ); false when the value
// could not be written.
bool WriteRegistryText(platform::Registry& reg, std::string_view rootName, std::string_view keyPath,
                       std::string_view valueName, std::string_view data, std::uint32_t type);

// Splits a full registry path in place: removes one trailing backslash, returns the text before
// the first backslash (the root name) and leaves the text after it in `registryAbsolutPath`.
// A path without a backslash is all root: it is returned and the argument becomes "".
// Pure path text, so it lives here beside the path readers although the import window owns it.
std::string CutCompletePathAndReturnRootString(std::string& registryAbsolutPath);

// The per-user application settings: HKEY_CURRENT_USER\Software\<title>\<section>, one REG_SZ
// value per key. A section with or without a trailing backslash names the same key.
class AppSettings {
 public:
  static constexpr std::string_view kTitle = "Sequora";

  // `endProgram` is called after the blank-title message; the program must end then.
  AppSettings(platform::Registry& reg, platform::Dialogs& dialogs,
              std::function<void()> endProgram, std::string title = std::string(kTitle));

  void SaveAppSetting(std::string_view section, std::string_view key, std::string_view value);
  // The stored text; `defaultValue` when nothing (or an empty text) is stored.
  std::string GetAppSetting(std::string_view section, std::string_view key,
                            std::string_view defaultValue);

 private:
  bool TitleIsSet();
  std::string KeyPath(std::string_view section) const;

  platform::Registry& reg_;
  platform::Dialogs& dialogs_;
  std::function<void()> endProgram_;
  std::string title_;
};

}  // namespace sequora::autostart
