#pragma once
// Will an entry start? The status test of one entry (CheckIfProgrammIsDisabled) and the running
// flag (CheckProgramRunning), both on one look at the processes that the caller shares among all
// the entries it tests.
#include <cstdint>
#include <string>

#include "startup/Prozess.h"
#include "storage/ProgramList.h"

namespace sequora::startup {

enum class EntryStatusCode : std::int16_t {
  Normal = 0,           // starts by its own settings
  Confirmed = 1,        // its group was confirmed with "&Run all"
  Refused = 2,          // its group was refused, or it is disabled and the group left it to itself
  Running = 4,          // the program runs already
  Disabled = 5,         // disabled in its settings
  DefaultsNormal = 6,   // starts by its own settings, as its group's "&Defaults" decided
  PassedOver = 7,       // passed over in this run (the user skipped it)
};

inline bool IsRunning(EntryStatusCode code) { return code == EntryStatusCode::Running; }

struct EntryStatus {
  EntryStatusCode code = EntryStatusCode::Normal;
  std::string text;   // why, for the row's tool tip; may be empty
  bool skip = false;  // the run passes the entry over
  std::string warning;  // why the run's start will fail (no such file); empty when it should work
};

// Entry n's status. `detectRunning` is "Detect running Instance": a running program is passed
// over, and the test marks the entry running. An entry with nothing to start is skipped; one
// started in this run shows as running, one the user passed over as passed over. The warning is
// left to the caller, who can look at the files.
EntryStatus CheckIfProgrammIsDisabled(storage::ProgramList& list, int n, const ProcessScan& scan, bool detectRunning);

// Sets entry n's IsRunning when its program runs; only a reload from the file clears it.
void CheckProgramRunning(storage::ProgramList& list, int n, const ProcessScan& scan);

}  // namespace sequora::startup
