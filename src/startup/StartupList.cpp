#include "startup/StartupList.h"

#include <algorithm>

#include "base/Paths.h"
#include "base/StringOps.h"
#include "storage/EntryEdit.h"

namespace sequora::startup {

namespace {
constexpr const char* kCrLf = "\r\n";
constexpr std::size_t kDashes = 188;
constexpr int kFirst = storage::ProgramList::kFirst;
constexpr int kLast = storage::ProgramList::kLast;
using storage::ConfirmState;
}  // namespace

bool StartupList::ReloadProgrammListeObj(const ProcessScan& scan) {
  storage::ProgramListContext context{fs_, paths_.IniPath, [this] { return settings_.ProgramDelayDefault; },
                                      [this, &scan](int n) { CheckProgramRunning(ProgramList, n, scan); }};
  const bool read = storage::ReloadProgrammListeObj(context, ProgramList);
  if (!read && !readFailed_) log_.AddLog("Error: The settings file could not be read - " + paths_.IniPath);
  readFailed_ = !read;
  return read;
}

EntryStatus StartupList::StatusOf(int n) {
  EntryStatus status = CheckIfProgrammIsDisabled(ProgramList, n, Scan(), settings_.CheckRunningProgramTasks);
  if (const storage::ProgramEntry* entry = At(n); entry && !status.skip) status.warning = StartProblem(*entry);
  return status;
}

std::array<EntryStatus, storage::ProgramList::kLast + 1> StartupList::Statuses() {
  std::array<EntryStatus, kLast + 1> status;
  const ProcessScan scan = Scan();
  for (int n = kFirst; n <= kLast; ++n)
    status[n] = CheckIfProgrammIsDisabled(ProgramList, n, scan, settings_.CheckRunningProgramTasks);
  AddWarnings(status);
  return status;
}

void StartupList::AddWarnings(std::array<EntryStatus, kLast + 1>& status) {
  for (int n = kFirst; n <= kLast; ++n)
    if (!status[n].skip) status[n].warning = StartProblem(*At(n));
}

RunPathRow StartupList::RunPathsOf(const storage::ProgramEntry& entry) const {
  if (!entry.Dir.empty()) return {AddPathSeparator(entry.Dir), entry.Program, entry.Param};
  const platform::PathParts parts = storage::SplitCommandLine(fs_, entry.Program);
  return {parts.directory, parts.file, Trim(parts.parameters + " " + entry.Param)};
}

ProgramCall StartupList::CallOf(int n) {
  const storage::ProgramEntry* entry = At(n);
  if (!entry) return {};
  const RunPathRow row = RunPathsOf(*entry);
  return {row[0], row[1], row[2], ShowStateFor(entry->Minimized)};
}

std::string StartupList::StartProblem(const storage::ProgramEntry& entry) const {
  if (entry.Dir.empty() && entry.Program.empty()) return {};
  const RunPathRow row = RunPathsOf(entry);
  if (Trim(row[1]).empty()) return "No program file is given.";
  // Most files are there: the long forms, a look at every folder of the path, only for the message.
  const std::string path = ProgramCallPath(environment_, paths_.AppDir, {row[0], row[1], row[2]});
  if (!path.empty() && fs_.FileExists(path)) return {};
  const ResolvedCall call = ResolveProgramCall(fs_, environment_, paths_.AppDir, {row[0], row[1], row[2]});
  if (call.path.empty() || call.path == path || !fs_.FileExists(call.path)) return "Program file not found: " + call.path;
  return {};
}

StatusView StartupList::Rebuild(int first) {
  // One look at the processes and windows for the reload and every entry below.
  const ProcessScan scan = Scan();
  ReloadProgrammListeObj(scan);
  const bool detectRunning = settings_.CheckRunningProgramTasks;

  StatusView view;
  for (int n = kFirst; n <= kLast; ++n) view.status[n] = CheckIfProgrammIsDisabled(ProgramList, n, scan, detectRunning);
  AddWarnings(view.status);

  std::string lines;
  if (first < kLast + 1) {
    view.sortLines.reserve(kLast);
    lines.reserve(16 * 1024);
    for (int n = kFirst; n <= kLast; ++n) {
      storage::ProgramEntry& entry = *ProgramList.At(n);
      RunPathRow& row = RunPaths[static_cast<size_t>(n)];
      if (entry.Dir.empty() && entry.Program.empty()) {
        // Cleared, not kept: a slot emptied (edited, or moved in the list) must not start the
        // program that stood there before.
        row = RunPathRow{};
        view.sortLines.emplace_back();
        continue;
      }
      row = RunPathsOf(entry);
      const std::string line = row[0] + row[1] + " " + row[2];
      const std::string number = std::to_string(n);
      const bool shown = n >= first;
      if ((entry.Disabled < 1 && !entry.Skip) || entry.ConfirmState == ConfirmState::RunAll) {
        view.sortLines.push_back(line);
        if (!shown) continue;
        if (detectRunning && !Trim(row[0]).empty() && IsProgramRunning(scan, row[0] + row[1])) {
          entry.IsRunning = true;
          lines += "<-> (already running) " + number + ": " + line;
          ++view.disabled;
        } else if (entry.ConfirmState != ConfirmState::RunAll && entry.ConfirmState != ConfirmState::Defaults) {
          lines += number + ": " + line;
          ++view.left;
        } else if (entry.Disabled != 1) {
          lines += number + ": " + line + " <--  <Confirmed!>";
          ++view.left;
        } else {  // a disabled entry of a group confirmed with "&Run all"
          lines += "<+> " + number + ": " + line + " <--  <Confirmed!>";
          ++view.left;
        }
        lines += kCrLf;
      } else {
        std::string marked = "<->  -->" + line + (entry.Skip ? " <--  <Confirmed!>" : " <--  <disabled>");
        if (shown) {
          lines += marked + kCrLf;
          ++view.disabled;
        }
        view.sortLines.push_back(std::move(marked));
      }
    }
  }
  view.text = "Startup list   (" + std::to_string(view.left) + " left / " + std::to_string(view.disabled) +
              " disabled):" + kCrLf + std::string(kDashes, '-') + kCrLf + lines;
  return view;
}

namespace {
// The run has started it or passed it over: nothing decided later may change that.
bool DealtWith(const storage::ProgramEntry& e) { return e.Done || e.Started; }
}  // namespace

void StartupList::SetConfirmState(int group, ConfirmState state, int from) {
  for (int n = std::max(from, kFirst); n <= kLast; ++n) {
    storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr != group || DealtWith(e)) continue;
    e.ConfirmState = state;
    e.Skip = state == ConfirmState::SkipAll;
  }
}

std::optional<int> StartupList::NextUndecidedGroupEntry(int from) const {
  for (int n = std::max(from, kFirst); n <= kLast; ++n) {
    const storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr > 0 && e.ConfirmState == ConfirmState::Undecided && !DealtWith(e)) return n;
  }
  return std::nullopt;
}

bool StartupList::GroupHasEntryToCome(int group, int from) const {
  for (int n = std::max(from, kFirst); n <= kLast; ++n) {
    const storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr == group && !DealtWith(e)) return true;
  }
  return false;
}

std::vector<std::string> StartupList::GroupLines(int group) const {
  std::vector<std::string> lines;
  for (int n = kFirst; n <= kLast; ++n) {
    const storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr == group)
      lines.push_back("Prg." + std::to_string(n) + "  " + e.Program + " (+" +
                      std::to_string(storage::DelaySeconds(e, settings_.ProgramDelayDefault)) + " sec)");
  }
  return lines;
}

}  // namespace sequora::startup
