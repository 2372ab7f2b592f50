#pragma once
// The startup list as the run sees it: the program list read from the settings file, the run
// table RunPaths the run starts programs from, the status of every entry, and the groups'
// confirmation answers. No widgets: the main window shows what Rebuild returns.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Processes.h"
#include "startup/EntryStatus.h"
#include "startup/Launcher.h"
#include "startup/Log.h"
#include "startup/Prozess.h"
#include "storage/AppPaths.h"
#include "storage/ProgramList.h"
#include "storage/Settings.h"

namespace sequora::startup {

// RunPaths: per entry (rows 1..101 used) the folder with its separator, the program file and the
// parameters, as the run starts them. An entry without a folder whose program field holds a whole
// path (or command line) is split as the paste box splits one.
using RunPathRow = std::array<std::string, 3>;
using RunPathTable = std::array<RunPathRow, 104>;

// What a rebuild of the status view shows, from one look at the processes.
struct StatusView {
  // Per entry (1..101): will it start, and why not.
  std::array<EntryStatus, storage::ProgramList::kLast + 1> status;
  std::vector<std::string> sortLines;  // one line per entry 1..101 (SortierList)
  std::string text;                    // the status text: head line, dashes, one line per entry
  int left = 0;                        // entries left to start
  int disabled = 0;                    // entries passed over
};

class StartupList {
 public:
  StartupList(platform::FileSystem& fs, platform::Environment& environment, platform::Processes& processes,
              const storage::AppPaths& paths, const storage::MainSettings& settings, StartupLog& log)
      : fs_(fs), environment_(environment), processes_(processes), paths_(paths), settings_(settings), log_(log) {}

  storage::ProgramList ProgramList;
  RunPathTable RunPaths{};

  storage::ProgramEntry* At(int n) { return ProgramList.At(n); }

  // Reloads entries 1..101 from the settings file; IsRunning is tested again with `scan`. A file
  // that cannot be read (held open by another program, a network folder gone for a moment) is not
  // an empty one: the list keeps what it held, the log says so once, and false comes back.
  bool ReloadProgrammListeObj(const ProcessScan& scan);
  // Reloads the list and rebuilds what the status view shows from entry `first` on (entries
  // before it get no line; from 102 on none does). Fills RunPaths.
  StatusView Rebuild(int first);
  // Entry n's status on its own look at the processes, with its warning.
  EntryStatus StatusOf(int n);
  // Every entry's status (1..101) on one look at the processes, with the warnings.
  std::array<EntryStatus, storage::ProgramList::kLast + 1> Statuses();
  // The RunPaths row of an entry: folder with separator, file, parameters.
  RunPathRow RunPathsOf(const storage::ProgramEntry& entry) const;
  // The call that starts entry n, as the run starts it.
  ProgramCall CallOf(int n);

  // Every entry of `group` from entry `from` on that the run has not dealt with yet takes the
  // answer (a refusal marks them skipped); what was started or passed over stays as it is.
  void SetConfirmState(int group, storage::ConfirmState state, int from = storage::ProgramList::kFirst);
  // The first entry from `from` on, not yet dealt with, that belongs to a group not yet asked.
  std::optional<int> NextUndecidedGroupEntry(int from) const;
  // Whether an entry of `group` from `from` on is still to be started or passed over.
  bool GroupHasEntryToCome(int group, int from) const;
  // The lines the confirmation window lists for a group, one per entry in list order:
  // "Prg." + N + "  " + program + " (+" + delay the run will wait + " sec)".
  std::vector<std::string> GroupLines(int group) const;

  // A fresh look at the processes, comparing programs as the run names them (variables expanded,
  // long forms).
  ProcessScan Scan() const { return ProcessScan(processes_, &fs_, &environment_); }

 private:
  // Why the run's start of an entry will fail: no program file given, or none there.
  std::string StartProblem(const storage::ProgramEntry& entry) const;
  void AddWarnings(std::array<EntryStatus, storage::ProgramList::kLast + 1>& status);

  platform::FileSystem& fs_;
  platform::Environment& environment_;
  platform::Processes& processes_;
  const storage::AppPaths& paths_;
  const storage::MainSettings& settings_;
  StartupLog& log_;
  bool readFailed_ = false;  // the last reload failed: logged once until a read works again
};

}  // namespace sequora::startup
