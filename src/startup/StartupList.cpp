#include "startup/StartupList.h"

#include <algorithm>

#include "base/Paths.h"
#include "base/StringOps.h"

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
  return CheckIfProgrammIsDisabled(ProgramList, n, Scan(), settings_.CheckRunningProgramTasks);
}

StatusView StartupList::Rebuild(int first) {
  // One look at the processes and windows for the reload and every entry below.
  const ProcessScan scan = Scan();
  ReloadProgrammListeObj(scan);
  const bool detectRunning = settings_.CheckRunningProgramTasks;

  StatusView view;
  for (int n = kFirst; n <= kLast; ++n) view.status[n] = CheckIfProgrammIsDisabled(ProgramList, n, scan, detectRunning);

  std::string lines;
  if (first < kLast + 1) {
    view.sortLines.reserve(kLast);
    lines.reserve(16 * 1024);
    for (int n = kFirst; n <= kLast; ++n) {
      storage::ProgramEntry& entry = *ProgramList.At(n);
      RunPathRow& row = RunPaths[static_cast<size_t>(n)];
      if (entry.Dir.empty()) {
        // Cleared, not kept: an entry that lost its folder (edited, or moved in the list) must not
        // start the program that stood there before.
        row = RunPathRow{};
        view.sortLines.emplace_back();
        continue;
      }
      row = RunPathRow{AddPathSeparator(entry.Dir), entry.Program, entry.Param};
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

void StartupList::SetConfirmState(int group, ConfirmState state) {
  for (int n = kFirst; n <= kLast; ++n) {
    storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr != group) continue;
    e.ConfirmState = state;
    e.Skip = state == ConfirmState::SkipAll;
  }
}

std::optional<int> StartupList::NextUndecidedGroupEntry(int from) const {
  for (int n = std::max(from, kFirst); n <= kLast; ++n) {
    const storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr > 0 && e.ConfirmState == ConfirmState::Undecided) return n;
  }
  return std::nullopt;
}

std::vector<std::string> StartupList::GroupLines(int group) const {
  std::vector<std::string> lines;
  for (int n = kFirst; n <= kLast; ++n) {
    const storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr == group)
      lines.push_back("Prg." + std::to_string(n) + "  " + e.Program + " (+" + e.StartupDelay + " sec)");
  }
  return lines;
}

}  // namespace sequora::startup
