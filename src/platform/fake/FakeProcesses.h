#pragma once
// Processes and windows for the tests: plain tables the test fills, and a count of the calls, so
// that tests and benchmarks can check "one snapshot and one window enumeration per pass".
#include <vector>

#include "platform/Processes.h"

namespace sequora::platform {

class FakeProcesses : public Processes {
 public:
  std::vector<ProcessInfo> processes;  // in snapshot order
  std::vector<WindowInfo> windows;     // in Z order
  bool failSnapshot = false;           // the snapshot cannot be taken

  int snapshotCalls = 0;
  int windowListCalls = 0;
  void ResetCalls() { snapshotCalls = windowListCalls = 0; }

  // Adds a process with a fresh id and returns the id; `imagePath` "" = its path cannot be read.
  std::uint32_t AddProcess(std::string exeName, std::string imagePath = "");
  // Adds a window of the process below all others and returns its fresh handle (2 and up).
  std::int64_t AddWindow(std::uint32_t processId, std::string title, bool visible = true);
  // A process with one titled window: a program that runs visibly.
  std::uint32_t AddRunningProgram(std::string exeName, std::string title, std::string imagePath = "");

  std::optional<std::vector<ProcessInfo>> ProcessSnapshot() override;
  std::vector<WindowInfo> TopLevelWindows() override;

 private:
  std::uint32_t nextId_ = 100;
  std::int64_t nextHandle_ = 0x10010;
};

}  // namespace sequora::platform
