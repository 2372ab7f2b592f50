#pragma once
#include "platform/Registry.h"

namespace sequora::platform::win32 {

// Registry on the A-variant registry calls of Windows. Keys are opened in the process's own view
// (the 64-bit view for sequora.exe); the 32-bit view is reached through its Wow6432Node paths.
class Win32Registry : public Registry {
 public:
  long OpenKey(RegKey parent, const std::string& subKey, RegKey& result) override;
  long OpenKeyEx(RegKey parent, const std::string& subKey, std::uint32_t options,
                 std::uint32_t access, RegKey& result) override;
  long CreateKey(RegKey parent, const std::string& subKey, RegKey& result) override;
  long EnumKey(RegKey key, std::uint32_t index, std::span<char> name) override;
  long EnumValue(RegKey key, std::uint32_t index, std::span<char> name, std::uint32_t& nameLength,
                 std::uint32_t* type, std::span<std::uint8_t> data, std::uint32_t& dataSize) override;
  long QueryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                  std::span<std::uint8_t> data, std::uint32_t& dataSize) override;
  long SetValue(RegKey key, const std::string& valueName, std::uint32_t type,
                std::span<const std::uint8_t> data) override;
  long DeleteValue(RegKey key, const std::string& valueName) override;
  long CloseKey(RegKey key) override;
};

}  // namespace sequora::platform::win32
