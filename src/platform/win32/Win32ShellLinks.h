#pragma once
#include "platform/ShellLinks.h"

namespace sequora::platform::win32 {

// ShellLinks on the shell's link object (IShellLinkA + IPersistFile). COM is initialised for the
// calling thread while this object lives (apartment-threaded; a thread already in COM keeps its
// mode). Where the shell object cannot be made, or cannot load a file, `fallback` (the portable
// reader and writer) takes over, so shortcuts keep working.
class Win32ShellLinks : public ShellLinks {
 public:
  explicit Win32ShellLinks(ShellLinks* fallback = nullptr);
  ~Win32ShellLinks() override;
  Win32ShellLinks(const Win32ShellLinks&) = delete;
  Win32ShellLinks& operator=(const Win32ShellLinks&) = delete;

  std::unique_ptr<ShellLink> CreateLink() override;

 private:
  ShellLinks* fallback_;
  bool comInitialized_ = false;
};

}  // namespace sequora::platform::win32
