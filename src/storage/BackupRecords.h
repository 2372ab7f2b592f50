#pragma once
// The records of autostart items that Sequora took out of Windows, kept in section Backup of the
// settings file, in two independent sets of slots 1..300:
//   AutoStart<n>BackupDir       full path the shortcut file had in its Startup folder
//   AutoStart<n>BackupFilename  its file name in the Backup folder
//   Registry<n>Backup           full registry path of the value (root, key path, value name)
//   Registry<n>BackupValue      the value's data
//   Registry<n>BackupType       optional: "REG_SZ" or "REG_EXPAND_SZ"; files written before it
//                               existed lack it (see RegistryBackupRecord::type)
// A shortcut slot is free when both of its values are empty, a registry slot when its path is.
// Clearing writes empty values; the keys stay. Every slot is read, so gaps hide nothing.
//
// Values are read as stored, not through the 148-character read buffer of ReadIni, and quotes
// are kept: a record gives back exactly the text that was written. A text that a line of the
// file cannot hold exactly (a line break, or blanks at either end) is never written
// (CanStoreInRecord).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace sequora::storage {

inline constexpr int kBackupSlots = 300;

struct ShortcutBackupRecord {
  int slot = 0;
  std::string sourcePath;  // where the shortcut lay
  std::string backupName;  // its name in the Backup folder
};

struct RegistryBackupRecord {
  int slot = 0;
  std::string path;   // "HKEY_CURRENT_USER\SOFTWARE\Microsoft\Windows\CurrentVersion\Run\Name"
  std::string value;  // the command line
  // REG_SZ or REG_EXPAND_SZ. Without a stored type: REG_EXPAND_SZ when the value holds a %name%
  // reference (Windows only expands those in that type), else REG_SZ.
  std::uint32_t type = 1;
  bool typeStored = false;
};

struct BackupRecordSet {
  std::vector<ShortcutBackupRecord> shortcuts;  // listed ones (a source path), slot order
  std::vector<RegistryBackupRecord> registry;   // listed ones (a path), slot order
  std::vector<bool> shortcutSlotUsed = std::vector<bool>(kBackupSlots + 1, false);  // [1..300]
  std::vector<bool> registrySlotUsed = std::vector<bool>(kBackupSlots + 1, false);

  int FirstFreeShortcutSlot() const;  // 0 when all 300 are used
  int FirstFreeRegistrySlot() const;
  // The registry slot holding this very record (same path and value, letter case of the path
  // ignored), else the first free one; 0 when none.
  int RegistrySlotFor(std::string_view path, std::string_view value) const;
  // A backup file name that a record already names (letter case ignored).
  bool BackupNameRecorded(std::string_view backupName) const;
};

// True when the text holds a %NAME% reference (a name without blanks between two percent signs).
bool HasVariableReference(std::string_view text);

// A text that reads back exactly as written: no CR, LF or NUL, no blank or tab at either end.
bool CanStoreInRecord(std::string_view text);

// "REG_SZ" / "REG_EXPAND_SZ" (or their numbers 1 / 2); nullopt for anything else.
std::optional<std::uint32_t> ParseBackupType(std::string_view text);

class BackupRecords {
 public:
  BackupRecords(platform::FileSystem& fs, std::string iniPath);

  // Every record from one read of the file. A missing file has none; nullopt when the file
  // exists but cannot be read (never taken for "no records").
  std::optional<BackupRecordSet> Load();

  // Each writes its keys in one replacement of the file; false when the file was not written (it
  // is then unchanged). The texts must satisfy CanStoreInRecord.
  [[nodiscard]] bool WriteShortcut(int slot, const std::string& sourcePath, const std::string& backupName);
  [[nodiscard]] bool ClearShortcut(int slot);
  [[nodiscard]] bool WriteRegistry(int slot, const std::string& path, const std::string& value, std::uint32_t type);
  [[nodiscard]] bool ClearRegistry(int slot);

  const std::string& IniPath() const { return iniPath_; }

 private:
  bool Write(const std::vector<std::pair<std::string, std::string>>& keyValues);

  platform::FileSystem& fs_;
  std::string iniPath_;
};

}  // namespace sequora::storage
