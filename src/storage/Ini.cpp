#include "storage/Ini.h"

#include "base/StringOps.h"
#include "storage/AtomicFile.h"
#include "storage/IniText.h"

namespace sequora::storage {

std::string Ini::ValueOrDefault(const std::optional<std::string>& value, const std::string& defaultValue) {
  if (!value) return defaultValue;
  // The value arrives in a buffer of blanks and ends with its terminator: trimming that buffer
  // drops the value's leading blanks (only quotes can keep them) but not its trailing ones.
  std::string text = TrimLeft(*value);
  return text.empty() ? defaultValue : text;
}

std::string Ini::ReadIni(const std::string& section, const std::string& key, const std::string& fileName,
                         const std::string& defaultValue, bool createIfMissing) {
  if (!fs_.FileExists(fileName)) {
    if (createIfMissing) CreateEmptyFile(fileName);
    return defaultValue;
  }
  auto text = fs_.ReadFile(MakeFullPath(fileName));
  if (!text) return defaultValue;
  return ValueOrDefault(LookupIniValue(*text, section, key), defaultValue);
}

bool Ini::WriteIni(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName, bool createIfMissing) {
  return WriteIniValues(section, {{key, value}}, fileName, createIfMissing);
}

bool Ini::WriteIniValues(const std::string& section,
                         const std::vector<std::pair<std::string, std::string>>& keyValues,
                         const std::string& fileName, bool createIfMissing) {
  const bool existed = fs_.FileExists(fileName);
  if (!existed && !createIfMissing) return false;
  const std::string path = MakeFullPath(fileName);
  std::string old;
  if (existed) {
    auto text = fs_.ReadFile(path);
    if (!text) return false;  // never replace what could not be read
    old = std::move(*text);
  }
  std::string text = old;
  for (const auto& [key, value] : keyValues) text = SetIniValue(text, section, key, value);
  if (existed && text == old) return true;
  // A missing file comes into being with its first key.
  return ReplaceFileAtomically(fs_, path, text);
}

IniSnapshot Ini::ReadSnapshot(const std::string& fileName, bool createIfMissing) {
  if (!fs_.FileExists(fileName)) {
    if (createIfMissing) CreateEmptyFile(fileName);
    return IniSnapshot();
  }
  auto text = fs_.ReadFile(MakeFullPath(fileName));
  return text ? IniSnapshot(*text) : IniSnapshot();
}

std::string Ini::MakeFullPath(const std::string& path) {
  if (path.find(':') != std::string::npos) return path;
  std::string folder = fs_.CurrentDirectory();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  std::string combined = folder + path;
  return fs_.FileExists(combined) ? combined : path;
}

bool Ini::CreateEmptyFile(const std::string& path) {
  if (fs_.Exists(path)) return fs_.FileExists(path);
  return fs_.WriteFile(path, "");
}

}  // namespace sequora::storage
