#include "storage/IniSnapshot.h"

#include "base/StringOps.h"
#include "storage/Ini.h"
#include "storage/IniText.h"

namespace sequora::storage {

IniSnapshot::IniSnapshot(std::string_view text) {
  IniLineReader reader(text);
  IniLine line;
  Keys* current = nullptr;  // null outside a section and in a repeated copy of one
  while (reader.Next(line)) {
    if (line.kind == IniLine::Kind::Section) {
      auto [it, fresh] = sections_.try_emplace(ToUpper(line.name));
      current = fresh ? &it->second : nullptr;
    } else if (current && line.kind == IniLine::Kind::Key) {
      current->try_emplace(ToUpper(line.name), IniValueAsRead(line.value));
    }
  }
}

std::optional<std::string> IniSnapshot::Lookup(std::string_view section, std::string_view key) const {
  auto s = sections_.find(ToUpper(TrimIniSection(section)));
  if (s == sections_.end()) return std::nullopt;
  auto k = s->second.find(ToUpper(TrimIniBlanks(key)));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::string IniSnapshot::ReadIni(std::string_view section, std::string_view key,
                                 const std::string& defaultValue) const {
  return Ini::ValueOrDefault(Lookup(section, key), defaultValue);
}

}  // namespace sequora::storage
