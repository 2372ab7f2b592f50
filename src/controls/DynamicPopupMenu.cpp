#include "controls/DynamicPopupMenu.h"

#include "base/StringOps.h"

namespace sequora::controls {

namespace {

constexpr std::string_view kChecked = "[CHECKED]";
constexpr std::string_view kDisabled = "[DISABLED]";

std::vector<std::string> SplitAtCommas(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    pieces.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return pieces;
    start = comma + 1;
  }
}

}  // namespace

std::string DynamicPopupMenu::Popup(const std::string& mItems) {
  if (Trim(mItems).empty()) return {};
  const std::vector<std::string> pieces = SplitAtCommas(mItems);
  for (size_t i = 0; i < pieces.size() && i < kMaxItems; ++i) {
    std::string piece = pieces[i];
    bool checked = false;
    bool disabled = false;
    if (const size_t at = piece.find(kChecked); at != std::string::npos) {
      checked = true;
      piece.erase(at, kChecked.size());
    }
    if (const size_t at = ToUpper(piece).find(kDisabled); at != std::string::npos) {
      disabled = true;
      piece.erase(at, kDisabled.size());
    }
    const std::string caption = Trim(piece);
    if (!caption.empty())
      AddMenuItem(static_cast<int>(i) + 1, caption, false, checked, disabled ? kStateGrayed : kStateEnabled);
  }
  const int number = ShowMenu();
  std::string answer = GetItemCaption(number);
  menu_.clear();  // a fresh, empty menu for the next showing
  return answer;
}

void DynamicPopupMenu::AddMenuItem(int number, const std::string& caption, bool isDefault, bool checked, int state) {
  if (number < 1 || number > kMaxItems) return;
  platform::PopupMenuItem item;
  item.command = number;
  if (caption == "-") {
    item.separator = true;
  } else {
    item.caption = caption;
    item.checked = checked;
    item.isDefault = isDefault;
    item.grayed = state == kStateDisabled || state == kStateGrayed;
  }
  menu_.push_back(item);
  itemCaptions_[static_cast<size_t>(number)] = caption;
}

int DynamicPopupMenu::ShowMenu(int x, int y) {
  platform::PopupMenuPosition at;
  if (x != -1) at.x = x;
  if (y != -1) at.y = y;
  return menus_.TrackPopupMenu(menu_, at);
}

std::string DynamicPopupMenu::GetItemCaption(int number) const {
  if (number < 0 || number > kMaxItems) return {};
  return itemCaptions_[static_cast<size_t>(number)];
}

}  // namespace sequora::controls
