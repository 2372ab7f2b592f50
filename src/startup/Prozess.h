#pragma once
// Module Prozess: is a program running? A program counts as running when a process with its
// executable file name exists and that process owns a visible top-level window with a title.
// Hidden windows do not count: every program with a user interface owns hidden titled windows
// (the input-method window "Default IME", for one), and a program that lives only in the
// notification area must not count as running.
//
// Every question needs the process list and the window list. A ProcessScan takes each of them
// at most once (on first use) and answers any number of questions from them, so a pass over the
// whole program list costs one snapshot and one window enumeration. A single question makes its
// own: FindProcessId(ProcessScan(processes), path).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Processes.h"

namespace sequora::startup {

// One top-level window.
struct WindowRecord {
  std::string Title;
  std::uint32_t ProcessId = 0;
  std::int64_t Handle = 0;
  bool Visible = false;
};

inline constexpr std::int64_t kNoWindow = -1;

class ProcessScan {
 public:
  explicit ProcessScan(platform::Processes& processes) : source_(processes) {}

  // Executable names folded to lower case, with their process ids, in snapshot order; empty
  // when the snapshot failed.
  struct Process {
    std::string lowerName;
    std::uint32_t processId = 0;
  };
  const std::vector<Process>& Processes() const;
  // Every top-level window in Z order.
  const std::vector<WindowRecord>& Windows() const;

 private:
  platform::Processes& source_;
  mutable std::optional<std::vector<Process>> processes_;
  mutable std::optional<std::vector<WindowRecord>> windows_;
};

// The id of the process whose executable name equals the file name of `path` (the part after
// the last "\"), ignoring case; failing that, of the last process whose name contains it; 0 when
// none does (or the file name is empty).
std::uint32_t FindProcessId(const ProcessScan& scan, std::string_view path);

// The top-level windows in Z order; untitled ones only when asked for.
std::vector<WindowRecord> ListTopLevelWindows(const ProcessScan& scan, bool includeUntitled);

// The record of one window of the scan; an empty record (handle 0) when it is not there.
WindowRecord GetWindowRecord(const ProcessScan& scan, std::int64_t handle);

// The handle of the first visible titled top-level window of the program's process, kNoWindow
// (-1) when the program has no such window or does not run.
std::int64_t FindProgramWindow(const ProcessScan& scan, std::string_view path);

// The program at `path` runs: it has such a window.
bool IsProgramRunning(const ProcessScan& scan, std::string_view path);

}  // namespace sequora::startup
