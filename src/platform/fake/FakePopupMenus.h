#pragma once
// Context menus for the tests: records every menu shown and answers with the next choice of a
// queue, given as the caption of the item to pick ("" or an empty queue: dismissed, as Esc does).
// Picking an item that is greyed, a separator or not there dismisses the menu too.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/PopupMenus.h"

namespace sequora::platform {

class FakePopupMenus : public PopupMenus {
 public:
  std::vector<std::vector<PopupMenuItem>> shown;
  std::vector<PopupMenuPosition> positions;
  std::deque<std::string> choices;
  // Runs while the menu is open (what the program does meanwhile), before the choice is taken.
  std::function<void()> whileOpen;

  int TrackPopupMenu(const std::vector<PopupMenuItem>& items, const PopupMenuPosition& at) override;

  // The last menu shown, as "caption" per item: "-" for a line, "[x]" after a checked caption,
  // "(grey)" after a greyed one.
  std::vector<std::string> LastMenu() const;
};

}  // namespace sequora::platform
