// The import window: loading, the two modes, the lists and their pairs, import and restore.
#include "forms/import/ImportForm.h"

#include <algorithm>
#include <set>

#include "autostart/ImportTexts.h"

namespace sequora::forms {

namespace {

namespace text = autostart::text;
namespace mb = platform::msgbox;
using autostart::ImportStatus;

constexpr int kDeleteKey = 46;  // VK_DELETE: takes the selected row off the lists, as a double click

template <typename T>
void EraseAt(std::vector<T>& items, int index) {
  if (index >= 0 && static_cast<size_t>(index) < items.size()) items.erase(items.begin() + index);
}

const autostart::ListPairRows& NoRows() {
  static const autostart::ListPairRows rows{{text::kNothingFound}, {text::kNothingFound}, false};
  return rows;
}

}  // namespace

ImportForm::ImportForm(ImportHost& host, platform::Dialogs& dialogs, autostart::AutostartPlatform platform,
                       const storage::AppPaths& paths)
    : ui::Form("ImportForm"), host_(host), dialogs_(dialogs), platform_(platform), paths_(paths) {
  Layout();
  Wire();
}

void ImportForm::Wire() {
  OnLoad = [this] { Form_Load(); };
  OnUnload = [this] { Form_Unload(); };
  OnKeyDown = [this](int key, bool& handled) { KeyDown(key, handled); };
  AddThisRegBtn.Click = [this] { AddThisRegBtn_Click(); };
  AddBtn.Click = [this] { AddBtn_Click(); };
  AddThisAutostartBtn.Click = [this] { AddThisAutostartBtn_Click(); };
  AddAutostartBtn.Click = [this] { AddAutostartBtn_Click(); };
  RestoreThisRegBtn.Click = [this] { RestoreThisRegBtn_Click(); };
  RegistryRestoreBtn.Click = [this] { RegistryRestoreBtn_Click(); };
  RestoreThisAutostartBtn.Click = [this] { RestoreThisAutostartBtn_Click(); };
  AutoRunRestoreBtn.Click = [this] { AutoRunRestoreBtn_Click(); };
  RestoreBtn.Click = [this] { RestoreBtn_Click(); };
  ReloadBtn.Click = [this] { ReloadLists(); };
  CancelBtn.Click = [this] { Unload(); };
  CurUserCheck.Click = [this] { CurUserCheck_Click(); };
  AllUsrCheck.Click = [this] { AllUsrCheck_Click(); };
  for (const Pair& pair : {RegistryPair(), FolderPair()}) {
    pair.right.Click = [this, pair] { RightClicked(pair); };
    pair.left.Click = [this, pair] { LeftClicked(pair); };
    pair.right.DblClick = [this, pair] { RemoveRow(pair, pair.right.ListIndex()); };
    pair.left.DblClick = [this, pair] { RemoveRow(pair, pair.left.ListIndex()); };
    pair.right.GotFocus = [this, pair] { Entered(pair, true); };
    pair.left.GotFocus = [this, pair] { Entered(pair, false); };
  }
  for (ui::TextBox* box : {&StartPosReg, &StartPosDir})
    box->GotFocus = [box] { box->SetBackColor(ui::kWhite); };
}

void ImportForm::Form_Load() {
  import_.emplace(platform_, host_, paths_.IniPath, paths_.BackupDir);
  restoreMode_ = false;
  RestoreBtn.SetCaption(WithAltKey(text::kToRestoreMode, 'S'));
  ++loading_;
  CurUserCheck.SetValue(1);
  AllUsrCheck.SetValue(0);
  --loading_;
  for (ui::TextBox* box : {&StartPosReg, &StartPosDir}) {
    box->SetText("1");
    box->SetBackColor(ui::kLightGrey);
  }
  Entered(RegistryPair(), false);
  Entered(FolderPair(), false);
  Initialize();
  // The keyboard starts in the first list with something to import.
  if (List2.Enabled())
    List2.SetFocus();
  else if (List4.Enabled())
    List4.SetFocus();
  else
    CancelBtn.SetFocus();
}

void ImportForm::Form_Unload() {
  import_.reset();
  registryItems_.clear();
  shortcutItems_.clear();
  registryRecords_.clear();
  shortcutRecords_.clear();
  host_.ImportWindowClosed();
}

void ImportForm::Initialize() { ReloadLists(); }

void ImportForm::ReloadLists() {
  if (!import_) return;
  for (ui::Button* b : {&AddThisAutostartBtn, &RestoreThisAutostartBtn, &AddThisRegBtn, &RestoreThisRegBtn})
    b->SetEnabled(false);
  const bool importing = !restoreMode_;
  for (ui::Control* c : std::initializer_list<ui::Control*>{&StartPosReg, &StartPosDir, &Label5, &Label6,
                                                            &CurUserCheck, &AllUsrCheck, &AddAutostartBtn,
                                                            &AddBtn, &AddThisRegBtn, &AddThisAutostartBtn})
    c->SetVisible(importing);
  for (ui::Control* c :
       std::initializer_list<ui::Control*>{&RestoreUeberschrift, &RegistryRestoreBtn, &AutoRunRestoreBtn,
                                           &RestoreThisRegBtn, &RestoreThisAutostartBtn})
    c->SetVisible(!importing);

  std::optional<autostart::Message> problem;
  registryItems_.clear();
  shortcutItems_.clear();
  registryRecords_.clear();
  shortcutRecords_.clear();
  if (restoreMode_) {
    autostart::RestoreModeLists lists = import_->LoadRestoreMode();
    registryRecords_ = std::move(lists.registryRecords);
    shortcutRecords_ = std::move(lists.shortcutRecords);
    ShowRows(RegistryPair(), lists.registry);
    ShowRows(FolderPair(), lists.shortcuts);
    AutoRunRestoreBtn.SetEnabled(lists.shortcuts.hasItems);
    RegistryRestoreBtn.SetEnabled(lists.registry.hasItems);
    problem = std::move(lists.message);
  } else {
    autostart::ImportModeLists lists =
        import_->LoadImportMode({CurUserCheck.Value() == 1, AllUsrCheck.Value() == 1});
    registryItems_ = std::move(lists.registryItems);
    shortcutItems_ = std::move(lists.shortcutItems);
    ShowRows(RegistryPair(), lists.registry);
    ShowRows(FolderPair(), lists.shortcuts);
    AddAutostartBtn.SetEnabled(lists.shortcuts.hasItems);
    AddBtn.SetEnabled(lists.registry.hasItems);
  }
  KeepFocusUsable(RegistryPair());
  Show(problem);
}

void ImportForm::ShowRows(Pair pair, const autostart::ListPairRows& rows) {
  for (ui::ListBox* list : {&pair.right, &pair.left}) {
    list->SetItems(list == &pair.right ? rows.right : rows.left);
    list->SetBackColor(rows.hasItems ? ui::kWhite : ui::kLightGrey);
    list->SetEnabled(rows.hasItems);
  }
  pair.info.SetCaption(text::kProgramInfo);
}

size_t ImportForm::RowCount(const Pair& pair) const {
  if (restoreMode_) return pair.registry ? registryRecords_.size() : shortcutRecords_.size();
  return pair.registry ? registryItems_.size() : shortcutItems_.size();
}

void ImportForm::RightClicked(Pair pair) {
  const int index = pair.right.ListIndex();
  if (index >= 0 && pair.left.ListIndex() != index)
    pair.left.SetListIndex(index);  // its click does the rest
  else
    LeftClicked(pair);
}

void ImportForm::LeftClicked(Pair pair) {
  const int index = pair.left.ListIndex();
  const bool selected = index >= 0 && static_cast<size_t>(index) < RowCount(pair);
  if (selected) {
    pair.info.SetCaption(pair.left.List(index));
    if (pair.right.ListIndex() != index) pair.right.SetListIndex(index);
  }
  pair.addThis.SetEnabled(selected);
  pair.restoreThis.SetEnabled(selected);
}

void ImportForm::RemoveRow(Pair pair, int index) {
  if (index < 0 || static_cast<size_t>(index) >= RowCount(pair)) return;
  pair.right.RemoveItem(index);
  pair.left.RemoveItem(index);
  if (restoreMode_) {
    if (pair.registry)
      EraseAt(registryRecords_, index);
    else
      EraseAt(shortcutRecords_, index);
  } else {
    if (pair.registry)
      EraseAt(registryItems_, index);
    else
      EraseAt(shortcutItems_, index);
  }
  pair.addThis.SetEnabled(false);
  pair.restoreThis.SetEnabled(false);
  pair.info.SetCaption(text::kProgramInfo);
  if (RowCount(pair) == 0) {
    ShowRows(pair, NoRows());
    ui::Button& all = pair.registry ? (restoreMode_ ? RegistryRestoreBtn : AddBtn)
                                    : (restoreMode_ ? AutoRunRestoreBtn : AddAutostartBtn);
    all.SetEnabled(false);
  }
  KeepFocusUsable(pair);
}

// The list the user is in gets the width, so that long paths or command lines can be read.
void ImportForm::Entered(Pair pair, bool rightList) {
  const int top = pair.left.Top(), height = pair.left.Height();
  pair.left.Move(pair.left.Left(), top, rightList ? kNarrowList : kWideList, height);
  pair.right.Move(pair.left.Left() + pair.left.Width() + kListGap, top, rightList ? kWideList : kNarrowList,
                  height);
}

void ImportForm::KeyDown(int keyCode, bool& handled) {
  if (keyCode != kDeleteKey) return;
  for (const Pair& pair : {RegistryPair(), FolderPair()}) {
    for (ui::ListBox* list : {&pair.right, &pair.left}) {
      if (!list->HasFocus() || list->ListIndex() < 0) continue;
      RemoveRow(pair, list->ListIndex());
      handled = true;
      return;
    }
  }
}

void ImportForm::KeepFocusUsable(Pair pair) {
  ui::Control* focused = Focused();
  if (!focused || (focused->Enabled() && focused->Visible())) return;
  if (pair.left.Enabled())
    pair.left.SetFocus();
  else
    RestoreBtn.SetFocus();
}

// ---- Messages --------------------------------------------------------------------------------

void ImportForm::Show(const autostart::Message& message) {
  dialogs_.MsgBox(message.text, message.title, message.style);
}

void ImportForm::Show(const std::optional<autostart::Message>& message) {
  if (message) Show(*message);
}

bool ImportForm::Report(const std::vector<autostart::ImportResult>& results,
                        const std::vector<std::string>& commands, bool single) {
  bool imported = false;
  std::vector<std::string> refused, switchedOff;
  for (size_t i = 0; i < results.size(); ++i) {
    const autostart::ImportResult& r = results[i];
    switch (r.status) {
      case ImportStatus::Imported:
        imported = true;
        break;
      case ImportStatus::OwnProgram:
        if (single) Show(autostart::OwnProgramNotImported(commands[i]));
        break;
      case ImportStatus::Refused:
        refused.push_back(commands[i]);
        break;
      case ImportStatus::SwitchedOff:
        switchedOff.push_back(commands[i]);
        break;
      case ImportStatus::NotTakenOut:
        Show(r.message);
        break;
    }
  }
  // One message for every program the list did not take, with the reason when it is a full list.
  const bool full = !refused.empty() && host_.ProgramListFull();
  if (refused.size() == 1 && !full)
    Show(autostart::NotImported(refused.front()));
  else if (!refused.empty())
    Show(autostart::NotImportedAll(autostart::ListText(refused), full));
  if (!switchedOff.empty()) Show(autostart::SwitchedOffInList(autostart::ListText(switchedOff)));
  return imported;
}

bool ImportForm::Report(const std::vector<autostart::RestoreResult>& results) {
  bool restored = false;
  std::set<std::string> shown;
  for (const autostart::RestoreResult& r : results) {
    restored = restored || r.ok();
    if (r.message && shown.insert(r.message->title + "\n" + r.message->text).second) Show(*r.message);
  }
  return restored;
}

// ---- Import ----------------------------------------------------------------------------------

void ImportForm::AddSingleRegistryProgram(int listNr) {
  if (restoreMode_ || listNr < 0 || static_cast<size_t>(listNr) >= registryItems_.size()) {
    Show(autostart::NothingSelectedToAdd());
    return;
  }
  const autostart::AutostartItem item = registryItems_[static_cast<size_t>(listNr)];
  const autostart::ImportResult result = import_->Import(item, autostart::StartPosition(StartPosReg.Text()));
  RemoveRow(RegistryPair(), listNr);
  Report({result}, {item.command}, true);
}

void ImportForm::AddSingleAutostartProgram(int index) {
  if (restoreMode_ || index < 0 || static_cast<size_t>(index) >= shortcutItems_.size()) {
    Show(autostart::NothingSelectedToAdd());
    return;
  }
  const autostart::AutostartItem item = shortcutItems_[static_cast<size_t>(index)];
  Report({import_->Import(item, autostart::StartPosition(StartPosDir.Text()))}, {item.command}, true);
}

void ImportForm::AddThisRegBtn_Click() {
  AddSingleRegistryProgram(List1.ListIndex());
  ReloadLists();
}

void ImportForm::AddThisAutostartBtn_Click() {
  AddSingleAutostartProgram(List3.ListIndex());
  ReloadLists();
}

void ImportForm::AddBtn_Click() {
  if (registryItems_.empty()) return Show(autostart::RegistryListEmpty());
  AddAll(registryItems_, autostart::ConfirmImportAllRegistry(autostart::ListText(List2.Items())), StartPosReg);
}

void ImportForm::AddAutostartBtn_Click() {
  if (shortcutItems_.empty()) return Show(autostart::ShortcutListEmptyToAdd());
  AddAll(shortcutItems_, autostart::ConfirmImportAllShortcuts(autostart::ListText(List4.Items())), StartPosDir);
}

// A copy of the items: the reload after the import replaces the lists they come from.
void ImportForm::AddAll(std::vector<autostart::AutostartItem> items, const autostart::Message& ask,
                        const ui::TextBox& startPosition) {
  if (dialogs_.MsgBox(ask.text, ask.title, ask.style) != mb::kAnswerOk) return;
  std::vector<std::string> commands;
  for (const auto& item : items) commands.push_back(item.command);
  const bool imported =
      Report(import_->ImportAll(items, autostart::StartPosition(startPosition.Text())), commands, false);
  ReloadLists();
  if (imported) Show(autostart::ImportedAll());
}

// ---- Restore ---------------------------------------------------------------------------------

void ImportForm::RestoreSingleRegistry(int index) {
  if (!restoreMode_ || index < 0 || static_cast<size_t>(index) >= registryRecords_.size()) {
    Show(autostart::NothingSelectedToRestore());
    return;
  }
  Report(
      std::vector<autostart::RestoreResult>{import_->Restore(registryRecords_[static_cast<size_t>(index)])});
}

void ImportForm::RestoreSingleAutostart(int index) {
  if (!restoreMode_ || index < 0 || static_cast<size_t>(index) >= shortcutRecords_.size()) {
    Show(autostart::NothingSelectedToRestore());
    return;
  }
  const storage::ShortcutBackupRecord& record = shortcutRecords_[static_cast<size_t>(index)];
  const std::string backupFile = import_->Backup().BackupDir() + record.backupName;
  if (!platform_.fileSystem.FileExists(backupFile)) {
    Show(autostart::BackupNotFound(backupFile, 13));
    return;
  }
  Report(std::vector<autostart::RestoreResult>{import_->Restore(record)});
}

void ImportForm::RestoreThisRegBtn_Click() {
  RestoreSingleRegistry(List1.ListIndex());
  ReloadLists();
}

void ImportForm::RestoreThisAutostartBtn_Click() {
  RestoreSingleAutostart(List3.ListIndex());
  ReloadLists();
}

void ImportForm::RegistryRestoreBtn_Click() {
  if (registryRecords_.empty()) {
    Show(autostart::NothingToRestore());
    return;
  }
  const autostart::Message ask = autostart::ConfirmRestoreRegistry(autostart::ListText(List2.Items()));
  if (dialogs_.MsgBox(ask.text, ask.title, ask.style) != mb::kAnswerYes) return;
  const bool restored =
      Report(import_->RestoreAll(std::vector<storage::RegistryBackupRecord>(registryRecords_)));
  ReloadLists();
  if (restored) Show(autostart::RegistryRestored());
}

void ImportForm::AutoRunRestoreBtn_Click() {
  if (shortcutRecords_.empty()) {
    Show(autostart::NothingToRestore());
    return;
  }
  const autostart::Message ask = autostart::ConfirmRestoreShortcuts(autostart::ListText(List4.Items()));
  if (dialogs_.MsgBox(ask.text, ask.title, ask.style) != mb::kAnswerYes) return;
  // A record whose file is gone from the Backup folder is named and left as it is.
  std::vector<storage::ShortcutBackupRecord> present;
  for (const storage::ShortcutBackupRecord& record : shortcutRecords_) {
    const std::string backupFile = import_->Backup().BackupDir() + record.backupName;
    if (platform_.fileSystem.FileExists(backupFile))
      present.push_back(record);
    else
      Show(autostart::BackupNotFound(backupFile, 14));
  }
  const bool restored = Report(import_->RestoreAll(present));
  ReloadLists();
  if (restored) Show(autostart::ShortcutsRestored());
}

// ---- Mode and scope --------------------------------------------------------------------------

void ImportForm::RestoreBtn_Click() {
  restoreMode_ = !restoreMode_;
  RestoreBtn.SetCaption(restoreMode_ ? WithAltKey(text::kToImportMode, 'I')
                                     : WithAltKey(text::kToRestoreMode, 'S'));
  ReloadLists();
}

void ImportForm::CurUserCheck_Click() {
  if (loading_ == 0) ReloadLists();
}

void ImportForm::AllUsrCheck_Click() {
  if (loading_ != 0) return;
  if (AllUsrCheck.Value() == 1) Show(autostart::AllUsersWarning());
  ReloadLists();
}

}  // namespace sequora::forms
