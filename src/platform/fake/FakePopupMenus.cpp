#include "platform/fake/FakePopupMenus.h"

namespace sequora::platform {

int FakePopupMenus::TrackPopupMenu(const std::vector<PopupMenuItem>& items, const PopupMenuPosition& at) {
  shown.push_back(items);
  positions.push_back(at);
  if (whileOpen) whileOpen();
  if (choices.empty()) return 0;
  const std::string choice = choices.front();
  choices.pop_front();
  for (const PopupMenuItem& item : items)
    if (!item.separator && !item.grayed && item.caption == choice) return item.command;
  return 0;
}

std::vector<std::string> FakePopupMenus::LastMenu() const {
  std::vector<std::string> lines;
  if (shown.empty()) return lines;
  for (const PopupMenuItem& item : shown.back()) {
    if (item.separator) {
      lines.push_back("-");
      continue;
    }
    std::string line = item.caption;
    if (item.checked) line += " [x]";
    if (item.grayed) line += " (grey)";
    lines.push_back(line);
  }
  return lines;
}

}  // namespace sequora::platform
