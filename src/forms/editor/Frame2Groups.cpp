// Confirmation groups in the editor: the texts of the group selector and naming a group.
#include "base/StringOps.h"
#include "forms/editor/Frame2.h"
#include "storage/Groups.h"

namespace sequora::forms {

void Frame2::RefreshGroupList() {
  std::vector<std::string> items = QuestionCombo.Items();
  if (items.size() < static_cast<std::size_t>(storage::kGroupCount)) items = storage::InitialGroupItems();
  storage::RefreshGroupList(fs_, host_.EditedListContext().iniPath, host_.EditedList(), items);
  ++loading_;
  if (QuestionCombo.ListCount() != static_cast<int>(items.size())) {
    const int selected = QuestionCombo.ListIndex();
    QuestionCombo.SetItems(items);
    QuestionCombo.SetListIndex(selected);
  } else {
    // Only the items that changed, so the open list does not flicker.
    for (int i = 0; i < QuestionCombo.ListCount(); ++i)
      if (QuestionCombo.List(i) != items[static_cast<std::size_t>(i)]) QuestionCombo.SetList(i, items[static_cast<std::size_t>(i)]);
  }
  --loading_;
}

void Frame2::Command16_Click() {
  const int position = QuestionCombo.ListIndex();
  if (position < 0) {
    dialogs_.MsgBox("Choose a group in the list first, then name it.", "Group-Name", platform::msgbox::kInformation);
    QuestionCombo.SetFocus();
    return;
  }
  const int group = position + 1;
  const std::string current = QuestionCombo.List(position);
  const std::string answer = dialogs_.InputBox("Add / Change the Groupname for Group:" + std::to_string(group),
                                               "Group-Name", storage::WithoutConfirmMark(current));
  const std::string iniPath = host_.EditedListContext().iniPath;
  const std::string shown = storage::NameGroup(fs_, iniPath, group, answer, current);
  ++loading_;
  QuestionCombo.SetList(position, shown);
  --loading_;
  const std::string wanted = Trim(storage::EntryFieldText(answer));
  if (!wanted.empty() && wanted != current && shown != wanted) {
    host_.ShowSaveFailed(iniPath);
    return;
  }
  if (dialogs_.MsgBox("Test the Messagebox now?", "Run test?",
                      platform::msgbox::kOkCancel | platform::msgbox::kQuestion) == platform::msgbox::kAnswerOk)
    host_.RunConfirmCombo(group);
}

}  // namespace sequora::forms
