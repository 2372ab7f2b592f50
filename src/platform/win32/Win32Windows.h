#pragma once
#include "platform/Windows.h"
#include "platform/win32/UniqueHandle.h"

namespace sequora::platform::win32 {

// Single instance through a named shared-memory block ("Local\<name>.Instance") that holds the
// first instance's process id. The first instance's main window is its first top-level window
// in Z order that has a caption bar, no owner and no dialog frame (the renderer's main window;
// tool windows without a caption, dialogs such as the pinned group confirmation and hidden helper
// windows without a caption do not qualify).
class Win32Windows : public Windows {
 public:
  bool ClaimSingleInstance(const std::string& appName) override;
  bool ActivateFirstInstance(const std::string& appName) override;
  void EndProgram(int exitCode) override;

 private:
  UniqueHandleObj instance_;  // held for the life of the process
};

}  // namespace sequora::platform::win32
