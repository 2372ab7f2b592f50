#include "storage/Groups.h"

#include "base/StringOps.h"
#include "storage/EntryEdit.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::storage {

namespace {
bool IsGroup(int group) { return group >= 1 && group <= kGroupCount; }
}  // namespace

std::int16_t GroupOfEditor(bool ticked, int selectorPosition) {
  if (!ticked) return -1;
  return static_cast<std::int16_t>(selectorPosition >= 0 && selectorPosition < kGroupCount ? selectorPosition + 1 : 0);
}

int SelectorPositionOf(int group) { return IsGroup(group) ? group - 1 : -1; }

std::string GroupItemText(int group, const std::string& name) {
  return name.empty() ? std::to_string(group) : name;
}

std::string WithoutConfirmMark(const std::string& itemText) {
  return ReplaceText(itemText, kConfirmMark, "", true);
}

std::vector<std::string> InitialGroupItems() {
  std::vector<std::string> items;
  for (int g = 1; g <= kGroupCount; ++g) items.push_back(std::to_string(g));
  return items;
}

std::string ReadGroupName(platform::FileSystem& fs, const std::string& iniPath, int group) {
  if (!IsGroup(group)) return {};
  return Ini(fs).ReadIni(section::kGroups, key::ConfirmGroupName(group), iniPath, "", true);
}

void RefreshGroupList(platform::FileSystem& fs, const std::string& iniPath, const ProgramList& list,
                      std::vector<std::string>& items) {
  const std::optional<IniSnapshot> file = Ini(fs).ReadSnapshot(iniPath);
  if (!file) return;  // names as they were: an unreadable file has none to give
  for (int n = ProgramList::kFirst; n <= ProgramList::kLast; ++n) {
    const int group = list.At(n)->ConfirmMessageBoxNr;
    const int position = SelectorPositionOf(group);
    if (position < 0 || static_cast<std::size_t>(position) >= items.size()) continue;
    items[static_cast<std::size_t>(position)] =
        GroupItemText(group, file->ReadIni(section::kGroups, key::ConfirmGroupName(group), ""));
  }
}

std::string NameGroup(platform::FileSystem& fs, const std::string& iniPath, int group, const std::string& answer,
                      const std::string& currentItemText) {
  if (!IsGroup(group)) return currentItemText;
  const std::string name = Trim(EntryFieldText(answer));
  if (!name.empty() && name != currentItemText) {
    Ini(fs).WriteIni(section::kGroups, key::ConfirmGroupName(group), name, iniPath, true);
  }
  return GroupItemText(group, ReadGroupName(fs, iniPath, group));
}

}  // namespace sequora::storage
