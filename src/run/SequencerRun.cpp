// The startup run: RunStartupList, the autostart pre-scan, the entry loop, the launch of one
// entry and the end of the run. See run/Sequencer.h for how it waits.
#include <string>

#include "base/StringOps.h"
#include "run/Form1.h"
#include "platform/FilePaths.h"

namespace sequora::run {

namespace {
constexpr int kFirst = storage::ProgramList::kFirst;
constexpr int kLast = storage::ProgramList::kLast;
}  // namespace

void Form1::RunStartupList() {
  if (RunEnded()) return;
  // A run in progress (resumed after the countdown) is replaced: its wait is dropped.
  sequencer_.phase = RunPhase::Running;
  Paused = false;
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(true);
  Command4.SetPicture(PauseTmpPix);
  if (SkipRegistry.Value() == 1) AutostartPreScan();
  RunEntries();
}

void Form1::AutostartPreScan() {
  const bool removeDoubles = AutoRemoveCheck.Value() == 1;
  ProcessScan scan(platform_.processes);
  for (int n = kFirst; n <= kLast; ++n) {
    CheckProgramRunning(n, scan);
    RunPathRow& row = RunPaths[static_cast<size_t>(n)];
    const std::string path = row[0] + row[1];
    if (Trim(path).empty()) continue;
    bool found = false;
    CheckWindowsAutostart(path, removeDoubles, found);
    if (!found) continue;
    AddLog("Prog. Nr." + std::to_string(n) + " Not started:\r\n  " + path + "\r\n" +
           (removeDoubles ? "  -> Program is now removed from the Registry / Autostart. Program skipped this time!"
                          : "  -> Program is already in Windows Autostart or Registry (run). Program skipped!"));
    row[0].clear();
    row[1].clear();
    sequencer_.inWindowsAutostart[static_cast<size_t>(n)] = true;
  }
  UnloadImportForm();
}

// The entry loop from CurrentEntry: passes over what must not start and stops at the first entry
// to start (its wait begins) or ends the run past entry 101.
void Form1::RunEntries() {
  sequencer_.phase = RunPhase::Running;
  // The entries passed over here are tested at one moment: one look at the processes for all.
  ProcessScan scan(platform_.processes);
  for (; CurrentEntry <= kLast; ++CurrentEntry) {
    if (StartEntry(scan)) return;  // waiting, or ended by a handler called on the way
  }
  EndRun();
}

// Steps of one entry up to its wait. True when the wait began (or the run ended); false when
// the entry is passed over.
bool Form1::StartEntry(const ProcessScan& scan) {
  const int n = CurrentEntry;
  storage::ProgramEntry* entry = ProgramList.At(n);
  if (!entry) return false;

  // Skip test: disabled, refused, already running, nothing to start. Not logged.
  EntryStatus status;
  CheckIfProgrammIsDisabled(n, scan, status);
  if (status.skip) {
    MarkEntrySkipped(n);
    return false;
  }

  const RunPathRow& row = RunPaths[static_cast<size_t>(n)];
  if (row[0].empty() || row[1].empty() || sequencer_.inWindowsAutostart[static_cast<size_t>(n)] ||
      entry->ConfirmState == 2)
    return false;

  // Still flagged running by an earlier test although the skip test let it through.
  if (RunningPrgr.Value() == 1 && entry->IsRunning) {
    if (!row[1].empty()) AddLog("(Skipped) Process already running: " + row[0] + row[1]);
    return false;
  }

  const bool run = entry->ConfirmState == 1 || ((entry->ConfirmState == 0 || entry->ConfirmState == 3) && entry->Disabled == 0);
  if (!run) return false;

  Label2.SetCaption("Next -> (" + std::to_string(n) + ") " + entry->Program);
  if (entry->ConfirmMessageBoxNr >= 1 && entry->ConfirmState == 0) OpenGroupConfirmation(n, entry->ConfirmMessageBoxNr);
  int first = CurrentEntry;
  FillText1Text(first);
  entry = ProgramList.At(CurrentEntry);
  const std::string delay = entry->StartupDelay;
  if (entry->ConfirmMessageBoxNr >= 1) OpenGroupConfirmation(CurrentEntry, entry->ConfirmMessageBoxNr);
  first = CurrentEntry;
  FillText1Text(first);
  if (RunEnded()) return true;

  if (auto seconds = ToInt16(delay)) sequencer_.waitLength = *seconds;
  WaitStartupDelay(sequencer_.waitLength);
  return true;
}

// After the wait: launch CurrentEntry (a pass-over during the wait may have moved it), then go on.
void Form1::FinishWait() {
  sequencer_.phase = RunPhase::Running;
  LaunchCurrentEntry();
  if (RunEnded()) return;
  ++CurrentEntry;
  RunEntries();
}

void Form1::LaunchCurrentEntry() {
  storage::ProgramEntry* entry = ProgramList.At(CurrentEntry);
  if (!entry) return;
  if (!entry->Skip && !(entry->Disabled != 0 && entry->ConfirmState != 1)) {
    entry->Done = true;
    const RunPathRow& row = RunPaths[static_cast<size_t>(CurrentEntry)];
    const std::string dir = GetLongPath(platform_.fileSystem, row[0]);
    const std::string command = QuoteIfSpaces(Trim(dir + row[1]));
    std::string workingDir = row[0];
    LaunchProgram(command, entry->Minimized < 1 ? platform::show::kNormal : platform::show::kMinimized, row[2],
                  workingDir);
  }
  Label2.SetCaption("Done: " + entry->Program);
}

void Form1::MarkEntrySkipped(int n) {
  storage::ProgramEntry* entry = ProgramList.At(n);
  if (!entry) return;
  entry->Done = true;
  entry->Skip = true;
  e_ListBox_SetTextDisabled(n - 1, true);
}

void Form1::StopSequencer() {
  sequencer_.phase = RunPhase::Ended;
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
}

// The list is done: nothing may stay in the notification area, and the program ends.
void Form1::EndRun() {
  if (RunEnded()) return;
  StopSequencer();
  if (!TrayRemoved) {
    RemoveTrayIcon();
    TrayRemoved = true;
  }
  platform_.windows.EndProgram(0);
}

}  // namespace sequora::run
