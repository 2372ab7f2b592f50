#include "storage/EntryEdit.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/Paths.h"
#include "base/StringOps.h"
#include "storage/Ini.h"
#include "storage/IniText.h"
#include "storage/SettingsFile.h"

namespace sequora::storage {

namespace {

std::int16_t DefaultDelay(const ProgramListContext& context) {
  return context.defaultDelay ? context.defaultDelay() : std::int16_t{0};
}

bool IsFree(const ProgramEntry& e) { return Trim(e.Program).empty() && Trim(e.Dir).empty(); }

bool IsEntryNumber(int n) { return n >= ProgramList::kFirst && n <= ProgramList::kLast; }

// The seven keys of entry n, in the order they are written.
std::array<std::string, 7> EntryKeys(int n) {
  return {key::Program(n),          key::ProgramDir(n),      key::ProgramParam(n),
          key::ProgramStartupDelay(n), key::ProgramMinimized(n), key::ProgramDisabled(n),
          key::ProgramConfirmMessageBoxNr(n)};
}

}  // namespace

std::string EntryFieldText(std::string_view typed) {
  std::string out;
  out.reserve(typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) {
    const char c = typed[i];
    if (c == '\r' && i + 1 < typed.size() && typed[i + 1] == '\n') ++i;  // CR LF is one line break
    out += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
  }
  return out;
}

platform::PathParts SplitCommandLine(platform::FileSystem& fs, const std::string& commandLine) {
  const std::string text = Trim(EntryFieldText(commandLine));
  const auto split = [&](const std::string& program, const std::string& parameters) {
    platform::PathParts parts;
    parts.directory = AddPathSeparator(platform::GetDirectoryPart(fs, program));
    parts.file = Trim(GetFileNamePart(program));
    parts.parameters = Trim(parameters);
    return parts;
  };
  if (text.size() > 1 && text[0] == '"') {
    const std::size_t close = text.find('"', 1);
    if (close != std::string::npos) return split(text.substr(1, close - 1), text.substr(close + 1));
  }
  for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', blank + 1)) {
    const std::string program = TrimRight(text.substr(0, blank));
    if (fs.FileExists(program) || fs.FileExists(program + ".exe")) return split(program, text.substr(blank + 1));
  }
  return platform::SplitPath(fs, text);
}

std::string StoredStartupDelay(const std::string& typed, std::int16_t defaultDelay) {
  if (Trim(typed).empty()) return {};
  const auto number = ToInt16(typed);
  return number && *number == defaultDelay ? std::string() : typed;
}

bool SaveEntry(const ProgramListContext& context, ProgramList& list, int n, const EntryFields& fields) {
  ProgramEntry* entry = list.At(n);
  if (!IsEntryNumber(n) || !entry) return false;
  const std::int16_t defaultDelay = DefaultDelay(context);
  const std::string delay = EntryFieldText(fields.startupDelay);
  ProgramEntry stored;
  stored.Program = EntryFieldText(fields.program);
  stored.Dir = EntryFieldText(fields.dir);
  stored.Param = EntryFieldText(fields.param);
  stored.StartupDelay = StoredStartupDelay(delay, defaultDelay);
  stored.Minimized = fields.minimized;
  stored.Disabled = fields.disabled;
  stored.ConfirmMessageBoxNr = fields.group;
  if (WriteProgramEntry(context, n, stored) != IniWrite::Written) return false;

  entry->Program = std::move(stored.Program);
  entry->Dir = std::move(stored.Dir);
  entry->Param = std::move(stored.Param);
  entry->StartupDelay = Trim(delay).empty() ? std::to_string(defaultDelay) : delay;
  entry->Minimized = stored.Minimized;
  entry->Disabled = stored.Disabled;
  entry->ConfirmMessageBoxNr = stored.ConfirmMessageBoxNr;
  return true;
}

int FindFreeSlot(const ProgramList& list, int minStartNr) {
  const int from = std::max(minStartNr, ProgramList::kFirst);
  for (int n = from; n <= kLastAddSlot; ++n) {
    if (IsFree(*list.At(n))) return n;
  }
  for (int n = ProgramList::kFirst; n < from && n <= kLastAddSlot; ++n) {
    if (IsFree(*list.At(n))) return n;
  }
  return 0;
}

