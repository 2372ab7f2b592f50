#pragma once
// Launcher for the tests: starts nothing. Records every attempt of Start on either way with the
// answer it got (so a direct attempt refused with 740 and the shell attempt after it are both
// there), and the attempts that succeeded: what would run now. Either way can be told to fail
// with a given Win32 error, for every program or for one.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Launcher.h"

namespace sequora::platform {

class FakeLauncher : public Launcher {
 public:
  // One attempt, as the system would have been asked: the request is the cleaned one.
  struct Attempt {
    StartWay way = StartWay::Direct;
    std::string program;
    std::string parameters;
    std::string folder;
    int showState = 0;
    std::uint32_t error = 0;  // what the fake answered; 0 = started
  };
  std::vector<Attempt> attempts;

  // A program that started: its command line (the quoted program, then the parameters), show
  // state, working folder and the way it went.
  struct Started {
    std::string commandLine;
    int showState = 0;
    std::string folder;
    StartWay way = StartWay::Direct;
  };
  std::vector<Started> started;
  std::vector<std::string> notepadFiles;

  // From now on, attempts on `way` fail with `error` (e.g. error::kElevationRequired,
  // error::kFileNotFound) - for every program, or only for `program` (case ignored). The rule
  // given last wins; error 0 makes the way succeed again.
  void FailWith(StartWay way, std::uint32_t error, std::string program = "");

  // The system's English texts for the codes the launcher's callers meet, "error N" otherwise.
  std::string ErrorText(std::uint32_t error) override;
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
};

}  // namespace sequora::platform
