#include "autostart/AutostartBackup.h"

#include <algorithm>

#include "autostart/Registry.h"
#include "autostart/Shortcuts.h"
#include "base/Paths.h"
#include "base/StringOps.h"

namespace sequora::autostart {

namespace {

constexpr int kMaxNameTries = 1000;

BackupResult Failed(BackupStatus status, std::optional<Message> message = std::nullopt) {
  BackupResult r;
  r.status = status;
  r.message = std::move(message);
  return r;
}

bool SameValue(const RegistryValue& v, const std::string& data, std::uint32_t type) {
  return v.IsText() && v.type == type && v.Text() == data;
}

}  // namespace

std::optional<RegistryPathParts> SplitRunValuePath(const std::string& fullPath) {
  std::string rest = fullPath;
  RegistryPathParts parts;
  parts.rootName = CutCompletePathAndReturnRootString(rest);
  size_t run = ToLower(rest).find("\\run\\");
  if (run == std::string::npos || parts.rootName.empty()) return std::nullopt;
  parts.keyPath = rest.substr(0, run + 5);
  parts.valueName = rest.substr(run + 5);
  return parts;
}

// What a take-out needs, found before anything changes.
struct AutostartBackup::Plan {
  BackupResult failure;  // ok() when the take-out can go ahead
  const AutostartItem* item = nullptr;
  storage::BackupRecordSet set;
  int slot = 0;
  // Shortcut: the name in the Backup folder. Value: root and key of the Run key, current data.
  std::string backupName;
  RegKey root = 0;
  std::string rootName, keyPath, data;
  std::uint32_t type = platform::reg::kTypeString;
};

AutostartBackup::AutostartBackup(AutostartPlatform platform, std::string iniPath, std::string backupDir)
    : p_(platform), records_(platform.fileSystem, std::move(iniPath)), backupDir_(std::move(backupDir)) {
  if (!backupDir_.empty() && backupDir_.back() != '\\' && backupDir_.back() != '/') backupDir_ += '\\';
}

AutostartBackup::Plan AutostartBackup::Prepare(const AutostartItem& item) {
  Plan plan;
  plan.item = &item;
  auto fail = [&](BackupStatus status, std::optional<Message> message = std::nullopt) -> Plan& {
    plan.failure = Failed(status, std::move(message));
    return plan;
  };
  if (item.kind == AutostartKind::Shortcut) {
    if (!p_.fileSystem.FileExists(item.location)) return fail(BackupStatus::SourceMissing, FileNotFound(item.location));
    if (!storage::CanStoreInRecord(item.location)) return fail(BackupStatus::CannotRecord, CannotRecord(item.location));
  } else {
    // The record keeps what is in the registry now, which is what the delete takes away.
    plan.rootName = item.container.substr(0, item.container.find('\\'));
    plan.root = RootKeyFromFullName(plan.rootName);
    plan.keyPath = item.container.substr(std::min(item.container.size(), plan.rootName.size() + 1));
    if (!plan.keyPath.empty() && plan.keyPath.back() == '\\') plan.keyPath.pop_back();
    auto now = QueryRegistryValue(p_.registry, plan.root, plan.keyPath, item.name);
    if (!now) return fail(BackupStatus::SourceMissing);
    if (!now->IsText()) return fail(BackupStatus::CannotRecord, CannotRecord(item.location));
    plan.data = now->Text();
    plan.type = now->type;
    if (!storage::CanStoreInRecord(item.location) || !storage::CanStoreInRecord(plan.data))
      return fail(BackupStatus::CannotRecord, CannotRecord(item.location + "\r" + plan.data));
  }
  auto set = records_.Load();
  if (!set) return fail(BackupStatus::RecordsUnreadable, SettingsNotRead(records_.IniPath()));
  plan.set = std::move(*set);
  plan.slot = item.kind == AutostartKind::Shortcut ? plan.set.FirstFreeShortcutSlot()
                                                   : plan.set.RegistrySlotFor(item.location, plan.data);
  if (plan.slot == 0) return fail(BackupStatus::NoFreeRecord, NoFreeRecord());
  if (item.kind == AutostartKind::Shortcut) {
    // A free name: no file in the Backup folder has it and no record names it (a record whose file
    // went missing must not come to name another shortcut).
    const std::string fileName = GetFileNamePart(item.location);
    const size_t dot = fileName.rfind('.');
    const std::string stem = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
    for (int n = 1; n <= kMaxNameTries && plan.backupName.empty(); ++n) {
      std::string name = n == 1 ? fileName : stem + " (" + std::to_string(n) + ")" + extension;
      if (!p_.fileSystem.Exists(backupDir_ + name) && !plan.set.BackupNameRecorded(name)) plan.backupName = name;
    }
    if (plan.backupName.empty()) return fail(BackupStatus::MoveFailed, BackupMoveFailed(item.location));
  }
  return plan;
}

BackupResult AutostartBackup::CheckTakeOut(const AutostartItem& item) { return Prepare(item).failure; }

BackupResult AutostartBackup::TakeOut(const AutostartItem& item) {
  Plan plan = Prepare(item);
  if (!plan.failure.ok()) return plan.failure;
  return item.kind == AutostartKind::Shortcut ? TakeOutShortcut(plan) : TakeOutValue(plan);
}

BackupResult AutostartBackup::TakeOutShortcut(Plan& plan) {
  const AutostartItem& item = *plan.item;
  auto& fs = p_.fileSystem;
  (void)fs.MakeDirectory(backupDir_.substr(0, backupDir_.size() - 1));  // there already, mostly
  if (!records_.WriteShortcut(plan.slot, item.location, plan.backupName))
    return Failed(BackupStatus::RecordNotWritten, SettingsNotWritten(records_.IniPath()));
  const std::string target = backupDir_ + plan.backupName;
  (void)fs.MovePath(item.location, target);  // where the file is afterwards decides
  const bool inBackup = fs.FileExists(target) && !fs.FileExists(item.location);
  if (!inBackup) {
    // Still in its folder: the record goes again. Anywhere else the record stays, so it is found.
    if (fs.FileExists(item.location)) (void)records_.ClearShortcut(plan.slot);
    return Failed(BackupStatus::MoveFailed, BackupMoveFailed(item.location));
  }
  BackupResult r;
  r.slot = plan.slot;
  r.backupName = plan.backupName;
  return r;
}

BackupResult AutostartBackup::TakeOutValue(Plan& plan) {
  const AutostartItem& item = *plan.item;
  if (!records_.WriteRegistry(plan.slot, item.location, plan.data, plan.type))
    return Failed(BackupStatus::RecordNotWritten, SettingsNotWritten(records_.IniPath()));
  DeleteRegistryValue(p_.registry, plan.rootName, plan.keyPath, item.name);
  if (QueryRegistryValue(p_.registry, plan.root, plan.keyPath, item.name)) {
    // Still there: one place is enough. A record that was there before for this very value goes
    // too, as it would only restore what is already in Windows.
    (void)records_.ClearRegistry(plan.slot);
    return Failed(BackupStatus::NotRemoved, RegistryNotRemoved(item.location));
  }
  BackupResult r;
  r.slot = plan.slot;
  return r;
}

BackupResult AutostartBackup::Restore(const storage::ShortcutBackupRecord& record) {
  auto set = records_.Load();
  if (!set) return Failed(BackupStatus::RecordsUnreadable, SettingsNotRead(records_.IniPath()));
  return Restore(record, *set);
}

BackupResult AutostartBackup::Restore(const storage::RegistryBackupRecord& record) {
  auto set = records_.Load();
  if (!set) return Failed(BackupStatus::RecordsUnreadable, SettingsNotRead(records_.IniPath()));
  return Restore(record, *set);
}

BackupResult AutostartBackup::Restore(const storage::ShortcutBackupRecord& record, storage::BackupRecordSet& current) {
  auto& fs = p_.fileSystem;
  const std::string source = backupDir_ + record.backupName;
  auto it = std::find_if(current.shortcuts.begin(), current.shortcuts.end(), [&](const auto& r) {
    return r.slot == record.slot && r.sourcePath == record.sourcePath && r.backupName == record.backupName;
  });
  if (it == current.shortcuts.end()) return Failed(BackupStatus::RecordGone);
  if (record.backupName.empty() || !fs.FileExists(source))
    return Failed(BackupStatus::SourceMissing, FileNotFound(source));
  const std::string& destination = record.sourcePath;
  if (fs.Exists(destination)) return Failed(BackupStatus::DestinationTaken, RestoreDestinationTaken(destination));
  const std::string target = Trim(GetShortcutTarget(p_.shellLinks, source));
  (void)fs.MovePath(source, destination);
  if (!(fs.FileExists(destination) && !fs.FileExists(source)))
    return Failed(BackupStatus::MoveFailed, RestoreMoveFailed(destination));
  if (!records_.ClearShortcut(record.slot)) {
    (void)fs.MovePath(destination, source);  // back under its record
    return Failed(BackupStatus::RecordNotWritten, SettingsNotWritten(records_.IniPath()));
  }
  current.shortcutSlotUsed[static_cast<size_t>(record.slot)] = false;
  current.shortcuts.erase(it);
  BackupResult r;
  r.slot = record.slot;
  r.programCommand = target;
  return r;
}

BackupResult AutostartBackup::Restore(const storage::RegistryBackupRecord& record, storage::BackupRecordSet& current) {
  auto it = std::find_if(current.registry.begin(), current.registry.end(), [&](const auto& r) {
    return r.slot == record.slot && r.path == record.path && r.value == record.value;
  });
  if (it == current.registry.end()) return Failed(BackupStatus::RecordGone);
  auto cleared = [&] {
    current.registrySlotUsed[static_cast<size_t>(record.slot)] = false;
    current.registry.erase(it);
  };
  auto parts = SplitRunValuePath(record.path);
  if (!parts) return Failed(BackupStatus::NotRestored, RegistryNotRestored(record.path));
  const RegKey root = RootKeyFromFullName(parts->rootName);
  const std::string key = parts->keyPath.substr(0, parts->keyPath.size() - 1);
  BackupResult done;
  done.slot = record.slot;
  done.programCommand = record.value;
  if (auto now = QueryRegistryValue(p_.registry, root, key, parts->valueName)) {
    // The same value is there already (put back by hand, or by its program): only the record goes.
    if (!SameValue(*now, record.value, record.type))
      return Failed(BackupStatus::DestinationTaken, RegistryRestoreTaken(record.path));
    if (!records_.ClearRegistry(record.slot))
      return Failed(BackupStatus::RecordNotWritten, SettingsNotWritten(records_.IniPath()));
    cleared();
    return done;
  }
  (void)WriteRegistryText(p_.registry, parts->rootName, parts->keyPath, parts->valueName, record.value, record.type);
  auto written = QueryRegistryValue(p_.registry, root, key, parts->valueName);
  if (!written || !SameValue(*written, record.value, record.type))
    return Failed(BackupStatus::NotRestored, RegistryNotRestored(record.path));
  if (!records_.ClearRegistry(record.slot)) {
    DeleteRegistryValue(p_.registry, parts->rootName, parts->keyPath, parts->valueName);  // stays recorded
    return Failed(BackupStatus::RecordNotWritten, SettingsNotWritten(records_.IniPath()));
  }
  cleared();
  return done;
}

}  // namespace sequora::autostart
