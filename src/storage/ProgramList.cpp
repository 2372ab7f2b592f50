#include "storage/ProgramList.h"

#include <algorithm>
#include <string_view>

#include "base/StringOps.h"
#include "platform/FilePaths.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::storage {

namespace {

std::int16_t NumberOrZero(const std::string& text) { return ToInt16(text).value_or(0); }

// Only 1..kLastGroup name a group; anything else (500 would open a nameless question) is none.
std::int16_t GroupNumber(const std::string& text) {
  const std::int16_t group = NumberOrZero(text);
  return group == 0 || (group >= 1 && group <= kLastGroup) ? group : std::int16_t{-1};
}

std::string DefaultDelayText(const ProgramListContext& context) {
  return std::to_string(context.defaultDelay ? context.defaultDelay() : 0);
}

// The stored fields of entry n, in the order the keys are read; `read(key, default)` is one read.
template <typename Read>
ProgramEntry ReadStoredFields(const ProgramListContext& context, int n, Read&& read) {
  ProgramEntry entry;
  entry.Program = read(key::Program(n), "");
  entry.Dir = read(key::ProgramDir(n), "");
  entry.Param = read(key::ProgramParam(n), "");
  entry.ConfirmMessageBoxNr = GroupNumber(read(key::ProgramConfirmMessageBoxNr(n), "-1"));
  entry.Minimized = NumberOrZero(read(key::ProgramMinimized(n), "0"));
  entry.StartupDelay = read(key::ProgramStartupDelay(n), DefaultDelayText(context));
  entry.Disabled = NumberOrZero(read(key::ProgramDisabled(n), "0"));
  return entry;
}

void CheckRunning(const ProgramListContext& context, int n) {
  if (context.checkProgramRunning && ProgramList::IsValidIndex(n)) context.checkProgramRunning(n);
}

std::string WithoutQuotes(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '"'), s.end());
  return s;
}

}  // namespace

int DelaySeconds(const ProgramEntry& entry, int defaultDelay) {
  const std::optional<std::int16_t> seconds = ToInt16(entry.StartupDelay);
  return seconds && *seconds >= 0 ? *seconds : std::max(defaultDelay, 0);
}

ProgramEntry ReadProgramEntry(const ProgramListContext& context, ProgramList& list, int n) {
  Ini ini(context.fileSystem);
  ProgramEntry entry = ReadStoredFields(context, n, [&](const std::string& key, const std::string& def) {
    return ini.ReadIni(section::kProgramList, key, context.iniPath, def);
  });
  if (const ProgramEntry* current = list.At(n)) {
    entry.Done = current->Done;
    entry.Skip = current->Skip;
    entry.Started = current->Started;
  }
  CheckRunning(context, n);
  return entry;
}

IniWrite WriteProgramEntry(const ProgramListContext& context, int n, const ProgramEntry& entry) {
  Ini ini(context.fileSystem);
  return ini.WriteValues(section::kProgramList,
                            {{key::Program(n), entry.Program},
                             {key::ProgramDir(n), entry.Dir},
                             {key::ProgramParam(n), entry.Param},
                             {key::ProgramStartupDelay(n), entry.StartupDelay},
                             {key::ProgramMinimized(n), std::to_string(entry.Minimized)},
                             {key::ProgramDisabled(n), std::to_string(entry.Disabled)},
                             {key::ProgramConfirmMessageBoxNr(n), std::to_string(entry.ConfirmMessageBoxNr)}},
                            context.iniPath, true);
}

bool ReloadProgrammListeObj(const ProgramListContext& context, ProgramList& list) {
  Ini ini(context.fileSystem);
  // A file that cannot be read is not an empty one: reading it as such would blank every entry.
  const std::optional<IniSnapshot> file = ini.ReadSnapshot(context.iniPath);
  if (!file) return false;
  for (int n = ProgramList::kFirst; n <= ProgramList::kLast; ++n) {
    ProgramEntry fresh = ReadStoredFields(context, n, [&](const std::string& key, const std::string& def) {
      return file->ReadIni(section::kProgramList, key, def);
    });
    ProgramEntry* entry = list.At(n);
    entry->Dir = std::move(fresh.Dir);
    entry->Disabled = fresh.Disabled;
    entry->Minimized = fresh.Minimized;
    entry->Param = std::move(fresh.Param);
    entry->Program = std::move(fresh.Program);
    entry->ConfirmMessageBoxNr = fresh.ConfirmMessageBoxNr;
    entry->StartupDelay = std::move(fresh.StartupDelay);
    entry->IsRunning = false;
    // One check per entry: a check before the copy would be cleared again at once.
    CheckRunning(context, n);
  }
  return true;
}

std::optional<int> IsProgramInList(platform::FileSystem& fs, const ProgramList& list, const std::string& path) {
  const std::string wanted = WithoutQuotes(path);
  if (wanted.empty()) return std::nullopt;
  const std::string a = ToLower(platform::GetShortPath(fs, wanted));
  for (int n = ProgramList::kFirst; n <= ProgramList::kLast; ++n) {
    const ProgramEntry* entry = list.At(n);
    if (entry->Dir.empty() && entry->Program.empty()) continue;  // a free slot never matches
    const std::string b = WithoutQuotes(ToLower(platform::GetShortPath(fs, entry->Dir + entry->Program)));
    if (b.find(a) != std::string::npos) return n;
  }
  return std::nullopt;
}

}  // namespace sequora::storage
