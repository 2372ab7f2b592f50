// The main window's side of the group confirmation: which group the window asks about, and what
// an answer does to the entries of the group.
#include <algorithm>
#include <string>
#include <vector>

#include "run/Form1.h"

namespace sequora::run {

void Form1::OpenGroupConfirmation(int entry, int group) {
  const storage::ProgramEntry* asked = ProgramList.At(entry);
  if (!asked || asked->ConfirmState != 0) return;
  if (!ConfirmWindowOpen) {
    msgBoxForm.Show();
    ConfirmWindowOpen = true;
  }
  if (msgBoxForm.GetCurGroupNR() == group) return;

  // Every entry of the group gets a line; the icon shown is that of the first entry whose icon
  // has not been saved as a file.
  std::vector<std::string> lines;
  int pictureEntry = 0;
  for (int n = storage::ProgramList::kFirst; n <= storage::ProgramList::kLast; ++n) {
    const storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr != group) continue;
    if (pictureEntry == 0 && !IsIconAvailable(n).empty()) pictureEntry = n;
    lines.push_back("Prg." + std::to_string(n) + "  " + e.Program + " (+" + e.StartupDelay + " sec)");
  }
  msgBoxForm.LoadValue(group, lines, pictureEntry);
}

void Form1::ShowNextConfirmDialog(bool& result) {
  result = false;
  for (int n = std::max(CurrentEntry, storage::ProgramList::kFirst); n <= storage::ProgramList::kLast; ++n) {
    const storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr > 0 && e.ConfirmState == 0) {
      OpenGroupConfirmation(n, e.ConfirmMessageBoxNr);
      result = true;
      return;
    }
  }
}

void Form1::SetConfirmStatus(int group, int state) {
  for (int n = storage::ProgramList::kFirst; n <= storage::ProgramList::kLast; ++n) {
    storage::ProgramEntry& e = *ProgramList.At(n);
    if (e.ConfirmMessageBoxNr != group) continue;
    e.ConfirmState = static_cast<std::int16_t>(state);
    e.Skip = state == 2;
  }
  int first = CurrentEntry;
  FillText1Text(first);
}

}  // namespace sequora::run
