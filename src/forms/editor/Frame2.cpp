// The entry editor: its wiring, the fields of one entry, showing an entry, saving it, and leaving
// it with unsaved changes.
#include "forms/editor/Frame2.h"

#include "base/StringOps.h"
#include "storage/Groups.h"

namespace sequora::forms {

namespace {
constexpr int kKeyUp = 38, kKeyDown = 40;  // virtual-key codes

// Fields that are typed into are white while they have the focus and take the panel's colour
// otherwise, so the one being edited stands out.
void FocusColours(ui::TextBox& box) {
  box.SetBackColor(ui::kButtonFace);
  box.GotFocus = [&box] { box.SetBackColor(ui::kWhite); };
  box.LostFocus = [&box] { box.SetBackColor(ui::kButtonFace); };
}
}  // namespace

Frame2::Frame2(ui::Form& host, EditorHost& editorHost, platform::Dialogs& dialogs, platform::FileSystem& fs,
               platform::Icons& icons)
    : ui::Frame(host, "Frame2"), host_(editorHost), dialogs_(dialogs), fs_(fs), icons_(icons) {
  Layout();
  Wire();
}

void Frame2::Wire() {
  for (ui::TextBox* box : {&Text5, &Text6, &Text8, &WaitTimeTXT}) {
    FocusColours(*box);
    box->Change = [this] { MarkDirty(); };
  }
  WaitTimeTXT.Change = [this] {
    MarkDirty();
    ShowDefaultMark();
  };
  WaitTimeTXT.LostFocus = [this] {
    WaitTimeTXT.SetBackColor(ui::kButtonFace);
    ApplyDelayRule();
  };
  // A new program name brings its icon before the entry is saved; a field only passed through
  // keeps the icon the entry has (which may be one the user chose).
  Text6.LostFocus = [this] {
    Text6.SetBackColor(ui::kButtonFace);
    FollowProgramFields();
  };

  Text7.GotFocus = [this] {
    ++loading_;
    Text7.SetText("");
    --loading_;
  };
  Text7.LostFocus = [this] { ApplyPaste(); };
  // Something pasted counts as a change, so Enter saves it straight from the paste box.
  Text7.Change = [this] {
    if (!Trim(Text7.Text()).empty() && Text7.Text() != kPastePrompt) MarkDirty();
  };

  Check2.Click = [this] { MarkDirty(); };
  ProgrEnabledCheck.Click = [this] {
    ShowDisabledState();
    MarkDirty();
  };
  DisabledSettings.Click = [this] { ProgrEnabledCheck.SetValue(ProgrEnabledCheck.Value() == 1 ? 0 : 1); };
  EnabDisabLabel.Click = DisabledSettings.Click;
  QuestionCeck.Click = [this] {
    ShowGroupState();
    MarkDirty();
  };
  QuestionSettings.Click = [this] { QuestionCeck.SetValue(QuestionCeck.Value() == 1 ? 0 : 1); };
  // Choosing another group is a change like any other.
  QuestionCombo.Click = [this] { MarkDirty(); };

  // The number field is the keyboard's way through the list: Up and Down step to the previous
  // and next entry.
  Text4.KeyDown = [this](int key) {
    if (key == kKeyUp) Command8_Click();
    if (key == kKeyDown) Command7_Click();
  };
  Command9.Click = [this] { SaveEntry(); };
  Command6.Click = [this] {
    Text5.SetText("");
    Text6.SetText("");
    Text8.SetText("");
    Check2.SetValue(0);
    FollowProgramFields();
  };
  Command7.Click = [this] { Command7_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  UpButton.Click = [this] { UpButton_Click(); };
  DwnButton.Click = [this] { DwnButton_Click(); };
  AddButton.Click = [this] { AddButton_Click(); };
  Command16.Click = [this] { Command16_Click(); };
  ProgramIcon.Click = [this] { ProgramIcon_Click(); };
  AddIcon_Btn.Click = [this] { AddIcon_Btn_Click(); };
  ListRefresh.Tick = [this] {
    ListRefresh.SetEnabled(false);
    host_.EntriesChanged(refreshEntry_);
  };
}

int Frame2::ShownEntry() const {
  const int n = ToInt16(Text4.Text()).value_or(0);
  return n >= storage::ProgramList::kFirst && n <= storage::ProgramList::kLast ? n : 0;
}

void Frame2::MarkDirty() {
  if (loading_ == 0 && ShownEntry() > 0) Command9.SetEnabled(true);
}

storage::EntryFields Frame2::Fields() const {
  storage::EntryFields fields;
  fields.program = Text6.Text();
  fields.dir = Text5.Text();
  fields.param = Text8.Text();
  fields.startupDelay = WaitTimeTXT.Text();
  fields.minimized = static_cast<std::int16_t>(Check2.Value());
  fields.disabled = static_cast<std::int16_t>(ProgrEnabledCheck.Value());
  fields.group = storage::GroupOfEditor(QuestionCeck.Value() == 1, QuestionCombo.ListIndex());
  return fields;
}

// A number (blanks around it are fine) is written back plainly; anything else becomes the default
// delay. An empty field stays empty: it means the default already, and follows later changes of it.
void Frame2::ApplyDelayRule() {
  const std::string& typed = WaitTimeTXT.Text();
  if (Trim(typed).empty()) return;
  const std::optional<std::int16_t> number = ToInt16(Trim(typed));
  WaitTimeTXT.SetText(std::to_string(number ? *number : host_.DefaultDelay()));
}

void Frame2::ShowDefaultMark() {
  const std::optional<std::int16_t> number = ToInt16(Trim(WaitTimeTXT.Text()));
  IsDefaultLabel.SetVisible(number && *number == host_.DefaultDelay());
}

void Frame2::ShowDisabledState() {
  const bool disabled = ProgrEnabledCheck.Value() == 1;
  DisabledSettings.SetPicture(Picture::Named(disabled ? "disabled" : "enabled"));
  EnabDisabLabel.SetCaption(disabled ? "Disabled" : "Enabled");
  EnabDisabLabel.SetForeColor(disabled ? ui::kDarkRed : ui::kDarkGreen);
}

void Frame2::ShowGroupState() {
  const bool grouped = QuestionCeck.Value() == 1;
  QuestionCombo.SetEnabled(grouped);
  Command16.SetEnabled(grouped);
  QuestionSettings.SetPicture(Picture::Named(grouped ? "question" : "noquestion"));
}

void Frame2::SetNewIndex(int newIndex) {
  const bool wasShown = Visible();
  if (!host_.SettingsPanelOpen() && !Visible()) {
    SetVisible(true);
    host_.EditorShown();
  }
  // The entry being edited chosen again: it stays as typed.
  if (wasShown && newIndex + 1 == ShownEntry()) {
    SyncSortRow(ShownEntry());
    host_.HighlightEntry(ShownEntry());
    return;
  }
  if (!OfferToSave()) {
    // The save failed: the editor keeps the entry and what was typed, and the lists point at it.
    SyncSortRow(ShownEntry());
    host_.HighlightEntry(ShownEntry());
    return;
  }
  if (newIndex < 0 || newIndex >= storage::ProgramList::kLast) {
    UpButton.SetEnabled(false);
    DwnButton.SetEnabled(false);
    return;
  }
  ShowEntryInEditor(newIndex + 1);
  SyncSortRow(newIndex + 1);
}

void Frame2::SortListClicked(int row) {
  if (!syncingSort_ && row >= 0) SetNewIndex(row);
}

void Frame2::SyncSortRow(int n) {
  if (n < 1 || host_.SortRow() == n - 1) return;
  syncingSort_ = true;
  host_.SelectSortRow(n - 1);
  syncingSort_ = false;
}

bool Frame2::OfferToSave() {
  if (!Dirty() || ShownEntry() < 1) return true;
  const int answer = dialogs_.MsgBox("Save changes in Nr." + Text4.Text() + "?\r\n\r\n" + Text5.Text() + Text6.Text(),
                                     "Save Changes?", platform::msgbox::kYesNo | platform::msgbox::kQuestion);
  if (answer == platform::msgbox::kAnswerYes) return SaveEntry();
  ShowEntryInEditor(ShownEntry());  // discarded: the fields show the entry as stored
  return true;
}

void Frame2::ShowEntryInEditor(int n) {
  const storage::ProgramEntry* entry = n >= storage::ProgramList::kFirst ? host_.EditedList().At(n) : nullptr;
  if (!entry) return;
  ++loading_;
  Text6.SetText(entry->Program);
  Text5.SetText(entry->Dir);
  Text8.SetText(entry->Param);
  Text4.SetText(std::to_string(n));
  Text7.SetText(kPastePrompt);
  LoadEditorIcon("");
  WaitTimeTXT.SetText(entry->StartupDelay);
  Check2.SetValue(entry->Minimized >= 1 ? 1 : 0);
  ProgrEnabledCheck.SetValue(entry->Disabled == 1 ? 1 : 0);
  ShowDisabledState();
  const int position = storage::SelectorPositionOf(entry->ConfirmMessageBoxNr);
  QuestionCeck.SetValue(entry->ConfirmMessageBoxNr < 1 ? 0 : 1);
  QuestionCombo.SetListIndex(position);
  ShowGroupState();
  if (entry->Dir.empty() && entry->Program.empty()) {
    WaitTimeTXT.SetText("");
    IsDefaultLabel.SetVisible(false);
  } else {
    ShowDefaultMark();
  }
  --loading_;
  Command9.SetEnabled(false);
  AfterEntryShown(n);
  host_.HighlightEntry(n);
}

void Frame2::AfterEntryShown(int n) {
  UpButton.SetEnabled(n > storage::ProgramList::kFirst);
  DwnButton.SetEnabled(n < storage::ProgramList::kLast);
}

bool Frame2::SaveEntry() {
  const int n = ShownEntry();
  if (n < 1) return false;
  // Enter may come while the paste box or the delay still has the focus: their rules first.
  ApplyPaste();
  ApplyDelayRule();
  FollowProgramFields();
  const storage::EntryFields fields = Fields();
  storage::ProgramList& list = host_.EditedList();
  const storage::ProgramListContext context = host_.EditedListContext();
  if (!storage::SaveEntry(context, list, n, fields)) {
    Command9.SetEnabled(true);  // what was typed stays, to be saved again
    host_.ShowSaveFailed(context.iniPath);
    return false;
  }
  Command9.SetEnabled(false);
  // The fields show what was stored (line breaks became blanks).
  const storage::ProgramEntry& stored = *list.At(n);
  ++loading_;
  Text6.SetText(stored.Program);
  Text5.SetText(stored.Dir);
  Text8.SetText(stored.Param);
  iconSource_ = Text5.Text() + Text6.Text();
  --loading_;
  const bool iconSaved = SaveEditorIcon(n);
  // Only the saved entry's group can have come into use: its name is read when its item shows a
  // number still (names change only through the name button, which shows them at once).
  const int position = storage::SelectorPositionOf(fields.group);
  if (position >= 0 && QuestionCombo.List(position) == std::to_string(fields.group)) {
    ++loading_;
    QuestionCombo.SetList(position, storage::GroupItemText(fields.group, storage::ReadGroupName(fs_, context.iniPath, fields.group)));
    --loading_;
  }
  ++loading_;
  QuestionCombo.SetListIndex(storage::SelectorPositionOf(fields.group));
  --loading_;
  host_.EntrySaved(n, Visible());
  if (!iconSaved && store_) host_.ShowSaveFailed(store_->IconPath(n));
  return true;
}

void Frame2::Command7_Click() {
  int n = ShownEntry() + 1;
  if (n > storage::ProgramList::kLast) n = storage::ProgramList::kLast;
  SetNewIndex(n - 1);
}

void Frame2::Command8_Click() {
  int n = ShownEntry() - 1;
  if (n < storage::ProgramList::kFirst) n = storage::ProgramList::kFirst;
  SetNewIndex(n - 1);
}

}  // namespace sequora::forms
