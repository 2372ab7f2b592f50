// The row list control: what the user does on a row, and the host calls it leads to. The host may
// refill the list from inside any call, so a call into the host is the last step of each action.
#include <algorithm>

#include "controls/ListBoxExtended.h"

namespace sequora::controls {

namespace {
// Windows virtual-key codes.
constexpr int kKeyReturn = 13;
constexpr int kKeySpace = 32;
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;
constexpr int kKeyEnd = 35;
constexpr int kKeyHome = 36;
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;

bool IsText(RowElement e) { return e == RowElement::Text1 || e == RowElement::Text2; }
}  // namespace

void ListBoxExtended::UserClick(int row, RowElement element) {
  if (row < 0 || row >= InstanceCount()) return;
  if (IsText(element)) return;  // the focus change is what reports a click into a text
  // Everything else takes the focus from a row text, as buttons do in any window: the focus
  // rectangle then stands on the clicked row, which the highlight shows.
  UserFocusLeft();
  if (row >= InstanceCount()) return;
  ListBoxRow& r = Row(row);
  if (element == RowElement::Check1) r.Check1.SetValue(r.Check1.Value() == 0 ? 1 : 0);
  if (element == RowElement::Check2) r.Check2.SetValue(r.Check2.Value() == 0 ? 1 : 0);
  SelectRow(row);
  if (const int entry = EntryOfRow(row); entry >= 0) SetHighlight(entry, row);
  if (element == RowElement::Label1) return;
  NotifyHost(row, element);
}

void ListBoxExtended::UserFocus(int row, RowElement element) {
  if (!IsText(element)) {
    UserFocusLeft();
    return;
  }
  if (row < 0 || row >= InstanceCount()) return;
  if (row == focusRow_ && element == focusElement_) return;
  UserFocusLeft();
  if (row >= InstanceCount()) return;  // the host emptied the list meanwhile
  focusRow_ = row;
  focusElement_ = element;
  SelectRow(row);
  NotifyHost(row, element);
}

void ListBoxExtended::UserFocusLeft() {
  if (focusRow_ < 0) return;
  const int row = focusRow_;
  const RowElement element = focusElement_;
  focusRow_ = -1;
  if (row >= InstanceCount() || !host_) return;
  const int entry = EntryOfRow(row);
  if (entry < 0) return;
  // A copy: the host may empty the list while it holds the text.
  const std::string text = element == RowElement::Text1 ? Row(row).Text1.Text() : Row(row).Text2.Text();
  if (element == RowElement::Text1) {
    host_->E_ListBox_Text1_LostFocus(entry, text);
  } else {
    host_->E_ListBox_Text2_LostFocus(entry, text);
  }
}

// The keys move the selection, as in any list; the view follows it. Enter (and Space) press the
// selected row's button, which asks before it runs anything.
void ListBoxExtended::UserKeyDown(int keyCode) {
  if (rowCount_ == 0) return;
  const int current = selectedRow_ >= 0 && selectedRow_ < rowCount_ ? selectedRow_ : -1;
  if (keyCode == kKeyReturn || keyCode == kKeySpace) {
    if (current >= 0 && Row(current).Command1.Visible()) UserClick(current, RowElement::Command1);
    return;
  }
  const int page = std::max(1, Height() / RowHeight - 1);
  int target = current;
  switch (keyCode) {
    case kKeyUp: target = current < 0 ? FirstRowInView() : current - 1; break;
    case kKeyDown: target = current < 0 ? FirstRowInView() : current + 1; break;
    case kKeyPageUp: target = current - page; break;
    case kKeyPageDown: target = current + page; break;
    case kKeyHome: target = 0; break;
    case kKeyEnd: target = rowCount_ - 1; break;
    default: return;
  }
  target = std::clamp(target, 0, rowCount_ - 1);
  const int entry = EntryOfRow(target);
  if (entry < 0) return;
  BringIntoView(target);
  Set_ListIndex(entry, true);
  // The host hears of the new row as of a click into its text (the editor follows it).
  UserFocus(target, RowElement::Text1);
}

int ListBoxExtended::FirstRowInView() const {
  for (int row = 0; row < rowCount_ && row < InstanceCount(); ++row)
    if (Row(row).InView) return row;
  return 0;
}

void ListBoxExtended::BringIntoView(int row) {
  const int first = FirstRowInView();
  const int whole = std::max(1, Height() / RowHeight);  // rows that fit entirely
  if (row < first) {
    ScrollTo(row);
  } else if (row >= first + whole) {
    ScrollTo(row - whole + 1);
  }
}

// Calls the host's procedure for a user action on the row, with the row's entry number.
void ListBoxExtended::NotifyHost(int row, RowElement element) {
  if (!host_) return;
  const int entry = EntryOfRow(row);
  if (entry < 0) return;  // a row that shows no entry (the design row of an emptied list)
  const ListBoxRow& r = Row(row);
  switch (element) {
    case RowElement::Command1: host_->E_ListBox_Button1_Click(entry); break;
    case RowElement::Command2: host_->E_ListBox_Button2_Click(entry); break;
    case RowElement::Picture1: host_->E_ListBox_Picture1_Click(entry); break;
    case RowElement::Picture2: host_->E_ListBox_Picture2_Click(entry); break;
    case RowElement::Picture3: host_->E_ListBox_Picture3_Click(entry); break;
    case RowElement::Check1: host_->E_ListBox_Check1_Click(entry, r.Check1.Value()); break;
    case RowElement::Check2: host_->E_ListBox_Check2_Click(entry, r.Check2.Value()); break;
    case RowElement::Text1: {
      const std::string text = r.Text1.Text();  // a copy, as above
      host_->E_ListBox_Text1_GotFocus(entry, text);
      break;
    }
    case RowElement::Text2: {
      const std::string text = r.Text2.Text();
      host_->E_ListBox_Text2_GotFocus(entry, text);
      break;
    }
    case RowElement::Label1: break;
  }
}

}  // namespace sequora::controls
