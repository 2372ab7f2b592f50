// The main window's side of the group confirmation: which group the window asks about, and what
// an answer does to the entries of the group.
#include <string>
#include <vector>

#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::OpenGroupConfirmation(int entry, int group) {
  const storage::ProgramEntry* asked = startupList.At(entry);
  if (!asked || asked->ConfirmState != storage::ConfirmState::Undecided) return;
  if (!ConfirmWindowOpen) {
    msgBoxForm.Show();
    ConfirmWindowOpen = true;
  }
  if (msgBoxForm.GetCurGroupNR() == group) return;

  // The icon shown is that of the first entry of the group whose icon has not been saved as a file.
  int pictureEntry = 0;
  for (int n = storage::ProgramList::kFirst; n <= storage::ProgramList::kLast && pictureEntry == 0; ++n)
    if (startupList.At(n)->ConfirmMessageBoxNr == group && !IsIconAvailable(n).empty()) pictureEntry = n;
  msgBoxForm.LoadValue(group, startupList.GroupLines(group), pictureEntry);
}

bool Form1::ShowNextConfirmDialog() {
  const std::optional<int> entry = startupList.NextUndecidedGroupEntry(sequencer.CurrentEntry());
  if (!entry) return false;
  OpenGroupConfirmation(*entry, startupList.At(*entry)->ConfirmMessageBoxNr);
  return true;
}

void Form1::SetConfirmStatus(int group, storage::ConfirmState state) {
  // What the run has started or passed over stays as it is: an answer comes too late for it.
  startupList.SetConfirmState(group, state, sequencer.CurrentEntry());
  FillText1Text();
}

// The question is moot once the run has started or passed over every entry of its group: the
// window goes on to the next group not yet asked, or closes.
void Form1::ConfirmationStillNeeded() {
  if (!msgBoxForm.Loaded()) return;
  const int group = msgBoxForm.GetCurGroupNR();
  if (group < 1 || (!sequencer.RunOver() && startupList.GroupHasEntryToCome(group, sequencer.CurrentEntry()))) return;
  if (sequencer.RunOver() || !ShowNextConfirmDialog()) msgBoxForm.Unload();
}

std::string Form1::GroupText(int group) { return editor.QuestionCombo.List(group - 1); }

}  // namespace sequora::forms
