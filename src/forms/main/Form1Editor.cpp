// The main window's side of the entry editor (Frame2): what a change in the editor does to the
// rows, the hidden sort list and the status view, the program icons of the rows, the group test.
#include <algorithm>
#include <string>

#include "base/StringOps.h"
#include "forms/main/Form1.h"
#include "storage/Groups.h"

namespace sequora::forms {

void Form1::PrepareEditor() {
  // The group selector holds its 99 items before the first entry is shown, so that entry's group
  // is selected.
  editor.QuestionCombo.SetItems(storage::InitialGroupItems());
  CloseFrameBtn.SetCancel(true);  // Esc closes the side panel
  SortierList.Click = [this] { editor.SortListClicked(SortierList.ListIndex()); };
  // Icons are drawn at the window's DPI: a change of it loads them again, at the new size.
  OnDpiChanged = [this] {
    if (!editor.Icons()) return;
    SetupIconList();
    FillText1Text();
  };
}

void Form1::EditSelectedEntry() {
  if (!editor.Visible()) SelectEntryInEditor(std::max(ListBoxExtended1.GetIndex(), 0) + 1);
  if (editor.Visible()) editor.Text6.SetFocus();
}

int Form1::IconSizePx() const { return (32 * Dpi() + 48) / 96; }

void Form1::SetupIconList() {
  if (!editor.Icons()) editor.SetIconsDir(paths_.IconsDir);
  editor.Initialize_Iconlist(IconSizePx());
  // Rows filled before the icons were loaded take theirs now.
  for (int n = storage::ProgramList::kFirst; n <= storage::ProgramList::kLast; ++n) {
    const storage::ProgramEntry* entry = startupList.At(n);
    if (ListRowOfEntry(n - 1) >= 0 && !(entry->Dir.empty() && entry->Program.empty()))
      ListBoxExtended1.SetPicture1(ProgramIconList(n), n - 1);
  }
}

Picture Form1::ProgramIconList(int entry) { return editor.ProgramIconList(entry); }
void Form1::LoadProgrIcon(int n, ui::PictureBox& target) { editor.LoadProgrIcon(n, target); }
std::string Form1::IsIconAvailable(int n) { return editor.IsIconAvailable(n); }

void Form1::Command7_Click() { editor.Command7_Click(); }
void Form1::RefreshGroupList() { editor.RefreshGroupList(); }
void Form1::ShowEntryInEditor(int entry) { editor.ShowEntryInEditor(entry); }

// A row of the list was clicked: the sort list takes the entry and the editor follows it. The same
// row again (after the panel was closed) opens the editor on it.
void Form1::SelectEntryInEditor(int entry) {
  const int row = entry - 1;
  if (SortierList.ListIndex() != row && row < SortierList.ListCount())
    SortierList.SetListIndex(row);  // its click calls SetNewIndex
  else
    editor.SetNewIndex(row);
}

// The group picture of a row: the entry in the editor, its group ready to be named.
void Form1::ShowGroupSetup(int entry) {
  SelectEntryInEditor(entry);
  if (editor.ShownEntry() == entry && editor.Visible()) editor.QuestionCombo.SetFocus();
}

storage::ProgramListContext Form1::EditedListContext() {
  return {platform_.fileSystem, paths_.IniPath, [this] { return settings_.ProgramDelayDefault; }, {}};
}

void Form1::EditorShown() {
  CloseFrameBtn.SetVisible(true);
  ArrangeListFrame();
}

void Form1::EntrySaved(int n, bool announce) {
  if (announce) SetLabel1(std::to_string(n) + " saved");
  FillText1Text();
  if (editor.Visible()) HighlightListRow(n - 1);
}

void Form1::EntriesChanged(int n) {
  FillText1Text();
  if (editor.Visible() && n > 0) HighlightListRow(n - 1);
}

void Form1::RunConfirmCombo(int group) {
  if (group < 1 || group > storage::kGroupCount) return;
  if (!ConfirmWindowOpen) {
    msgBoxForm.Show();
    ConfirmWindowOpen = true;
  }
  int pictureEntry = 0;
  for (int n = storage::ProgramList::kFirst; n <= storage::ProgramList::kLast && pictureEntry == 0; ++n)
    if (startupList.At(n)->ConfirmMessageBoxNr == group) pictureEntry = n;
  msgBoxForm.LoadValue(group, startupList.GroupLines(group), pictureEntry);
}

}  // namespace sequora::forms
