#include "autostart/Registry.h"

#include <algorithm>
#include <utility>

#include "base/StringOps.h"

namespace sequora::autostart {

namespace reg = platform::reg;

namespace {

// Owns one key handle: closes it on every way out. The root itself (what an empty sub-key path
// opens) is closed as well, which the registry allows and ignores.
class ScopedKey {
 public:
  explicit ScopedKey(platform::Registry& registry) : reg_(registry) {}
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() { Close(); }

  long Open(RegKey parent, const std::string& subKey) {
    Close();
    if (parent == 0) return reg::kInvalidHandle;
    return reg_.OpenKey(parent, subKey, key_);
  }
  long OpenForQuery(RegKey parent, const std::string& subKey) {
    Close();
    if (parent == 0) return reg::kInvalidHandle;
    return reg_.OpenKeyEx(parent, subKey, 0, reg::kQueryValue, key_);
  }
  long Create(RegKey parent, const std::string& subKey) {
    Close();
    if (parent == 0) return reg::kInvalidHandle;
    return reg_.CreateKey(parent, subKey, key_);
  }
  void Close() {
    if (key_ != 0) reg_.CloseKey(std::exchange(key_, 0));
  }
  RegKey Get() const { return key_; }

 private:
  platform::Registry& reg_;
  RegKey key_ = 0;
};

// Windows refuses value names of more than 16383 characters; a name buffer that size always fits.
constexpr std::uint32_t kMaxValueNameBuffer = 16384;
// A value that keeps growing while it is enumerated must not hold the enumeration forever.
constexpr int kMaxRetriesPerValue = 8;

std::string WithoutTrailingBackslash(std::string_view s) {
  if (!s.empty() && s.back() == '\\') s.remove_suffix(1);
  return std::string(s);
}

std::string TextBeforeZero(const char* data, size_t size) {
  return std::string(data, std::find(data, data + size, '\0'));
}

// Step 1 and 2 of the path readers: trimmed, one trailing backslash off, root split off.
std::pair<RegKey, std::string> SplitFullPath(std::string_view fullPath) {
  std::string path = WithoutTrailingBackslash(Trim(fullPath));
  size_t slash = path.find('\\');
  RegKey root = RootKeyFromFullName(std::string_view(path).substr(0, slash));
  std::string rest = slash == std::string::npos ? std::string() : path.substr(slash + 1);
  return {root, std::move(rest)};
}

}  // namespace

RegKey RootKeyFromName(std::string_view rootName) {
  static constexpr std::pair<std::string_view, RegKey> kShortNames[] = {
      {"classes_root", reg::kClassesRoot},     {"hkey_classes_root", reg::kClassesRoot},
      {"current_user", reg::kCurrentUser},     {"hkey_current_user", reg::kCurrentUser},
      {"local_machine", reg::kLocalMachine},   {"hkey_local_machine", reg::kLocalMachine},
      {"users", reg::kUsers},                  {"hkey_users", reg::kUsers},
      {"current_config", reg::kCurrentConfig}, {"hkey_current_config", reg::kCurrentConfig},
      {"dyn_data", reg::kDynData},             {"hkey_dyn_data", reg::kDynData},
  };
  std::string lower = ToLower(rootName);
  for (const auto& [name, key] : kShortNames) {
    if (lower == name) return key;
  }
  return 0;
}

RegKey RootKeyFromFullName(std::string_view rootName) {
  static constexpr std::pair<std::string_view, RegKey> kFullNames[] = {
      {"HKEY_CLASSES_ROOT", reg::kClassesRoot},         {"HKEY_CURRENT_USER", reg::kCurrentUser},
      {"HKEY_LOCAL_MACHINE", reg::kLocalMachine},       {"HKEY_USERS", reg::kUsers},
      {"HKEY_PERFORMANCE_DATA", reg::kPerformanceData}, {"HKEY_CURRENT_CONFIG", reg::kCurrentConfig},
      {"HKEY_DYN_DATA", reg::kDynData},
  };
  std::string upper = ToUpper(rootName);
  for (const auto& [name, key] : kFullNames) {
    if (upper == name) return key;
  }
  return 0;
}

void SetRegistryString(platform::Registry& reg, std::string_view rootName, std::string_view keyPath,
                       std::string_view valueName, std::string_view data) {
  (void)WriteRegistryText(reg, rootName, keyPath, valueName, data, reg::kTypeString);
}

bool WriteRegistryText(platform::Registry& reg, std::string_view rootName, std::string_view keyPath,
                       std::string_view valueName, std::string_view data, std::uint32_t type) {
  RegKey root = RootKeyFromName(rootName);
  ScopedKey key(reg);
  // Every ancestor level first; a backslash in the last position adds no empty level.
  for (size_t i = 0; i + 1 < keyPath.size(); ++i) {
    if (keyPath[i] == '\\') key.Create(root, std::string(keyPath.substr(0, i)));
  }
  std::string path = WithoutTrailingBackslash(keyPath);
  key.Create(root, path);
  if (key.Open(root, path) != reg::kSuccess) return false;
  std::vector<std::uint8_t> bytes(data.begin(), data.end());
  bytes.push_back(0);  // the terminating zero is stored
  return reg.SetValue(key.Get(), std::string(valueName), type, bytes) == reg::kSuccess;
}

std::string RegistryValue::Text() const {
  return TextBeforeZero(reinterpret_cast<const char*>(data.data()), data.size());
}

std::vector<RegistryValue> EnumRegistryValues(platform::Registry& reg, RegKey root,
                                              std::string_view keyPath) {
  std::vector<RegistryValue> values;
  ScopedKey key(reg);
  if (key.OpenForQuery(root, std::string(keyPath)) != reg::kSuccess) return values;
  std::vector<char> name(260);
  std::vector<std::uint8_t> data(4096);
  for (std::uint32_t index = 0;; ++index) {
    long rc = reg::kMoreData;
    std::uint32_t nameLength = 0, dataSize = 0, type = reg::kTypeNone;
    for (int attempt = 0; rc == reg::kMoreData && attempt < kMaxRetriesPerValue; ++attempt) {
      nameLength = static_cast<std::uint32_t>(name.size());
      dataSize = static_cast<std::uint32_t>(data.size());
      rc = reg.EnumValue(key.Get(), index, name, nameLength, &type, data, dataSize);
      if (rc != reg::kMoreData) break;
      if (dataSize > data.size()) {
        data.resize(dataSize);
      } else if (name.size() < kMaxValueNameBuffer) {
        name.resize(kMaxValueNameBuffer);
      } else {
        break;
      }
    }
    if (rc != reg::kSuccess) return values;
    values.push_back({std::string(name.data(), std::min<size_t>(nameLength, name.size())), type,
                      std::vector<std::uint8_t>(data.begin(), data.begin() + std::min<size_t>(dataSize, data.size()))});
  }
}

std::optional<RegistryValue> QueryRegistryValue(platform::Registry& reg, RegKey root,
                                                std::string_view keyPath, std::string_view valueName) {
  ScopedKey key(reg);
  if (key.OpenForQuery(root, std::string(keyPath)) != reg::kSuccess) return std::nullopt;
  RegistryValue value{std::string(valueName), reg::kTypeNone, {}};
  // The first call asks for the size only; a value that grows in between is asked again.
  for (int attempt = 0; attempt < kMaxRetriesPerValue; ++attempt) {
    const bool sizeOnly = value.data.empty();
    std::uint32_t size = static_cast<std::uint32_t>(value.data.size());
    long rc = reg.QueryValue(key.Get(), value.name, &value.type, value.data, size);
    if (rc != reg::kSuccess && rc != reg::kMoreData) return std::nullopt;
    const bool complete = rc == reg::kSuccess && (!sizeOnly || size == 0);
    value.data.resize(size);
    if (complete) return value;
  }
  return std::nullopt;
}

void DeleteRegistryValue(platform::Registry& reg, std::string_view rootName,
                         std::string_view keyPath, std::string_view valueName) {
  ScopedKey key(reg);
  if (key.Open(RootKeyFromName(rootName), WithoutTrailingBackslash(keyPath)) != reg::kSuccess) return;
  reg.DeleteValue(key.Get(), std::string(valueName));
}

std::vector<std::string> EnumKeyNames(platform::Registry& reg, RegKey root, std::string_view keyPath) {
  std::vector<std::string> names;
  ScopedKey key(reg);
  if (key.Open(root, std::string(keyPath)) != reg::kSuccess) return names;
  char name[255];  // key names have at most 255 characters; this holds 254 and the zero
  for (std::uint32_t index = 0;; ++index) {
    if (reg.EnumKey(key.Get(), index, name) != reg::kSuccess) break;
    names.push_back(TextBeforeZero(name, sizeof name));
  }
  for (std::string& valueName : EnumValueNames(reg, root, keyPath)) names.push_back(std::move(valueName));
  return names;
}

std::vector<std::string> EnumValueNames(platform::Registry& reg, RegKey root, std::string_view keyPath) {
  std::vector<std::string> names;
  ScopedKey key(reg);
  RegKey handle = root;
  if (!keyPath.empty()) {
    if (key.OpenForQuery(root, std::string(keyPath)) != reg::kSuccess) return names;
    handle = key.Get();
  }
  if (handle == 0) return names;
  std::vector<char> name(260);
  std::vector<std::uint8_t> data(4096);
  for (std::uint32_t index = 0;; ++index) {
    long rc = reg::kMoreData;
    std::uint32_t nameLength = 0;
    for (int attempt = 0; rc == reg::kMoreData && attempt < kMaxRetriesPerValue; ++attempt) {
      nameLength = static_cast<std::uint32_t>(name.size());
      std::uint32_t dataSize = static_cast<std::uint32_t>(data.size());
      rc = reg.EnumValue(handle, index, name, nameLength, nullptr, data, dataSize);
      if (rc != reg::kMoreData) break;
      if (dataSize > data.size()) {
        data.resize(dataSize);
      } else if (name.size() < kMaxValueNameBuffer) {
        name.resize(kMaxValueNameBuffer);  // the name did not fit, not the data
      } else {
        break;
      }
    }
    if (rc != reg::kSuccess) break;
    names.emplace_back(name.data(), std::min<size_t>(nameLength, name.size()));
  }
  return names;
}

std::string QueryRegistryString(platform::Registry& reg, RegKey root, std::string_view keyPath,
                                std::string_view valueName, std::string_view defaultValue) {
  std::string result(defaultValue);
  ScopedKey key(reg);
  if (key.Open(root, std::string(keyPath)) != reg::kSuccess) return result;
  std::string name(valueName);
  std::uint32_t size = 0;
  if (reg.QueryValue(key.Get(), name, nullptr, {}, size) != reg::kSuccess) return result;
  std::vector<std::uint8_t> buffer(size, ' ');
  std::uint32_t got = size;
  // A value that changed between the two calls reads as unreadable, not as blanks.
  if (reg.QueryValue(key.Get(), name, nullptr, buffer, got) != reg::kSuccess) return result;
  return TextBeforeZero(reinterpret_cast<const char*>(buffer.data()), std::min<size_t>(got, size));
}

std::string ReadRegistryPath(platform::Registry& reg, std::string_view fullPath) {
  auto [root, rest] = SplitFullPath(fullPath);
  std::string keyPath = rest;
  std::string valueName;
  if (size_t last = rest.rfind('\\'); last != std::string::npos) {
    keyPath = rest.substr(0, last);
    valueName = rest.substr(last + 1);
  }
  return QueryRegistryString(reg, root, keyPath, valueName, "");
}

std::vector<std::string> ListKeyNames(platform::Registry& reg, std::string_view fullKeyPath) {
  auto [root, keyPath] = SplitFullPath(fullKeyPath);
  return EnumKeyNames(reg, root, keyPath);
}

std::string CutCompletePathAndReturnRootString(std::string& registryAbsolutPath) {
  if (!registryAbsolutPath.empty() && registryAbsolutPath.back() == '\\') registryAbsolutPath.pop_back();
  size_t slash = registryAbsolutPath.find('\\');
  if (slash == std::string::npos) return std::exchange(registryAbsolutPath, std::string());
  std::string root = registryAbsolutPath.substr(0, slash);
  registryAbsolutPath.erase(0, slash + 1);
  return root;
}

AppSettings::AppSettings(platform::Registry& reg, platform::Dialogs& dialogs,
                         std::function<void()> endProgram, std::string title)
    : reg_(reg), dialogs_(dialogs), endProgram_(std::move(endProgram)), title_(std::move(title)) {}

bool AppSettings::TitleIsSet() {
  if (!Trim(title_).empty()) return true;
  dialogs_.MsgBox(
      "Der Programm-Name wurde nicht festgelegt\r"
      "(Wird f\xFCr Registry etc. ben\xF6tigt)\r"
      "Bitte die AppDefOps.Initialize - Funktion aufrufen!",
      std::string(kTitle), platform::msgbox::kOk);
  if (endProgram_) endProgram_();
  return false;
}

std::string AppSettings::KeyPath(std::string_view section) const {
  std::string path = "Software\\" + title_ + "\\" + std::string(section);
  return WithoutTrailingBackslash(path);
}

void AppSettings::SaveAppSetting(std::string_view section, std::string_view key, std::string_view value) {
  if (!TitleIsSet()) return;
  SetRegistryString(reg_, "HKEY_CURRENT_USER", KeyPath(section), key, value);
}

std::string AppSettings::GetAppSetting(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) {
  if (!TitleIsSet()) return std::string(defaultValue);
  std::string stored = QueryRegistryString(reg_, reg::kCurrentUser, KeyPath(section), key, "");
  if (stored.empty() && !defaultValue.empty()) return std::string(defaultValue);
  return stored;
}

}  // namespace sequora::autostart
