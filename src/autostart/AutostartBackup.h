#pragma once
// Taking an autostart item out of Windows with a backup, and putting it back. A Startup-folder
// shortcut moves into the Backup folder, a Run value is deleted; either way a record in section
// Backup of the settings file (storage/BackupRecords) says where it came from.
//
// Nothing is ever deleted that is not recorded first, and nothing is overwritten:
//  - the record is written before the item moves (no free slot: nothing moves); when the move or
//    delete then fails, the record is cleared again;
//  - a shortcut goes into the Backup folder under a free name ("name.lnk", "name (2).lnk", ...)
//    that no file there and no record has; the record holds the name used;
//  - a restore never replaces what lies at the item's old place now; it reports it instead;
//  - a restored value gets its recorded type back; a restore whose record cannot be cleared is
//    undone, so the item is in Windows or in a record, never in both.
#include <optional>
#include <string>

#include "autostart/AutostartScanner.h"
#include "autostart/ImportTexts.h"
#include "storage/BackupRecords.h"

namespace sequora::autostart {

enum class BackupStatus {
  Done,
  SourceMissing,      // the item is no longer where it was found (shortcut: FileNotFound)
  CannotRecord,       // a text the settings file cannot hold exactly
  RecordsUnreadable,  // the settings file could not be read
  NoFreeRecord,       // all 300 slots used
  RecordNotWritten,   // the settings file could not be written
  MoveFailed,         // the shortcut did not move
  NotRemoved,         // the value is still in the registry
  RecordGone,         // restore: the record is no longer in its slot (the list is out of date)
  DestinationTaken,   // restore: something else lies at the old place now
  NotRestored,        // restore: the value could not be written back
};

struct BackupResult {
  BackupStatus status = BackupStatus::Done;
  std::optional<Message> message;  // what to show, when anything
  int slot = 0;                    // the record's slot
  std::string backupName;          // taking out a shortcut: its name in the Backup folder
  std::string programCommand;      // restore: the command line the item starts (for the program list)

  bool ok() const { return status == BackupStatus::Done; }
};

class AutostartBackup {
 public:
  // `backupDir`: the Backup folder, with or without its trailing separator.
  AutostartBackup(AutostartPlatform platform, std::string iniPath, std::string backupDir);

  // Whether TakeOut can record the item now (readable records, a free slot, texts a record can
  // hold, the item still there); ok() when it can. Changes nothing.
  BackupResult CheckTakeOut(const AutostartItem& item);
  // BackupFile / BackupRegistryEntry + RemoveRegistryEntry.
  BackupResult TakeOut(const AutostartItem& item);

  // RestoreSingleAutostart / RestoreSingleRegistry, without the program list. The record must
  // still be in its slot. The second forms take the records as loaded just before and keep them
  // up to date, for restoring many without reading the file each time.
  BackupResult Restore(const storage::ShortcutBackupRecord& record);
  BackupResult Restore(const storage::RegistryBackupRecord& record);
  BackupResult Restore(const storage::ShortcutBackupRecord& record, storage::BackupRecordSet& current);
  BackupResult Restore(const storage::RegistryBackupRecord& record, storage::BackupRecordSet& current);

  std::optional<storage::BackupRecordSet> LoadRecords() { return records_.Load(); }
  const std::string& BackupDir() const { return backupDir_; }  // with its trailing separator
  const std::string& IniPath() const { return records_.IniPath(); }

 private:
  struct Plan;
  Plan Prepare(const AutostartItem& item);
  BackupResult TakeOutShortcut(Plan& plan);
  BackupResult TakeOutValue(Plan& plan);

  AutostartPlatform p_;
  storage::BackupRecords records_;
  std::string backupDir_;
};

// The parts of a full registry path: root name, key path (ending with the "\" after "Run") and
// value name, split at the first "\run\" as the records have always been read. nullopt when the
// path has no such part.
struct RegistryPathParts {
  std::string rootName;
  std::string keyPath;
  std::string valueName;
};
std::optional<RegistryPathParts> SplitRunValuePath(const std::string& fullPath);

}  // namespace sequora::autostart
