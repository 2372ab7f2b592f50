#pragma once
#include "platform/ShellLinks.h"

namespace sequora::platform::win32 {

// ShellLinks on the shell's link object (IShellLinkA + IPersistFile). COM is initialised for the
// calling thread from the first CreateLink until this object goes (apartment-threaded; a thread
// already in COM keeps its mode); every call comes from that one thread. Where the shell object cannot be made, or cannot load a file, `fallback` (the portable
// reader and writer) takes over, so shortcuts keep working.
//
// With ReadOrder::FallbackFirst a file is read by the fallback first, and by the shell object only
// where the fallback cannot load it or finds no target; writing stays the shell's. The portable
// reader answers as Windows does and costs a fifth of the shell object under Wine, which matters
// for a scan of a few hundred Startup-folder shortcuts.
class Win32ShellLinks : public ShellLinks {
 public:
  enum class ReadOrder { ShellFirst, FallbackFirst };
  explicit Win32ShellLinks(ShellLinks* fallback = nullptr, ReadOrder order = ReadOrder::ShellFirst);
  ~Win32ShellLinks() override;
  Win32ShellLinks(const Win32ShellLinks&) = delete;
  Win32ShellLinks& operator=(const Win32ShellLinks&) = delete;

  std::unique_ptr<ShellLink> CreateLink() override;

 private:
  ShellLinks* fallback_;
  ReadOrder order_;
  bool comTried_ = false;
  bool comInitialized_ = false;
};

}  // namespace sequora::platform::win32
