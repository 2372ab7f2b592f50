#include "autostart/AutostartImport.h"

#include <optional>
#include <type_traits>

#include "autostart/ProgramIdentity.h"
#include "autostart/Shortcuts.h"
#include "base/Paths.h"
#include "base/StringOps.h"

namespace sequora::autostart {

namespace {

ListPairRows Rows(std::vector<std::string> right, std::vector<std::string> left) {
  ListPairRows rows;
  rows.hasItems = !right.empty();
  if (!rows.hasItems) {
    right = {text::kNothingFound};
    left = {text::kNothingFound};
  }
  rows.right = std::move(right);
  rows.left = std::move(left);
  return rows;
}

std::string Shown(const AutostartItem& item) {
  return item.disabledInWindows ? std::string(text::kDisabledInWindows) + " " + item.command : item.command;
}

}  // namespace

// The programs of the items still taken out, to tell whether a restored item's program must stay
// in the list for another one. Looked up at the first restore that succeeds, once per batch.
class AutostartImport::RecordPrograms {
 public:
  RecordPrograms(AutostartImport& owner, const storage::BackupRecordSet& set) : owner_(owner), set_(set) {}

  // Forgets the restored record; true when another record still starts the same program.
  bool RestoredOtherStays(bool shortcut, int slot, const std::string& key) {
    if (!read_) Read();
    bool other = false;
    for (auto it = keys_.begin(); it != keys_.end();) {
      if (it->shortcut == shortcut && it->slot == slot) {
        it = keys_.erase(it);
        continue;
      }
      other = other || (!key.empty() && it->key == key);
      ++it;
    }
    return other;
  }

 private:
  void Read() {
    read_ = true;
    for (const auto& r : set_.registry) keys_.push_back({false, r.slot, owner_.RegistryKey(r.value)});
    for (const auto& r : set_.shortcuts)
      keys_.push_back({true, r.slot, owner_.ShortcutKey(owner_.backup_.BackupDir() + r.backupName)});
  }

