// The row list control: what the user does on a row, and the host calls it leads to. The host may
// refill the list from inside any call, so a call into the host is the last step of each action.
#include "controls/ListBoxExtended.h"

namespace sequora::controls {

namespace {
constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;

bool IsText(RowElement e) { return e == RowElement::Text1 || e == RowElement::Text2; }
}  // namespace

void ListBoxExtended::UserClick(int row, RowElement element) {
  if (row < 0 || row >= InstanceCount()) return;
  switch (element) {
    case RowElement::Text1:
    case RowElement::Text2:
      return;  // the focus change is what reports a click into a text
    case RowElement::Label1:
      SelectRow(row);
      return;
    case RowElement::Command1:
    case RowElement::Command2:
    case RowElement::Check1:
    case RowElement::Check2:
      // Buttons and check boxes take the focus from a row text, as they do in any window.
      UserFocusLeft();
      if (row >= InstanceCount()) return;
      break;
    default:
      break;
  }
  ListBoxRow& r = Row(row);
  if (element == RowElement::Check1) r.Check1.SetValue(r.Check1.Value() == 0 ? 1 : 0);
  if (element == RowElement::Check2) r.Check2.SetValue(r.Check2.Value() == 0 ? 1 : 0);
  SelectRow(row);
  if (element == RowElement::Picture2) {
    const int entry = EntryOfRow(row);
    if (entry >= 0) SetHighlight(entry, row);
  }
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

void ListBoxExtended::UserKeyDown(int keyCode) {
  // On the control itself and in a row's Text1; Text2 keeps its keys.
  if (focusRow_ >= 0 && focusElement_ == RowElement::Text2) return;
  if (keyCode == kKeyUp) ScrollBy(-1);
  if (keyCode == kKeyDown) ScrollBy(1);
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
