#pragma once
// Confirmation groups 1..99: their names in section Groups of the settings file and the texts of
// the group selector (item i stands for group i + 1). A group exists only through the entries
// that carry its number; its name is optional.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "storage/ProgramList.h"

namespace sequora::storage {

inline constexpr int kGroupCount = 99;

// The mark a selector item may carry after its text; it is not part of the group's name.
inline constexpr char kConfirmMark[] = " *";

// The group an entry gets from the editor: the selector position + 1 when "Confirm start (group)"
// is ticked (0, no group, when no item is selected), else -1.
std::int16_t GroupOfEditor(bool ticked, int selectorPosition);

// The selector position of a group (group - 1); -1 for no group or a number outside 1..99.
int SelectorPositionOf(int group);

// A selector item: the group's name, or its number when it has none.
std::string GroupItemText(int group, const std::string& name);

// An item's text without the confirmation mark: the group's display text (the confirmation
// window's caption, the proposal of the naming dialog).
std::string WithoutConfirmMark(const std::string& itemText);

// The selector's texts before any name is known: "1" to "99".
std::vector<std::string> InitialGroupItems();

// The stored name of a group ("" when it has none or the number is outside 1..99).
std::string ReadGroupName(platform::FileSystem& fs, const std::string& iniPath, int group);

// RefreshGroupList: every item of a group that an entry of `list` uses gets the group's name, or
// its number; items of unused groups keep their text. One read of the file. `items` holds 99
// texts (a shorter list is left as it is beyond its end).
void RefreshGroupList(platform::FileSystem& fs, const std::string& iniPath, const ProgramList& list,
                      std::vector<std::string>& items);

// The file side of naming a group: the answer of the input box is trimmed (line breaks become
// blanks) and stored when it is not empty and differs from the item's current text; an empty
// answer never removes a name. Returns the item's text afterwards, from the file: the name, or
// the number. A group outside 1..99 gets nothing written and returns `currentItemText`.
std::string NameGroup(platform::FileSystem& fs, const std::string& iniPath, int group, const std::string& answer,
                      const std::string& currentItemText);

}  // namespace sequora::storage
