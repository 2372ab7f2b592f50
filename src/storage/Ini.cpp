#include "storage/Ini.h"

#include "base/StringOps.h"
#include "storage/AtomicFile.h"
#include "storage/IniText.h"

namespace sequora::storage {

std::string Ini::ValueOrDefault(const std::optional<std::string>& value, const std::string& defaultValue) {
  if (!value) return defaultValue;
  // The profile functions hand the value over in a buffer of blanks that is then trimmed: its
  // leading blanks go (only quotes can keep them), its trailing ones stay before the terminator.
  std::string text = TrimLeft(*value);
  return text.empty() ? defaultValue : text;
}

std::string Ini::ReadIni(const std::string& section, const std::string& key, const std::string& fileName,
                         const std::string& defaultValue) {
  auto text = fs_.ReadFile(MakeFullPath(fileName));
  if (!text) return defaultValue;
  return ValueOrDefault(LookupIniValue(*text, section, key), defaultValue);
}

std::string Ini::ReadIni(const std::string& section, const std::string& key, const std::string& fileName,
                         const std::string& defaultValue, bool /*createIfMissing*/) {
  return ReadIni(section, key, fileName, defaultValue);
}

IniWrite Ini::WriteValue(const std::string& section, const std::string& key, const std::string& value,
                         const std::string& fileName, bool createIfMissing) {
  return WriteValues(section, {{key, value}}, fileName, createIfMissing);
}

IniWrite Ini::WriteValues(const std::string& section,
                          const std::vector<std::pair<std::string, std::string>>& keyValues,
                          const std::string& fileName, bool createIfMissing) {
  for (const auto& [key, value] : keyValues) {
    if (!IniCanStore(section, key, value)) return IniWrite::Refused;
  }
  if (keyValues.empty()) return IniWrite::Written;  // nothing to write: no file made, none touched
  auto apply = [&](std::string text) {
    for (const auto& [key, value] : keyValues) text = *SetIniValue(text, section, key, value);
    return text;
  };
  const std::string path = MakeFullPath(fileName);
  // Twice at most: a file that appears between the read and the creation is then edited.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (auto old = fs_.ReadFile(path)) {
      const std::string text = apply(*old);
      if (text == *old) return IniWrite::Written;
      return ReplaceFileAtomically(fs_, path, text) ? IniWrite::Written : IniWrite::Failed;
    }
    if (fs_.Exists(path)) return IniWrite::Failed;  // there but unreadable: never replaced blind
    if (!createIfMissing) return IniWrite::NoFile;
    switch (fs_.CreateNewFile(path, apply(""))) {
      case platform::FileCreation::Created: return IniWrite::Written;
      case platform::FileCreation::Failed: return IniWrite::Failed;
      case platform::FileCreation::AlreadyExists: break;
    }
  }
  return IniWrite::Failed;
}

bool Ini::WriteIni(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName, bool createIfMissing) {
  return WriteValue(section, key, value, fileName, createIfMissing) == IniWrite::Written;
}

bool Ini::WriteIniValues(const std::string& section,
                         const std::vector<std::pair<std::string, std::string>>& keyValues,
                         const std::string& fileName, bool createIfMissing) {
  return WriteValues(section, keyValues, fileName, createIfMissing) == IniWrite::Written;
}

std::optional<IniSnapshot> Ini::ReadSnapshot(const std::string& fileName) {
  const std::string path = MakeFullPath(fileName);
  if (auto text = fs_.ReadFile(path)) return IniSnapshot(*text);
  if (fs_.Exists(path)) return std::nullopt;
  return IniSnapshot();
}

std::string Ini::MakeFullPath(const std::string& path) {
  if (path.find(':') != std::string::npos) return path;
  std::string folder = fs_.CurrentDirectory();
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  std::string combined = folder + path;
  return fs_.FileExists(combined) ? combined : path;
}

bool Ini::CreateEmptyFile(const std::string& path) {
  switch (fs_.CreateNewFile(path, "")) {
    case platform::FileCreation::Created: return true;
    case platform::FileCreation::AlreadyExists: return fs_.FileExists(path);
    case platform::FileCreation::Failed: return false;
  }
  return false;
}

}  // namespace sequora::storage
