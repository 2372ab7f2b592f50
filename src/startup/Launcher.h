#pragma once
// LaunchProgram: the one way the startup run, a row's run button and the editor's run-now button
// start a program.
#include <string>

#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "startup/Log.h"
#include "storage/AppPaths.h"
#include "storage/Settings.h"

namespace sequora::startup {

class ProgramLauncher {
 public:
  ProgramLauncher(platform::FileSystem& fs, platform::Launcher& launcher, const storage::AppPaths& paths,
                  const storage::MainSettings& settings, StartupLog& log)
      : fs_(fs), launcher_(launcher), paths_(paths), settings_(settings), log_(log) {}

  // Starts `command` (a program path, possibly quoted) with `params` and the show state `style`
  // (1 normal with focus, 6 minimised without focus) in the folder `dir`; an empty `dir` means
  // the command's folder. The current drive and folder are changed for the start and set back to
  // the program folder afterwards. The start uses the short form of the command; a file that is
  // not there is logged (when the log is written) and started all the same. Returns the folder
  // the program was started in.
  std::string LaunchProgram(const std::string& command, int style, const std::string& params, std::string dir);

 private:
  platform::FileSystem& fs_;
  platform::Launcher& launcher_;
  const storage::AppPaths& paths_;
  const storage::MainSettings& settings_;
  StartupLog& log_;
};

}  // namespace sequora::startup