std::string DuplicateQuestionText(const std::string& file) {
  return "Program:\r" + file + "\ralready exists in the list\r\rDo you want to add it anyway?\rProgram maybe starts twice!";
}

AddOutcome AddProgramToList(const ProgramListContext& context, ProgramList& list, IconStore* icons,
                            const std::string& commandLine, int minStartNr, const AddAnyway& addAnyway,
                            bool disabled) {
  const platform::PathParts parts = SplitCommandLine(context.fileSystem, commandLine);
  if (Trim(parts.file).empty()) return {AddResult::NothingToAdd, 0};

  const std::optional<int> listed =
      IsProgramInList(context.fileSystem, list, AddPathSeparator(parts.directory) + parts.file);
  const bool found = listed.has_value();
  const int existing = listed.value_or(0);
  const int slot = FindFreeSlot(list, minStartNr);
  if (slot == 0) return found ? AddOutcome{AddResult::AlreadyListed, existing} : AddOutcome{AddResult::ListFull, 0};
  if (found && !(addAnyway && addAnyway(parts.file, existing))) return {AddResult::AlreadyListed, existing};

  // A free slot may keep the bitmap of the program it held before.
  if (icons) icons->RemoveIcon(slot);
  EntryFields fresh;
  fresh.program = parts.file;
  fresh.dir = parts.directory;
  fresh.param = parts.parameters;
  fresh.disabled = disabled ? 1 : 0;
  if (!SaveEntry(context, list, slot, fresh)) return {AddResult::NotWritten, 0};
  return {AddResult::Added, slot};
}

RemoveOutcome RemoveProgramFromList(const ProgramListContext& context, ProgramList& list,
                                    const std::string& commandLine) {
  const platform::PathParts parts = SplitCommandLine(context.fileSystem, commandLine);
  const std::optional<int> listed =
      IsProgramInList(context.fileSystem, list, AddPathSeparator(parts.directory) + parts.file);
  if (!listed) return {};
  const int index = *listed;

  // Blanks read back as empty values: the slot is free in the file.
  ProgramEntry cleared;
  cleared.Program = cleared.Dir = cleared.Param = " ";
  cleared.ConfirmMessageBoxNr = 0;
  if (WriteProgramEntry(context, index, cleared) != IniWrite::Written) return {index, false};

  ProgramEntry& entry = *list.At(index);
  entry.Program.clear();
  entry.Dir.clear();
  entry.Param.clear();
  entry.StartupDelay = std::to_string(DefaultDelay(context));
  entry.Minimized = 0;
  entry.Disabled = 0;
  entry.ConfirmMessageBoxNr = 0;
  return {index, true};
}

SwapOutcome SwapEntries(const ProgramListContext& context, ProgramList& list, IconStore* icons, int a, int b) {
  if (!IsEntryNumber(a) || !IsEntryNumber(b)) return {};
  if (a == b) return {true, true};

  Ini ini(context.fileSystem);
  const std::optional<IniSnapshot> file = ini.ReadSnapshot(context.iniPath);
  if (!file) return {};  // never write over what could not be read
  // Entry a's values go to b's keys and b's to a's, as they read (an empty delay stays empty, so
  // the entry keeps following the default); what is written reads back the same.
  const auto keysA = EntryKeys(a), keysB = EntryKeys(b);
  const auto stored = [&](const std::string& key) {
    return file->Lookup(section::kProgramList, key).value_or(std::string());
  };
  std::vector<std::pair<std::string, std::string>> values;
  for (std::size_t i = 0; i < keysA.size(); ++i) values.emplace_back(keysB[i], stored(keysA[i]));
  for (std::size_t i = 0; i < keysB.size(); ++i) values.emplace_back(keysA[i], stored(keysB[i]));
  if (ini.WriteValues(section::kProgramList, values, context.iniPath, true) != IniWrite::Written) return {};

  ProgramEntry& entryA = *list.At(a);
  ProgramEntry& entryB = *list.At(b);
  std::swap(entryA, entryB);
  for (ProgramEntry* e : {&entryA, &entryB}) {
    e->ConfirmState = ConfirmState::Undecided;
    e->IsRunning = false;
  }
  return {true, icons && icons->SwapIconFiles(a, b)};
}

}  // namespace sequora::storage
