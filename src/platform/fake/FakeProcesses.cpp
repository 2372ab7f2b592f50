#include "platform/fake/FakeProcesses.h"

namespace sequora::platform {

std::uint32_t FakeProcesses::AddProcess(std::string exeName, std::string imagePath) {
  nextId_ += 4;
  processes.push_back({std::move(exeName), nextId_, std::move(imagePath)});
  return nextId_;
}

std::int64_t FakeProcesses::AddWindow(std::uint32_t processId, std::string title, bool visible) {
  nextHandle_ += 2;
  windows.push_back({nextHandle_, std::move(title), processId, visible});
  return nextHandle_;
}

std::uint32_t FakeProcesses::AddRunningProgram(std::string exeName, std::string title, std::string imagePath) {
  std::uint32_t id = AddProcess(std::move(exeName), std::move(imagePath));
  AddWindow(id, std::move(title));
  return id;
}

std::optional<std::vector<ProcessInfo>> FakeProcesses::ProcessSnapshot() {
  ++snapshotCalls;
  if (failSnapshot) return std::nullopt;
  return processes;
}

std::vector<WindowInfo> FakeProcesses::TopLevelWindows() {
  ++windowListCalls;
  return windows;
}

}  // namespace sequora::platform
