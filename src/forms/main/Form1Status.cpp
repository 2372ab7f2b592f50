// The status view in the main window (FillText1Text) and the calls of the row list control that are
// not the editor's.
#include <string>

#include "forms/main/Form1.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::forms {

void Form1::FillText1Text(int first) {
  if (first < 0) first = sequencer.CurrentEntry();
  ShowStatus(first, startupList.Rebuild(first));
}

void Form1::ShowStatus(int first, const startup::StatusView& view) {
  FillExtendedList(OnlyActiveCheck.Value() == 1 && first >= 1 ? first : 0, view.status);
  if (first >= 1 && ListRowOfEntry(first - 1) >= 0) HighlightListRow(first - 1);
  SortierList.SetItems(view.sortLines);
  Text1.SetText(view.text);
  ConfirmationStillNeeded();
}

void Form1::ShowSaveFailed() { ShowSaveFailed(paths_.IniPath); }

void Form1::ShowSaveFailed(const std::string& path) {
  platform_.dialogs.MsgBox("The change could not be saved in " + path +
                               ".\r\nThe file or its folder may be read-only or in use.",
                           "Sequora", platform::msgbox::kExclamation);
}

void Form1::e_ListBox_SetTextDisabled(int controlEntry, bool grey) {
  if (controlEntry < 0 || ListRowOfEntry(controlEntry) < 0) return;
  if (ui::TextBox* text = ListRowText1(controlEntry)) text->SetForeColor(grey ? ui::kGrey : ui::kBlack);
}

// The disabled picture of a row: switches the entry on or off.
void Form1::E_ListBox_Picture2_Click(int row) {
  const int n = row + 1;
  storage::ProgramEntry* entry = row >= 0 ? startupList.At(n) : nullptr;
  if (!entry) return;
  if (settings_.CheckRunningProgramTasks && entry->IsRunning) {
    platform_.dialogs.MsgBox("Program is already running!", "Already started!", platform::msgbox::kInformation);
    return;
  }
  // Stored at once: every rebuild of the status view re-reads the list from the file, which would
  // otherwise undo the click within a second. A write that fails changes nothing and says so.
  const int disabled = entry->Disabled == 1 ? 0 : 1;
  if (storage::Ini(platform_.fileSystem)
          .WriteValue(storage::section::kProgramList, storage::key::ProgramDisabled(n), std::to_string(disabled),
                      paths_.IniPath, true) != storage::IniWrite::Written) {
    ShowSaveFailed();
    return;
  }
  entry->Disabled = static_cast<std::int16_t>(disabled);
  entry->ConfirmState = storage::ConfirmState::Undecided;
  AddToExtendedList(n, true);
  if (OnlyActiveCheck.Value() == 1) FillExtendedList(n);
}

// The group picture of a row: the group set-up, for an entry that has a group.
void Form1::E_ListBox_Picture3_Click(int row) {
  const storage::ProgramEntry* entry = row >= 0 ? startupList.At(row + 1) : nullptr;
  if (entry && entry->ConfirmMessageBoxNr > 0) ShowGroupSetup(row + 1);
}

// The icon and the two texts of a row select the entry in the editor.
void Form1::E_ListBox_Picture1_Click(int row) {
  if (row >= 0) SelectEntryInEditor(row + 1);
}
void Form1::E_ListBox_Text1_GotFocus(int row, const std::string&) {
  if (row >= 0) SelectEntryInEditor(row + 1);
}
void Form1::E_ListBox_Text2_GotFocus(int row, const std::string&) {
  if (row >= 0) SelectEntryInEditor(row + 1);
}

// Columns the main window hides, and focus leaving a row: nothing to do.
void Form1::E_ListBox_Button2_Click(int) {}
void Form1::E_ListBox_Check1_Click(int, int) {}
void Form1::E_ListBox_Check2_Click(int, int) {}
void Form1::E_ListBox_Text1_LostFocus(int, const std::string&) {}
void Form1::E_ListBox_Text2_LostFocus(int, const std::string&) {}

}  // namespace sequora::forms
