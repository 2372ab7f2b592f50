// The program list of the main window and the status of its entries: is a program running, will
// an entry start. Callers that test many entries pass one ProcessScan for all of them.
#include "base/StringOps.h"
#include "run/Form1.h"

namespace sequora::run {

void Form1::ReloadProgrammListeObj() { ReloadProgrammListeObj(ProcessScan(platform_.processes)); }

void Form1::ReloadProgrammListeObj(const ProcessScan& scan) {
  storage::ProgramListContext context{platform_.fileSystem, IniPath,
                                      [this] { return static_cast<std::int16_t>(DefaultDelay); },
                                      [this, &scan](int n) { CheckProgramRunning(n, scan); }};
  storage::ReloadProgrammListeObj(context, ProgramList);
}

void Form1::CheckProgramRunning(int entry) { CheckProgramRunning(entry, ProcessScan(platform_.processes)); }

void Form1::CheckProgramRunning(int n, const ProcessScan& scan) {
  storage::ProgramEntry* entry = ProgramList.At(n);
  if (!entry || entry->Dir.empty() || entry->Program.empty()) return;
  // Set here, cleared only by a reload from the settings file.
  if (FindProgramWindow(scan, entry->Dir + entry->Program) >= 2) entry->IsRunning = true;
}

void Form1::CheckIfProgrammIsDisabled(int entry, EntryStatus& status) {
  CheckIfProgrammIsDisabled(entry, ProcessScan(platform_.processes), status);
}

void Form1::CheckIfProgrammIsDisabled(int n, const ProcessScan& scan, EntryStatus& status) {
  storage::ProgramEntry* entry = ProgramList.At(n);
  std::string path = entry ? entry->Dir + entry->Program : std::string();
  if (Trim(path).empty()) {  // nothing to start; code and text stay as they were
    status.skip = true;
    return;
  }
  const bool disabled = entry->Disabled == 1;
  const bool detectRunning = RunningPrgr.Value() == 1;
  status.skip = disabled;
  status.code = disabled ? 5 : 0;
  switch (entry->ConfirmState) {
    case 1:  // start confirmed for the group
      status.code = 1;
      status.skip = false;
      if (detectRunning && entry->IsRunning) {
        status.skip = true;
        status.code = 4;
        status.text = "Program already running.. (even with confirmation it will not be started)";
      }
      break;
    case 2:  // start refused for the group
      status.text = "Programstart  disabled by confirmation";
      status.skip = true;
      status.code = disabled ? 5 : 2;
      break;
    case 3:  // the group left each entry to its own settings
      if (!disabled) {
        status.code = 6;
        status.text = "Programstart: normal";
        if (detectRunning && entry->IsRunning) {
          status.skip = true;
          status.code = 4;
        }
      } else {
        status.skip = true;
        status.code = 2;
        status.text = "Programstart is disabled (Confirmation: Start default)";
      }
      break;
    case 0:  // no confirmation
      if (disabled) status.text = "Program settings (Disabled)";
      if (detectRunning && FindProgramWindow(scan, path) > 1) {
        entry->IsRunning = true;
        status.text = "Program already running.. ";
        status.skip = true;
        status.code = 4;
      }
      break;
    default:
      break;
  }
}

}  // namespace sequora::run
