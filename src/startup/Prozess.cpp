#include "startup/Prozess.h"

#include "base/StringOps.h"
#include "platform/CommandLine.h"
#include "platform/FilePaths.h"

namespace sequora::startup {

const std::vector<ProcessScan::Process>& ProcessScan::Processes() const {
  if (!processes_) {
    processes_.emplace();
    if (auto snapshot = source_.ProcessSnapshot()) {
      processes_->reserve(snapshot->size());
      for (auto& p : *snapshot) {
        std::string_view name = p.exeName;
        name = name.substr(0, name.find('\0'));
        processes_->push_back({ToLower(name), p.processId, std::move(p.imagePath)});
      }
    }
  }
  return *processes_;
}

const std::vector<WindowRecord>& ProcessScan::Windows() const {
  if (!windows_) {
    windows_.emplace();
    auto windows = source_.TopLevelWindows();
    windows_->reserve(windows.size());
    for (auto& w : windows) windows_->push_back({std::move(w.title), w.processId, w.handle, w.visible});
  }
  return *windows_;
}

std::string ProcessScan::ProgramFile(std::string_view path) const {
  std::string text(path);
  if (environment_) text = environment_->ExpandVariables(text);
  return platform::RemoveQuotes(platform::SplitProgramText(text).program);
}

bool ProcessScan::SameFile(const std::string& a, const std::string& b) const {
  if (!fs_) return EqualsNoCase(a, b);
  return EqualsNoCase(GetLongPath(*fs_, a), GetLongPath(*fs_, b));
}

std::uint32_t FindProcessId(const ProcessScan& scan, std::string_view path) {
  const std::string program = scan.ProgramFile(path);
  const size_t cut = program.find_last_of("\\/");
  const std::string name = ToLower(cut == std::string::npos ? program : program.substr(cut + 1));
  if (name.empty()) return 0;
  const bool hasFolder = cut != std::string::npos;
  for (const auto& p : scan.Processes()) {
    if (p.lowerName != name) continue;
    if (!hasFolder || p.imagePath.empty() || scan.SameFile(program, p.imagePath)) return p.processId;
  }
  return 0;
}

std::vector<WindowRecord> ListTopLevelWindows(const ProcessScan& scan, bool includeUntitled) {
  std::vector<WindowRecord> rows;
  for (const auto& w : scan.Windows())
    if (includeUntitled || !w.Title.empty()) rows.push_back(w);
  return rows;
}

WindowRecord GetWindowRecord(const ProcessScan& scan, std::int64_t handle) {
  for (const auto& w : scan.Windows())
    if (w.Handle == handle) return w;
  return {};
}

std::int64_t FindProgramWindow(const ProcessScan& scan, std::string_view path) {
  std::uint32_t processId = FindProcessId(scan, path);
  if (processId == 0) return kNoWindow;  // no process: windows without an owner do not count
  for (const auto& w : scan.Windows())
    if (w.Visible && !w.Title.empty() && w.ProcessId == processId) return w.Handle;
  return kNoWindow;
}

// A window handle is never 0 or 1; kNoWindow is -1.
bool IsProgramRunning(const ProcessScan& scan, std::string_view path) { return FindProgramWindow(scan, path) >= 2; }

}  // namespace sequora::startup
