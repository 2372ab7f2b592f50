#pragma once
// Changes to program entries, as the entry editor, the order buttons, the import and the restore
// make them. Each change writes every key it touches in one replacement of the settings file, so
// a crash leaves the old entries or the new ones, never half an entry or one entry twice; the
// in-memory table follows only when the file took the change. Nothing here asks the user: where
// the editor asks, the caller passes the answer in.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/FilePaths.h"
#include "storage/IconStore.h"
#include "storage/ProgramList.h"

namespace sequora::storage {

// The highest slot the add operation fills; slot 101 is reached only through the editor or a move.
inline constexpr int kLastAddSlot = 100;

// Text typed or pasted into a field, as it may be stored: every line break (CR LF, CR or LF) and
// NUL becomes one blank, so that a value can never begin a new line of the settings file.
std::string EntryFieldText(std::string_view typed);

// A whole command line, as pasted into the paste box or handed over by the import, split into
// folder (ending in its separator), file and parameters; line breaks become blanks first. The
// program ends where Windows itself would end it: a quoted program at its closing quote (the
// parameters keep their own quotes), an unquoted one at the first blank where the text before it
// names an existing file (or that name + ".exe"). Otherwise SplitPath decides (the parameters
// begin at the first blank after the first "." of the file name). So a backslash in the
// parameters ("rundll32.exe C:\x\y.dll,Entry") does not move the folder. An empty text gives
// three empty fields.
platform::PathParts SplitCommandLine(platform::FileSystem& fs, const std::string& commandLine);

// The editor's fields for one entry, as typed.
struct EntryFields {
  std::string program;          // Text6
  std::string dir;              // Text5
  std::string param;            // Text8
  std::string startupDelay;     // WaitTimeTXT
  std::int16_t minimized = 0;   // Check2
  std::int16_t disabled = 0;    // ProgrEnabledCheck
  std::int16_t group = -1;      // GroupOfEditor(QuestionCeck, QuestionCombo position)
};

// The StartupDelay value stored for a typed delay: empty when the text is empty or its number is
// the default delay, so that the entry follows later changes of the default; else the text.
std::string StoredStartupDelay(const std::string& typed, std::int16_t defaultDelay);

// The editor's save of entry n (1..101): its seven keys in one replacement, then the table (the
// delay as typed, or the default delay when the field is empty). Line breaks in the fields become
// blanks. False when the file could not be written: file and table are unchanged. The icon is
// the caller's next step (IconStore::Save_Picture), after a successful save.
bool SaveEntry(const ProgramListContext& context, ProgramList& list, int n, const EntryFields& fields);

// The first free slot (folder and program empty) from `minStartNr` to 100; when every one of those
// is taken, the first free one below `minStartNr`. 0 when slots 1 to 100 are all taken.
int FindFreeSlot(const ProgramList& list, int minStartNr);

enum class AddResult {
  Added,          // a new entry holds the program
  AlreadyListed,  // the program was in the list, and no second copy was added
  ListFull,       // slots 1 to 100 are taken and the program is not listed: nothing written
  NothingToAdd,   // the command line names no program: nothing written
  NotWritten,     // the settings file could not be written: nothing changed
};

struct AddOutcome {
  AddResult result = AddResult::NothingToAdd;
  int entry = 0;  // Added: the new entry; AlreadyListed: the entry that holds the program

  // Whether the program is in the list afterwards: only then may the import take it out of
  // Windows.
  bool InList() const { return result == AddResult::Added || result == AddResult::AlreadyListed; }
};

// What the caller shows when the add is refused.
inline constexpr char kListFullText[] = "The list is full (100 programs).";

// Asked when the program is already in the list at `existingEntry`: true adds it a second time.
// The editor asks the user (DuplicateQuestionText); "Add all" of the import may decline at once.
using AddAnyway = std::function<bool(const std::string& file, int existingEntry)>;

// The question text and title of the duplicate warning, for `file` (the program's file name).
std::string DuplicateQuestionText(const std::string& file);
inline constexpr char kDuplicateQuestionTitle[] = "Program already in list!";

// AddProgramToList: puts a command line into the first free slot from `minStartNr` on
// (FindFreeSlot), as a fresh entry: folder, file and parameters from SplitCommandLine; empty delay, normal window, enabled, no group. A stale bitmap
// of the slot is removed first, so the new entry shows its program's icon. One file read and one
// replacement; the table is updated, so adds in a row need no reload between them. With
// `disabled` the entry is written disabled in the same replacement (an autostart item that
// Windows' startup settings switched off stays off).
AddOutcome AddProgramToList(const ProgramListContext& context, ProgramList& list, IconStore* icons,
                            const std::string& commandLine, int minStartNr, const AddAnyway& addAnyway,
                            bool disabled = false);

struct RemoveOutcome {
  int entry = 0;         // the entry that held the program; 0: not in the list
  bool cleared = false;  // its keys were written
};

// RemoveProgramFromList: clears the first entry whose folder and file contain the command line's
// program (SplitCommandLine, then IsProgramInList; parameters do not count). The entry is written as the restore has
// always written it (program, folder and parameters one blank each, empty delay, 0, 0, group 0),
// in one replacement, and the table follows, so a second remove of the same program in a row
// finds the next copy.
RemoveOutcome RemoveProgramFromList(const ProgramListContext& context, ProgramList& list,
                                    const std::string& commandLine);

struct SwapOutcome {
  bool entries = false;  // the two entries were exchanged in the file and the table
  bool icons = false;    // their bitmaps were exchanged too (or there were none)
};

// SwapEntries: exchanges entries a and b (1..101) in one replacement of the file. The stored key
// values move as they stand, so an entry with an empty delay keeps following the default, and no
// value is cut. In the table the records change places (Done and Skip travel with them; the
// confirmation state and the running flag are cleared). Then the bitmaps are exchanged; without
// `icons` they are left alone. Nothing changes when the file could not be written.
SwapOutcome SwapEntries(const ProgramListContext& context, ProgramList& list, IconStore* icons, int a, int b);

}  // namespace sequora::storage
