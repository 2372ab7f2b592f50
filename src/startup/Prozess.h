#pragma once
// Module Prozess: is a program running? A program counts as running when a process of that
// program exists and owns a visible top-level window with a title. A process is of the program
// when its executable file name is the program's file name (case ignored; a name that merely
// contains it, as notepad.exe contains pad.exe, is another program) and, where the system lets
// the process's full image path be read, that path names the same file (long forms, case
// ignored): an app.exe in another folder is another program.
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

#include "platform/Environment.h"
#include "platform/FileSystem.h"
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
  // With `fs` a program's path and a process's image path are compared in their long forms; with
  // `environment` a program's path has its variables expanded first. Without them (tests of
  // names alone) paths are compared as written.
  explicit ProcessScan(platform::Processes& processes, platform::FileSystem* fs = nullptr,
                       platform::Environment* environment = nullptr)
      : source_(processes), fs_(fs), environment_(environment) {}

  // Executable names folded to lower case, with their process ids and image paths ("" where
  // they cannot be read), in snapshot order; empty when the snapshot failed.
  struct Process {
    std::string lowerName;
    std::uint32_t processId = 0;
    std::string imagePath;
  };
  const std::vector<Process>& Processes() const;
  // Every top-level window in Z order.
  const std::vector<WindowRecord>& Windows() const;

  // The file a stored program path names: variables expanded, parameters written after a quoted
  // program and stray quotes removed.
  std::string ProgramFile(std::string_view path) const;
  // Whether two full paths name one file.
  bool SameFile(const std::string& a, const std::string& b) const;

 private:
  platform::Processes& source_;
  platform::FileSystem* fs_;
  platform::Environment* environment_;
  mutable std::optional<std::vector<Process>> processes_;
  mutable std::optional<std::vector<WindowRecord>> windows_;
};

// The id of the first process of the program at `path` (see the top of this file); with no
// folder in `path` the file name alone decides. 0 when there is none (or no file name).
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
