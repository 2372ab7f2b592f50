#pragma once
// Module RunFile: LaunchProgram, the one way the startup run and the editor's run-now button
// start a program (the path operations are in run/RunFile.h).
#include <functional>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Launcher.h"

namespace sequora::run {

struct LaunchContext {
  platform::FileSystem& fileSystem;
  platform::Launcher& launcher;
  std::string appDir;   // the current directory is set back to it after every start
  std::string iniPath;  // for GenerateLogFile
  std::function<void(const std::string&)> addLog;
};

// Starts `command` (a program path, possibly quoted) with `params` and the show state `style`
// (1 normal with focus, 6 minimised without focus) in the folder `dir`; an empty `dir` is
// filled in with the command's folder. The current drive and folder are changed for the start
// and set back to the program folder afterwards. The start uses the short form of the command;
// a file that is not there is logged (when GenerateLogFile is "1") and started all the same.
// Failures are not reported.
void LaunchProgram(const LaunchContext& context, const std::string& command, int style, const std::string& params,
                   std::string& dir);

}  // namespace sequora::run
