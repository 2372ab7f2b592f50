#pragma once
#include "platform/Processes.h"

namespace sequora::platform::win32 {

// Processes through a Toolhelp snapshot, each with its image path (OpenProcess with limited
// query rights and QueryFullProcessImageNameA); windows through EnumWindows (Z order).
class Win32Processes : public Processes {
 public:
  std::optional<std::vector<ProcessInfo>> ProcessSnapshot() override;
  std::vector<WindowInfo> TopLevelWindows() override;
};

}  // namespace sequora::platform::win32