  struct Entry {
    bool shortcut;
    int slot;
    std::string key;
  };
  AutostartImport& owner_;
  const storage::BackupRecordSet set_;  // as loaded before the first restore
  bool read_ = false;
  std::vector<Entry> keys_;
};

int StartPosition(std::string_view boxText) {
  auto n = ToInt32(boxText);
  return n && *n >= 1 ? *n : 1;
}

std::string ListText(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += item + "\r";
  return out;
}

AutostartImport::AutostartImport(AutostartPlatform platform, ProgramListEditor& list, std::string iniPath,
                                 std::string backupDir)
    : p_(platform),
      list_(list),
      backup_(platform, std::move(iniPath), std::move(backupDir)),
      scanner_(platform) {}

std::string AutostartImport::RegistryKey(const std::string& command) {
  return ProgramKey(p_.fileSystem, p_.environment, ProgramOfCommand(p_.fileSystem, p_.environment, command));
}

std::string AutostartImport::ShortcutKey(const std::string& shortcutFile) {
  if (!p_.fileSystem.FileExists(shortcutFile)) return "";  // a record whose file went missing
  return ProgramKey(p_.fileSystem, p_.environment, GetShortcutTarget(p_.shellLinks, shortcutFile));
}

ImportModeLists AutostartImport::LoadImportMode(const ScanOptions& options) {
  ImportModeLists lists;
  AutostartScan scan = scanner_.Scan(options);
  std::vector<std::string> right, left;
  for (const auto& item : scan.registry) {
    right.push_back(item.location);
    left.push_back(Shown(item));
  }
  lists.registry = Rows(std::move(right), std::move(left));
  right.clear();
  left.clear();
  for (const auto& item : scan.shortcuts) {
    right.push_back(item.location);
    left.push_back(Shown(item));
  }
  lists.shortcuts = Rows(std::move(right), std::move(left));
  lists.registryItems = std::move(scan.registry);
  lists.shortcutItems = std::move(scan.shortcuts);
  return lists;
}

RestoreModeLists AutostartImport::LoadRestoreMode() {
  RestoreModeLists lists;
  auto set = backup_.LoadRecords();
  if (!set) {
    lists.message = SettingsNotRead(backup_.IniPath());
    set.emplace();
  }
  std::vector<std::string> right, left;
  for (const auto& r : set->registry) {
    right.push_back(r.path);
    left.push_back(r.value);
  }
  lists.registry = Rows(std::move(right), std::move(left));
  right.clear();
  left.clear();
  for (const auto& r : set->shortcuts) {
    right.push_back(r.sourcePath);
    left.push_back(r.backupName);
  }
  lists.shortcuts = Rows(std::move(right), std::move(left));
  lists.registryRecords = std::move(set->registry);
  lists.shortcutRecords = std::move(set->shortcuts);
  return lists;
}

bool AutostartImport::IsOwnProgram(const AutostartItem& item) {
  const std::string own = AddPathSeparator(p_.environment.AppPath()) + p_.environment.ExeName() + ".exe";
  return ProgramKey(p_.fileSystem, p_.environment, item.program) ==
         ProgramKey(p_.fileSystem, p_.environment, own);
}

ImportResult AutostartImport::Import(const AutostartItem& item, int startPosition) {
  ImportResult result;
  if (IsOwnProgram(item)) {
    result.status = ImportStatus::OwnProgram;
    return result;
  }
  // A take-out that cannot happen (full record set, unreadable file) adds nothing either.
  result.takeOut = backup_.CheckTakeOut(item);
  if (!result.takeOut.ok()) {
    result.status = ImportStatus::NotTakenOut;
    result.message = result.takeOut.message;
    return result;
  }
  const ProgramListEditor::AddResult added = list_.AddProgram(item, startPosition);
  if (added == ProgramListEditor::AddResult::Refused || added == ProgramListEditor::AddResult::SwitchedOff) {
    const bool off = added == ProgramListEditor::AddResult::SwitchedOff;
    result.status = off ? ImportStatus::SwitchedOff : ImportStatus::Refused;
    result.message = off ? SwitchedOffInList(item.command + "\r") : NotImported(item.command);
    return result;
  }
  result.addedToList = true;
  result.takeOut = backup_.TakeOut(item);
  result.status = result.takeOut.ok() ? ImportStatus::Imported : ImportStatus::NotTakenOut;
  result.message = result.takeOut.message;
  return result;
}

std::vector<ImportResult> AutostartImport::ImportAll(const std::vector<AutostartItem>& items,
                                                     int startPosition) {
  std::vector<ImportResult> results;
  results.reserve(items.size());
  for (const AutostartItem& item : items) results.push_back(Import(item, startPosition));
  return results;
}

template <typename Record>
RestoreResult AutostartImport::RestoreOne(const Record& record, storage::BackupRecordSet& current,
                                          RecordPrograms& programs) {
  constexpr bool kShortcut = std::is_same_v<Record, storage::ShortcutBackupRecord>;
  RestoreResult result;
  result.restore = backup_.Restore(record, current);
  result.message = result.restore.message;
  if (!result.restore.ok()) return result;
  const std::string key = kShortcut ? ProgramKey(p_.fileSystem, p_.environment, result.restore.programCommand)
                                    : RegistryKey(result.restore.programCommand);
  if (!programs.RestoredOtherStays(kShortcut, record.slot, key) && !result.restore.programCommand.empty()) {
    list_.RemoveProgram(result.restore.programCommand);
    result.removedFromList = true;
  }
  return result;
}

template <typename Record>
std::vector<RestoreResult> AutostartImport::RestoreEach(const std::vector<Record>& records) {
  std::vector<RestoreResult> results;
  auto set = backup_.LoadRecords();
  if (!set) {
    RestoreResult unread;
    unread.restore.status = BackupStatus::RecordsUnreadable;
    unread.message = unread.restore.message = SettingsNotRead(backup_.IniPath());
    results.assign(records.size(), unread);
    return results;
  }
  RecordPrograms programs(*this, *set);
  for (const Record& r : records) results.push_back(RestoreOne(r, *set, programs));
  return results;
}

RestoreResult AutostartImport::Restore(const storage::ShortcutBackupRecord& record) {
  return RestoreAll(std::vector<storage::ShortcutBackupRecord>{record}).front();
}

RestoreResult AutostartImport::Restore(const storage::RegistryBackupRecord& record) {
  return RestoreAll(std::vector<storage::RegistryBackupRecord>{record}).front();
}

std::vector<RestoreResult> AutostartImport::RestoreAll(
    const std::vector<storage::ShortcutBackupRecord>& records) {
  return RestoreEach(records);
}

std::vector<RestoreResult> AutostartImport::RestoreAll(
    const std::vector<storage::RegistryBackupRecord>& records) {
  return RestoreEach(records);
}

}  // namespace sequora::autostart
