#pragma once
// The startup log: what the run did not do as planned. Every entry is kept in LogText (each
// followed by CR) and, while GenerateLogFile is on, appended to the log file beside the program as
// three lines: an empty one, the time and date, the text. The file keeps at most kMaxLogBytes: the
// entry that would pass it first moves the file to "<name>.old.log" (replacing an older one).
#include <functional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Launcher.h"
#include "storage/AppPaths.h"
#include "storage/Settings.h"

namespace sequora::startup {

class StartupLog {
 public:
  static constexpr std::size_t kMaxLogBytes = 1024 * 1024;

  StartupLog(platform::FileSystem& fs, platform::Environment& environment, platform::Launcher& launcher,
             platform::Dialogs& dialogs, const storage::AppPaths& paths, const storage::MainSettings& settings)
      : fs_(fs), environment_(environment), launcher_(launcher), dialogs_(dialogs), paths_(paths), settings_(settings) {}

  void AddLog(const std::string& text);
  // Shows the log: the file in Notepad when the file is written (GenerateLogFile), otherwise
  // LogText in a message box. Returns LogText.
  std::string GetLog();
  const std::string& LogText() const { return logText_; }
  // Empties the log file (DeleteLogfileOnStartup): removed, then made again empty.
  void DeleteLogFile();
  // Where an over-long log goes: the log's name with ".old.log" for its ".log".
  std::string OldLogPath() const;

  // Called after every entry (the window's log buttons become usable).
  std::function<void()> OnAdded;

 private:
  platform::FileSystem& fs_;
  platform::Environment& environment_;
  platform::Launcher& launcher_;
  platform::Dialogs& dialogs_;
  const storage::AppPaths& paths_;
  const storage::MainSettings& settings_;
  std::string logText_;
  void AppendToFile(const std::string& block);
};

}  // namespace sequora::startup
