#pragma once
// Launcher for the tests: starts nothing. Records every command line of StartProgram with the
// current directory of the file system at that moment, and every attempt of Start on either way
// (so a direct attempt refused with 740 and the shell attempt after it are both there). Either
// way can be told to fail with a given Win32 error, for every program or for one.
#include <cstdint>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Launcher.h"

namespace sequora::platform {

class FakeLauncher : public Launcher {
 public:
  // `fileSystem` (may be null) is asked for the current directory at each StartProgram.
  explicit FakeLauncher(FileSystem* fileSystem = nullptr) : fileSystem_(fileSystem) {}

  struct Started {
    std::string commandLine;
    int showState = 0;
    std::string currentDirectory;
  };
  std::vector<Started> started;
  std::vector<std::string> notepadFiles;
  bool failStarts = false;  // StartProgram and StartNotepad report failure (still recorded)

  // One attempt of Start, as the system would have been asked: the request is the cleaned one.
  struct Attempt {
    StartWay way = StartWay::Direct;
    std::string program;
    std::string parameters;
    std::string folder;
    int showState = 0;
  };
  std::vector<Attempt> attempts;

  // From now on, attempts on `way` fail with `error` (e.g. error::kElevationRequired,
  // error::kFileNotFound) - for every program, or only for `program` (case ignored). The rule
  // given last wins; error 0 makes the way succeed again.
  void FailWith(StartWay way, std::uint32_t error, std::string program = "");

  // The system's English texts for the codes the launcher's callers meet, "error N" otherwise.
  std::string ErrorText(std::uint32_t error) override;
  bool StartProgram(const std::string& commandLine, int showState) override;
  bool StartNotepad(const std::string& file) override;

 protected:
  std::uint32_t StartDirect(const StartRequest& request) override;
  std::uint32_t StartThroughShell(const StartRequest& request) override;

 private:
  std::uint32_t Attempted(StartWay way, const StartRequest& request);

  struct Failure {
    StartWay way;
    std::uint32_t error;
    std::string program;  // "" = every program
  };
  std::vector<Failure> failures_;
  FileSystem* fileSystem_;
};

}  // namespace sequora::platform
