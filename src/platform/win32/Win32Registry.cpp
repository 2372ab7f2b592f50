#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <algorithm>

namespace sequora::platform::win32 {

namespace {

// The predefined roots travel as their 32-bit numbers; on 64-bit Windows the HKEY constants are
// those numbers sign-extended, so they are mapped explicitly. Other handles pass through as-is.
HKEY ToHkey(RegKey key) {
  switch (key) {
    case reg::kClassesRoot: return HKEY_CLASSES_ROOT;
    case reg::kCurrentUser: return HKEY_CURRENT_USER;
    case reg::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case reg::kUsers: return HKEY_USERS;
    case reg::kPerformanceData: return HKEY_PERFORMANCE_DATA;
    case reg::kCurrentConfig: return HKEY_CURRENT_CONFIG;
    case reg::kDynData: return HKEY_DYN_DATA;
    default: return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
  }
}

RegKey FromHkey(HKEY key) {
  for (RegKey root = reg::kClassesRoot; root <= reg::kDynData; ++root) {
    if (ToHkey(root) == key) return root;
  }
  return static_cast<RegKey>(reinterpret_cast<ULONG_PTR>(key));
}

long Opened(LONG rc, const HKEY& h, RegKey& result) {
  result = rc == ERROR_SUCCESS ? FromHkey(h) : 0;
  return rc;
}

BYTE* DataOrNull(std::span<std::uint8_t> data) { return data.empty() ? nullptr : data.data(); }

}  // namespace

long Win32Registry::OpenKey(RegKey parent, const std::string& subKey, RegKey& result) {
  HKEY h = nullptr;
  LONG rc = ::RegOpenKeyA(ToHkey(parent), subKey.c_str(), &h);
  return Opened(rc, h, result);
}

long Win32Registry::OpenKeyEx(RegKey parent, const std::string& subKey, std::uint32_t options,
                              std::uint32_t access, RegKey& result) {
  HKEY h = nullptr;
  LONG rc = ::RegOpenKeyExA(ToHkey(parent), subKey.c_str(), options, access, &h);
  return Opened(rc, h, result);
}

long Win32Registry::CreateKey(RegKey parent, const std::string& subKey, RegKey& result) {
  HKEY h = nullptr;
  LONG rc = ::RegCreateKeyA(ToHkey(parent), subKey.c_str(), &h);
  return Opened(rc, h, result);
}

long Win32Registry::EnumKey(RegKey key, std::uint32_t index, std::span<char> name) {
  if (name.empty()) return ERROR_INVALID_PARAMETER;
  return ::RegEnumKeyA(ToHkey(key), index, name.data(), static_cast<DWORD>(name.size()));
}

long Win32Registry::EnumValue(RegKey key, std::uint32_t index, std::span<char> name,
                              std::uint32_t& nameLength, std::uint32_t* type,
                              std::span<std::uint8_t> data, std::uint32_t& dataSize) {
  if (name.empty()) return ERROR_INVALID_PARAMETER;
  DWORD nameChars = std::min<DWORD>(nameLength, static_cast<DWORD>(name.size()));
  DWORD bytes = data.empty() ? 0 : std::min<DWORD>(dataSize, static_cast<DWORD>(data.size()));
  DWORD valueType = 0;
  LONG rc = ::RegEnumValueA(ToHkey(key), index, name.data(), &nameChars, nullptr, &valueType,
                            DataOrNull(data), &bytes);
  nameLength = nameChars;
  dataSize = bytes;
  if (type) *type = valueType;
  return rc;
}

long Win32Registry::QueryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                               std::span<std::uint8_t> data, std::uint32_t& dataSize) {
  DWORD bytes = data.empty() ? 0 : std::min<DWORD>(dataSize, static_cast<DWORD>(data.size()));
  DWORD valueType = 0;
  LONG rc = ::RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType,
                               DataOrNull(data), &bytes);
  dataSize = bytes;
  if (type) *type = valueType;
  return rc;
}

long Win32Registry::SetValue(RegKey key, const std::string& valueName, std::uint32_t type,
                             std::span<const std::uint8_t> data) {
  return ::RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data.data(),
                          static_cast<DWORD>(data.size()));
}

long Win32Registry::DeleteValue(RegKey key, const std::string& valueName) {
  return ::RegDeleteValueA(ToHkey(key), valueName.c_str());
}

long Win32Registry::CloseKey(RegKey key) {
  if (reg::IsRoot(key)) return ERROR_SUCCESS;  // the predefined roots stay usable
  return ::RegCloseKey(ToHkey(key));
}

}  // namespace sequora::platform::win32
