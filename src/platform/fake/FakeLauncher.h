#pragma once
// Launcher for the tests: records every start with the current directory of the file system at
// that moment, and starts nothing.
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Launcher.h"

namespace sequora::platform {

class FakeLauncher : public Launcher {
 public:
  // `fileSystem` (may be null) is asked for the current directory at each start.
  explicit FakeLauncher(FileSystem* fileSystem = nullptr) : fileSystem_(fileSystem) {}

  struct Started {
    std::string commandLine;
    int showState = 0;
    std::string currentDirectory;
  };
  std::vector<Started> started;
  std::vector<std::string> notepadFiles;
  bool failStarts = false;  // every start reports failure (still recorded)

  bool StartProgram(const std::string& commandLine, int showState) override;
  bool StartNotepad(const std::string& file) override;

 private:
  FileSystem* fileSystem_;
};

}  // namespace sequora::platform
