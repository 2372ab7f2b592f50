#pragma once
// The Windows registry, call for call as the A-variant functions behave (RegOpenKeyA,
// RegOpenKeyExA, RegCreateKeyA, RegEnumKeyA, RegEnumValueA, RegQueryValueExA, RegSetValueExA,
// RegDeleteValueA, RegCloseKey): same arguments, same result codes, same buffer rules, so the
// text-addressed layer above (autostart/Registry) behaves alike on the real registry and on the
// fake. Nothing throws. Win32: platform/win32/Win32Registry; tests: platform/fake/FakeRegistry.
//
// Key handles are plain numbers. The predefined roots have the fixed values below (the 32-bit
// values of HKEY_CLASSES_ROOT ... HKEY_DYN_DATA); 0 is no key, and every call on it fails.
#include <cstdint>
#include <span>
#include <string>

namespace sequora::platform {

using RegKey = std::uint64_t;

namespace reg {
inline constexpr RegKey kClassesRoot = 0x80000000;
inline constexpr RegKey kCurrentUser = 0x80000001;
inline constexpr RegKey kLocalMachine = 0x80000002;
inline constexpr RegKey kUsers = 0x80000003;
inline constexpr RegKey kPerformanceData = 0x80000004;
inline constexpr RegKey kCurrentConfig = 0x80000005;
inline constexpr RegKey kDynData = 0x80000006;
inline constexpr bool IsRoot(RegKey k) { return k >= kClassesRoot && k <= kDynData; }

// Result codes (Win32 error numbers).
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kInvalidParameter = 87;
inline constexpr long kMoreData = 234;
inline constexpr long kNoMoreItems = 259;

// Value types.
inline constexpr std::uint32_t kTypeNone = 0;
inline constexpr std::uint32_t kTypeString = 1;        // REG_SZ
inline constexpr std::uint32_t kTypeExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kTypeBinary = 3;        // REG_BINARY
inline constexpr std::uint32_t kTypeDword = 4;         // REG_DWORD
inline constexpr std::uint32_t kTypeMultiString = 7;   // REG_MULTI_SZ

// Access right of OpenKeyEx.
inline constexpr std::uint32_t kQueryValue = 1;  // KEY_QUERY_VALUE
}  // namespace reg

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyA: opens an existing key below `parent` for reading and writing. An empty sub-key
  // hands back `parent` itself. A trailing backslash is ignored.
  virtual long OpenKey(RegKey parent, const std::string& subKey, RegKey& result) = 0;
  // RegOpenKeyExA with options and access mask (reg::kQueryValue).
  virtual long OpenKeyEx(RegKey parent, const std::string& subKey, std::uint32_t options,
                         std::uint32_t access, RegKey& result) = 0;
  // RegCreateKeyA: creates the key and every missing level above it, or opens it when it exists.
  virtual long CreateKey(RegKey parent, const std::string& subKey, RegKey& result) = 0;
  // RegEnumKeyA: the name of the sub-key at `index` into `name` with its terminating zero;
  // kMoreData when it does not fit, kNoMoreItems past the end.
  virtual long EnumKey(RegKey key, std::uint32_t index, std::span<char> name) = 0;
  // RegEnumValueA. In: `nameLength` = capacity of `name` in characters (with the zero),
  // `dataSize` = capacity of `data` in bytes (`data` may be empty: size only). Out: the name's
  // length without the zero, the type, the data's size. kMoreData when the name or the data does
  // not fit (`dataSize` then holds the size needed), kNoMoreItems past the end.
  virtual long EnumValue(RegKey key, std::uint32_t index, std::span<char> name,
                         std::uint32_t& nameLength, std::uint32_t* type, std::span<std::uint8_t> data,
                         std::uint32_t& dataSize) = 0;
  // RegQueryValueExA: with empty `data` only the size (and type) is reported; otherwise the data
  // is copied when it fits (kMoreData and the size needed when not). "" is the default value.
  virtual long QueryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                          std::span<std::uint8_t> data, std::uint32_t& dataSize) = 0;
  // RegSetValueExA: stores `data` with `type` under `valueName`, replacing value and type.
  virtual long SetValue(RegKey key, const std::string& valueName, std::uint32_t type,
                        std::span<const std::uint8_t> data) = 0;
  // RegDeleteValueA.
  virtual long DeleteValue(RegKey key, const std::string& valueName) = 0;
  // RegCloseKey. Closing a predefined root succeeds and changes nothing.
  virtual long CloseKey(RegKey key) = 0;
};

}  // namespace sequora::platform
