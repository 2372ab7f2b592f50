#pragma once
// The import window's work without the window: the lists it shows in its two modes, importing
// items into the program list (one, all) and restoring backed-up items (one, all).
//
// An item leaves Windows only when its program is in the program list afterwards: the list is
// asked first (ProgramListEditor), and a program the list refuses stays in Windows. Before the
// list is asked, the take-out is checked (records readable, a free slot), so a full record set
// adds nothing. Sequora's own program is never imported.
//
// A restore removes the item's program from the list again, unless another item still taken
// out starts the same program (it would then start from nowhere).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "autostart/AutostartBackup.h"
#include "autostart/AutostartScanner.h"
#include "autostart/ImportTexts.h"
#include "storage/BackupRecords.h"

namespace sequora::autostart {

// The program list as the import needs it; the entry editor implements it.
class ProgramListEditor {
 public:
  enum class AddResult {
    Added,          // a new entry holds the program
    AlreadyListed,  // an entry held it already (nothing added, or added again on request)
    Refused,        // the program is not in the list (no free slot, the user declined, ...)
    SwitchedOff,    // listed, but switched off there: out of Windows it would start nowhere
  };
  virtual ~ProgramListEditor() = default;

  // AddNewProgram (registry value) / AddNewAutostartProgram (shortcut): `item.command` into the
  // first free slot at or after `startPosition`; `item.location` is the registry path or the
  // shortcut file; an item with `disabledInWindows` becomes a disabled entry.
  virtual AddResult AddProgram(const AutostartItem& item, int startPosition) = 0;
  // RemoveProgramFromList: clears the first entry whose program `commandLine` starts.
  virtual void RemoveProgram(const std::string& commandLine) = 0;
};

// Both lists of a pair: the right one (List1 / List3) and the left one (List2 / List4), the same
// index being one row. Without rows both hold the single text "Nothing found!", get the grey
// background and are disabled (`hasItems` false).
struct ListPairRows {
  std::vector<std::string> right;
  std::vector<std::string> left;
  bool hasItems = false;
};

// Import mode: List1 the value's path, List2 its command line; List3 the shortcut file, List4 its
// command line. A switched-off item's command line begins with "(disabled in Windows) ". Row i is
// registryItems[i] / shortcutItems[i].
struct ImportModeLists {
  ListPairRows registry;
  ListPairRows shortcuts;
  std::vector<AutostartItem> registryItems;
  std::vector<AutostartItem> shortcutItems;
};

// Restore mode: List1 the recorded path, List2 the recorded command line; List3 the shortcut's
// former path, List4 its name in the Backup folder. Row i is registryRecords[i] /
// shortcutRecords[i]. `message` when the records could not be read.
struct RestoreModeLists {
  ListPairRows registry;
  ListPairRows shortcuts;
  std::vector<storage::RegistryBackupRecord> registryRecords;
  std::vector<storage::ShortcutBackupRecord> shortcutRecords;
  std::optional<Message> message;
};

enum class ImportStatus {
  Imported,     // in the list and out of Windows
  OwnProgram,   // Sequora itself: neither added nor taken out
  Refused,      // the list did not take it: still in Windows (message NotImported)
  SwitchedOff,  // listed but switched off in the list: still in Windows
  NotTakenOut,  // in the list but still in Windows, or (take-out impossible) not added at all
};

struct ImportResult {
  ImportStatus status = ImportStatus::Imported;
  bool addedToList = false;  // the list was asked and has the program
  BackupResult takeOut;
  std::optional<Message> message;
};

struct RestoreResult {
  BackupResult restore;
  bool removedFromList = false;
  std::optional<Message> message;
  bool ok() const { return restore.ok(); }
};

// The start position box: its integer value, 1 when below 1 or not a number.
int StartPosition(std::string_view boxText);
// The text of a list for a confirmation: every item followed by a carriage return.
std::string ListText(const std::vector<std::string>& items);

class AutostartImport {
 public:
  // `iniPath`: Sequora.ini; `backupDir`: the Backup folder.
  AutostartImport(AutostartPlatform platform, ProgramListEditor& list, std::string iniPath,
                  std::string backupDir);

  ImportModeLists LoadImportMode(const ScanOptions& options);
  RestoreModeLists LoadRestoreMode();

  // AddSingleRegistryProgram / AddSingleAutostartProgram.
  [[nodiscard]] ImportResult Import(const AutostartItem& item, int startPosition);
  // Add all: every item in order; the window shows each result's message, then ImportedAll().
  [[nodiscard]] std::vector<ImportResult> ImportAll(const std::vector<AutostartItem>& items,
                                                    int startPosition);

  [[nodiscard]] RestoreResult Restore(const storage::ShortcutBackupRecord& record);
  [[nodiscard]] RestoreResult Restore(const storage::RegistryBackupRecord& record);
  // Restore all of one kind, in list order; the window shows each message, then
  // ShortcutsRestored() / RegistryRestored().
  [[nodiscard]] std::vector<RestoreResult> RestoreAll(
      const std::vector<storage::ShortcutBackupRecord>& records);
  [[nodiscard]] std::vector<RestoreResult> RestoreAll(
      const std::vector<storage::RegistryBackupRecord>& records);

  AutostartBackup& Backup() { return backup_; }

 private:
  class RecordPrograms;
  template <typename Record>
  RestoreResult RestoreOne(const Record& record, storage::BackupRecordSet& current, RecordPrograms& programs);
  template <typename Record>
  std::vector<RestoreResult> RestoreEach(const std::vector<Record>& records);
  bool IsOwnProgram(const AutostartItem& item);
  std::string RegistryKey(const std::string& command);       // ProgramKey of what it starts
  std::string ShortcutKey(const std::string& shortcutFile);  // ProgramKey of its target

  AutostartPlatform p_;
  ProgramListEditor& list_;
  AutostartBackup backup_;
  AutostartScanner scanner_;
};

}  // namespace sequora::autostart
