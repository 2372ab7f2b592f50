#pragma once
// LaunchProgram: the one way the startup run, a row's run button and the editor's run-now button
// start a program.
#include <string>

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "startup/Log.h"
#include "storage/AppPaths.h"
#include "storage/Settings.h"

namespace sequora::startup {

// A program as an entry (or the editor) holds it: the texts as stored, variables and all.
struct ProgramCall {
  std::string folder;      // the program's folder; "" when the program text is the whole path
  std::string program;     // the file name (or a path below the folder); a quoted program may be
                           // followed by parameters, which go before `parameters`
  std::string parameters;
  int showState = platform::show::kNormal;
};

// An entry's Minimized value as a show state: below 1 a normal window, else minimised.
inline int ShowStateFor(int minimized) { return minimized < 1 ? platform::show::kNormal : platform::show::kMinimized; }

// A call as the system gets it: variables expanded, stray quotes gone, a relative folder or
// program taken from `appDir`, long forms. The path is empty for an empty call.
struct ResolvedCall {
  std::string path;        // the program's file
  std::string folder;      // where it runs, ending in its separator
  std::string parameters;  // those written after a quoted program, then the call's own
};
ResolvedCall ResolveProgramCall(platform::FileSystem& fs, platform::Environment& environment,
                                const std::string& appDir, const ProgramCall& call);

// The file `call` names, as ResolveProgramCall finds it but without the long forms, which take a
// look at every folder of the path: enough to ask whether the file is there.
std::string ProgramCallPath(platform::Environment& environment, const std::string& appDir, const ProgramCall& call);

class ProgramLauncher {
 public:
  ProgramLauncher(platform::FileSystem& fs, platform::Environment& environment, platform::Launcher& launcher,
                  const storage::AppPaths& paths, const storage::MainSettings& settings, StartupLog& log)
      : fs_(fs), environment_(environment), launcher_(launcher), paths_(paths), settings_(settings), log_(log) {}

  // Starts the program of `call`. Folder, program and parameters have their variables expanded;
  // stray quotes leave folder and program; a relative path is taken from Sequora's folder. The
  // program's file is named to the system (platform::Launcher::Start), so no other file can run
  // in its place, and the program runs in its folder. Sequora's own current folder is not
  // changed.
  //
  // One log entry for a program that does not start: a file that is not there is logged as not
  // found (when the log file is written, GenerateLogFile) and not started at all; a start the
  // system refuses is logged with the system's reason. A successful start is not logged. An
  // empty call starts and logs nothing.
  platform::StartResult LaunchProgram(const ProgramCall& call);

 private:
  platform::FileSystem& fs_;
  platform::Environment& environment_;
  platform::Launcher& launcher_;
  const storage::AppPaths& paths_;
  const storage::MainSettings& settings_;
  StartupLog& log_;
};

}  // namespace sequora::startup
