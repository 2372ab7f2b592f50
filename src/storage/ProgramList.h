#pragma once
// The program list in memory: entry records 1..101 mirrored from section ProgramList of the
// settings file, plus run-time state per entry that is never written (done, skipped, running,
// group confirmation).
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/FileSystem.h"
#include "storage/Ini.h"

namespace sequora::storage {

// A group's answer in the confirmation window, per entry (run-time only, never stored).
enum class ConfirmState : std::int16_t {
  Undecided = 0,  // not asked yet: the entry starts by its own settings
  RunAll = 1,     // "&Run all": starts, disabled or not
  SkipAll = 2,    // "&Skip all": passed over
  Defaults = 3,   // "&Defaults": starts by its own settings
};

struct ProgramEntry {
  storage::ConfirmState ConfirmState = ConfirmState::Undecided;  // run-time
  std::string Program;            // file name of the program; empty = free slot
  bool Done = false;              // run-time: the run has dealt with this entry
  bool Skip = false;              // run-time: must not be started in this run
  std::string Dir;                // folder of the program, normally ending in a separator
  std::string StartupDelay;       // seconds as text; the default delay when the key is empty
  std::int16_t Minimized = 0;     // 1 = start minimised
  std::int16_t Disabled = 0;      // 1 = never started
  std::int16_t ConfirmMessageBoxNr = 0;  // group 1..kLastGroup; below 1 = no group
  std::string Param;              // command-line parameters
  bool IsRunning = false;         // run-time: the program was found running
  bool Started = false;           // run-time: started in this run (by the run or by hand)
};

inline constexpr int kLastGroup = 99;

// The seconds the run waits before an entry's program: its StartupDelay when that is a whole
// number from 0 up, otherwise (empty, not a number, negative, too large) the default delay.
int DelaySeconds(const ProgramEntry& entry, int defaultDelay);

// 102 records, index 0 never used, entries 1..101. Access is checked: an index outside 0..101
// gives no record.
class ProgramList {
 public:
  static constexpr int kFirst = 1;
  static constexpr int kLast = 101;

  static bool IsValidIndex(int index) { return index >= 0 && index <= kLast; }
  ProgramEntry* At(int index) { return IsValidIndex(index) ? &entries_[static_cast<std::size_t>(index)] : nullptr; }
  const ProgramEntry* At(int index) const {
    return IsValidIndex(index) ? &entries_[static_cast<std::size_t>(index)] : nullptr;
  }

 private:
  std::array<ProgramEntry, kLast + 1> entries_{};
};

// What the list operations need from the main window.
struct ProgramListContext {
  platform::FileSystem& fileSystem;
  std::string iniPath;                             // IniPath
  std::function<std::int16_t()> defaultDelay;      // the current DefaultDelay; empty = 0
  std::function<void(int)> checkProgramRunning;    // CheckProgramRunning(n); empty = never running
};

// Entry n (1..101) read from the file key by key. Done, Skip and Started come from the in-memory
// entry n; the running check then runs on the in-memory entry. A number that does not convert
// leaves its field 0; a group number outside 1..kLastGroup reads as no group (-1). Nothing is
// written, not even when the file is missing.
ProgramEntry ReadProgramEntry(const ProgramListContext& context, ProgramList& list, int n);

// Writes the seven stored fields of `entry` to the keys of entry n, as they stand, in one
// replacement of the file; they read back as written. Refused when a field holds a line break
// (the editor turns those into blanks first); the file is unchanged unless the result is Written.
IniWrite WriteProgramEntry(const ProgramListContext& context, int n, const ProgramEntry& entry);

// Reloads entries 1..101 from one read of the file. Stored fields come fresh from the file,
// IsRunning is recomputed; Done, Skip and ConfirmState survive, so a reload in the middle of a run
// does not restart it. A missing file reads as a list of free entries. False when a file is there
// but could not be read: the table is then left exactly as it was.
bool ReloadProgrammListeObj(const ProgramListContext& context, ProgramList& list);

// The entry whose folder + file, in short form and lower case, contains `path` (quotes removed,
// short form, lower case); the lowest entry number wins. nullopt when none matches.
std::optional<int> IsProgramInList(platform::FileSystem& fs, const ProgramList& list, const std::string& path);

}  // namespace sequora::storage
