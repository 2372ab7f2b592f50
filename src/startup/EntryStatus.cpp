#include "startup/EntryStatus.h"

#include "base/Paths.h"
#include "base/StringOps.h"

namespace sequora::startup {

using storage::ConfirmState;

void CheckProgramRunning(storage::ProgramList& list, int n, const ProcessScan& scan) {
  storage::ProgramEntry* entry = list.At(n);
  if (!entry || entry->Dir.empty() || entry->Program.empty()) return;
  if (IsProgramRunning(scan, JoinPath(entry->Dir, entry->Program))) entry->IsRunning = true;
}

EntryStatus CheckIfProgrammIsDisabled(storage::ProgramList& list, int n, const ProcessScan& scan, bool detectRunning) {
  EntryStatus status;
  storage::ProgramEntry* entry = list.At(n);
  const std::string path = entry ? JoinPath(entry->Dir, entry->Program) : std::string();
  if (Trim(path).empty()) {  // nothing to start
    status.skip = true;
    return status;
  }
  if (entry->Started) {  // by the run or by hand: it runs, whether or not it shows a window yet
    status.skip = true;
    status.code = EntryStatusCode::Running;
    status.text = "Started in this run";
    return status;
  }
  const bool disabled = entry->Disabled == 1;
  status.skip = disabled;
  status.code = disabled ? EntryStatusCode::Disabled : EntryStatusCode::Normal;
  switch (entry->ConfirmState) {
    case ConfirmState::RunAll:
      status.code = EntryStatusCode::Confirmed;
      status.skip = false;
      if (detectRunning && entry->IsRunning) {
        status.skip = true;
        status.code = EntryStatusCode::Running;
        status.text = "Program already running.. (even with confirmation it will not be started)";
      }
      break;
    case ConfirmState::SkipAll:
      status.text = "Programstart  disabled by confirmation";
      status.skip = true;
      status.code = disabled ? EntryStatusCode::Disabled : EntryStatusCode::Refused;
      break;
    case ConfirmState::Defaults:
      if (!disabled) {
        status.code = EntryStatusCode::DefaultsNormal;
        status.text = "Programstart: normal";
        if (detectRunning && entry->IsRunning) {
          status.skip = true;
          status.code = EntryStatusCode::Running;
        }
      } else {
        status.skip = true;
        status.code = EntryStatusCode::Refused;
        status.text = "Programstart is disabled (Confirmation: Start default)";
      }
      break;
    case ConfirmState::Undecided:
      if (disabled) status.text = "Program settings (Disabled)";
      if (detectRunning && IsProgramRunning(scan, path)) {
        entry->IsRunning = true;
        status.text = "Program already running.. ";
        status.skip = true;
        status.code = EntryStatusCode::Running;
      }
      break;
  }
  // Skipped by the user: the run passes it over whatever its own settings say.
  if (entry->Skip && !status.skip) {
    status.skip = true;
    status.code = EntryStatusCode::PassedOver;
    status.text = "Passed over in this run";
  }
  return status;
}

}  // namespace sequora::startup
