#pragma once
// The running processes and the top-level windows of the desktop, as the detection of running
// programs (run/Prozess) needs them. Win32: platform/win32/Win32Processes (Toolhelp snapshot and
// the window list); tests: platform/fake/FakeProcesses.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sequora::platform {

struct ProcessInfo {
  std::string exeName;  // executable file name as the system reports it, up to its first NUL
  std::uint32_t processId = 0;
  // Full path of the process's executable where the system lets it be read (another user's or a
  // protected process's may not be), "" otherwise. Two programs of the same name in different
  // folders differ here.
  std::string imagePath;
};

struct WindowInfo {
  std::int64_t handle = 0;  // the window's handle as a number (never 0 for a real window)
  std::string title;        // "" for an untitled window
  std::uint32_t processId = 0;
  bool visible = false;  // shown on screen (minimised counts as shown); hidden helper windows are not
};

class Processes {
 public:
  virtual ~Processes() = default;
  // One snapshot of all processes, in the system's order; nullopt when it cannot be taken.
  virtual std::optional<std::vector<ProcessInfo>> ProcessSnapshot() = 0;
  // Every top-level window, titled or not, in Z order (topmost first).
  virtual std::vector<WindowInfo> TopLevelWindows() = 0;
};

}  // namespace sequora::platform
