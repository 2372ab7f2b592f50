#pragma once
// ShellLinks without the shell: shortcut files read and written with LnkFormat through a
// FileSystem. The answers equal the shell object's on Windows (target in long form from the
// environment block, link info or ID list; working folder; arguments). Used by the native tests,
// and by the Win32 side where the shell's link object is not available.
#include "platform/lnk/LnkFormat.h"
#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/ShellLinks.h"

namespace sequora::platform::lnk {

class LnkShellLinks : public platform::ShellLinks {
 public:
  // `environment` expands the variables of an environment-block target; without one they stay.
  LnkShellLinks(platform::FileSystem& fs, const platform::CodePage& codePage,
                platform::Environment* environment = nullptr)
      : fs_(fs), codePage_(codePage), environment_(environment) {}

  std::unique_ptr<platform::ShellLink> CreateLink() override;

 private:
  platform::FileSystem& fs_;
  const platform::CodePage& codePage_;
  platform::Environment* environment_;
};

}  // namespace sequora::platform::lnk
