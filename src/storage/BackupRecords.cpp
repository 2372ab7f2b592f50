#include "storage/BackupRecords.h"

#include <array>

#include "base/StringOps.h"
#include "platform/Registry.h"
#include "storage/Ini.h"
#include "storage/IniText.h"
#include "storage/SettingsFile.h"

namespace sequora::storage {

namespace {

std::string ShortcutDirKey(int n) { return "AutoStart" + std::to_string(n) + "BackupDir"; }
std::string ShortcutNameKey(int n) { return "AutoStart" + std::to_string(n) + "BackupFilename"; }
std::string RegistryPathKey(int n) { return "Registry" + std::to_string(n) + "Backup"; }
std::string RegistryValueKey(int n) { return "Registry" + std::to_string(n) + "BackupValue"; }
std::string RegistryTypeKey(int n) { return "Registry" + std::to_string(n) + "BackupType"; }

enum Field { kDir, kFilename, kPath, kValue, kType, kFieldCount };

// Slot and field of a record key ("AutoStart12BackupDir", letter case ignored); the number is
// decimal without leading zeros, as the keys are written, so "Registry05Backup" is no record key.
std::optional<std::pair<int, Field>> RecordKey(std::string_view name) {
  const std::string upper = ToUpper(name);
  std::string_view rest = upper;
  bool shortcut = false;
  if (rest.starts_with("AUTOSTART")) {
    shortcut = true;
    rest.remove_prefix(9);
  } else if (rest.starts_with("REGISTRY")) {
    rest.remove_prefix(8);
  } else {
    return std::nullopt;
  }
  size_t digits = 0;
  while (digits < rest.size() && digits < 4 && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
  if (digits == 0 || rest[0] == '0') return std::nullopt;
  const int slot = std::stoi(std::string(rest.substr(0, digits)));
  if (slot > kBackupSlots) return std::nullopt;
  rest.remove_prefix(digits);
  if (shortcut) {
    if (rest == "BACKUPDIR") return std::pair{slot, kDir};
    if (rest == "BACKUPFILENAME") return std::pair{slot, kFilename};
  } else {
    if (rest == "BACKUP") return std::pair{slot, kPath};
    if (rest == "BACKUPVALUE") return std::pair{slot, kValue};
    if (rest == "BACKUPTYPE") return std::pair{slot, kType};
  }
  return std::nullopt;
}

// The record fields of the first copy of section Backup, the first copy of each key winning (as
// the profile functions read), values as stored: trimmed, quotes kept, no length limit.
using SlotFields = std::array<std::optional<std::string>, kFieldCount>;
std::vector<SlotFields> RecordFieldsOf(std::string_view text) {
  std::vector<SlotFields> slots(kBackupSlots + 1);
  IniLineReader reader(text);
  IniLine line;
  bool seen = false, inside = false;
  while (reader.Next(line)) {
    if (line.kind == IniLine::Kind::Section) {
      inside = !seen && IniNamesEqual(line.name, section::kBackup);
      seen = seen || inside;
    } else if (inside && line.kind == IniLine::Kind::Key) {
      if (auto key = RecordKey(line.name)) {
        auto& field = slots[static_cast<size_t>(key->first)][key->second];
        if (!field) field = std::string(line.value);
      }
    }
  }
  return slots;
}

}  // namespace

int BackupRecordSet::FirstFreeShortcutSlot() const {
  for (int n = 1; n <= kBackupSlots; ++n)
    if (!shortcutSlotUsed[static_cast<size_t>(n)]) return n;
  return 0;
}

int BackupRecordSet::FirstFreeRegistrySlot() const {
  for (int n = 1; n <= kBackupSlots; ++n)
    if (!registrySlotUsed[static_cast<size_t>(n)]) return n;
  return 0;
}

int BackupRecordSet::RegistrySlotFor(std::string_view path, std::string_view value) const {
  for (const RegistryBackupRecord& r : registry)
    if (EqualsNoCase(r.path, path) && r.value == value) return r.slot;
  return FirstFreeRegistrySlot();
}

bool BackupRecordSet::BackupNameRecorded(std::string_view backupName) const {
  for (const ShortcutBackupRecord& r : shortcuts)
    if (EqualsNoCase(r.backupName, backupName)) return true;
  return false;
}

bool HasVariableReference(std::string_view text) {
  for (size_t open = text.find('%'); open != std::string_view::npos; open = text.find('%', open + 1)) {
    size_t close = text.find('%', open + 1);
    if (close == std::string_view::npos) return false;
    std::string_view name = text.substr(open + 1, close - open - 1);
    if (!name.empty() && name.find_first_of(" \t") == std::string_view::npos) return true;
  }
  return false;
}

bool CanStoreInRecord(std::string_view text) {
  if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return text.empty() || (!blank(text.front()) && !blank(text.back()));
}

std::optional<std::uint32_t> ParseBackupType(std::string_view text) {
  std::string t = ToUpper(Trim(text));
  if (t == "REG_SZ" || t == "1") return platform::reg::kTypeString;
  if (t == "REG_EXPAND_SZ" || t == "2") return platform::reg::kTypeExpandString;
  return std::nullopt;
}

BackupRecords::BackupRecords(platform::FileSystem& fs, std::string iniPath)
    : fs_(fs), iniPath_(std::move(iniPath)) {}

std::optional<BackupRecordSet> BackupRecords::Load() {
  BackupRecordSet set;
  if (!fs_.FileExists(iniPath_)) return set;
  auto text = fs_.ReadFile(iniPath_);
  if (!text) return std::nullopt;
  const auto fields = RecordFieldsOf(*text);
  for (int n = 1; n <= kBackupSlots; ++n) {
    const SlotFields& f = fields[static_cast<size_t>(n)];
    auto get = [&](Field which) { return f[which].value_or(std::string()); };
    ShortcutBackupRecord s{n, get(kDir), get(kFilename)};
    set.shortcutSlotUsed[static_cast<size_t>(n)] = !s.sourcePath.empty() || !s.backupName.empty();
    if (!s.sourcePath.empty()) set.shortcuts.push_back(std::move(s));

    RegistryBackupRecord r;
    r.slot = n;
    r.path = get(kPath);
    if (r.path.empty()) continue;
    set.registrySlotUsed[static_cast<size_t>(n)] = true;
    r.value = get(kValue);
    auto type = ParseBackupType(get(kType));
    r.typeStored = type.has_value();
    r.type = type ? *type
                  : (HasVariableReference(r.value) ? platform::reg::kTypeExpandString : platform::reg::kTypeString);
    set.registry.push_back(std::move(r));
  }
  return set;
}

bool BackupRecords::Write(const std::vector<std::pair<std::string, std::string>>& keyValues) {
  Ini ini(fs_);
  return ini.WriteIniValues(section::kBackup, keyValues, iniPath_, true);
}

bool BackupRecords::WriteShortcut(int slot, const std::string& sourcePath, const std::string& backupName) {
  return Write({{ShortcutDirKey(slot), sourcePath}, {ShortcutNameKey(slot), backupName}});
}

bool BackupRecords::ClearShortcut(int slot) { return WriteShortcut(slot, "", ""); }

bool BackupRecords::WriteRegistry(int slot, const std::string& path, const std::string& value, std::uint32_t type) {
  return Write({{RegistryPathKey(slot), path},
                {RegistryValueKey(slot), value},
                {RegistryTypeKey(slot), type == platform::reg::kTypeExpandString ? "REG_EXPAND_SZ" : "REG_SZ"}});
}

bool BackupRecords::ClearRegistry(int slot) {
  return Write({{RegistryPathKey(slot), ""}, {RegistryValueKey(slot), ""}, {RegistryTypeKey(slot), ""}});
}

}  // namespace sequora::storage
