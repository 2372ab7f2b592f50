// The editor's changes to the list as a whole: the paste box, adding and removing programs, and
// moving the shown entry up or down.
#include "base/StringOps.h"
#include "forms/editor/Frame2.h"

namespace sequora::forms {

namespace {
constexpr char kAppTitle[] = "Sequora";
}

// Only something pasted changes the fields: tabbing through the empty box leaves them alone.
void Frame2::ApplyPaste() {
  const std::string text = Text7.Text();
  if (Trim(text).empty() || text == kPastePrompt) {
    ++loading_;
    Text7.SetText(kPastePrompt);
    --loading_;
    return;
  }
  const platform::PathParts parts = storage::SplitCommandLine(fs_, text);
  ++loading_;
  Text7.SetText(kPastePrompt);
  --loading_;
  Text5.SetText(parts.directory);
  Text6.SetText(parts.file);
  Text8.SetText(parts.parameters);
  MarkDirty();
  FollowProgramFields();
}

storage::AddOutcome Frame2::AddProgramToList(const std::string& commandLine, int minStartNr,
                                             const storage::AddAnyway& addAnyway, bool tellListFull,
                                             bool disabled) {
  // The editor is about to show the new entry: what was typed is offered for saving first.
  if (!OfferToSave()) return {storage::AddResult::NotWritten, 0};
  const storage::AddAnyway ask = addAnyway ? addAnyway : [this](const std::string& file, int) {
    return dialogs_.MsgBox(storage::DuplicateQuestionText(file), storage::kDuplicateQuestionTitle,
                           platform::msgbox::kYesNo | platform::msgbox::kQuestion) == platform::msgbox::kAnswerYes;
  };
  const storage::ProgramListContext context = host_.EditedListContext();
  storage::ProgramList& list = host_.EditedList();
  const storage::AddOutcome outcome = storage::AddProgramToList(context, list, Icons(), commandLine, minStartNr, ask, disabled);
  switch (outcome.result) {
    case storage::AddResult::ListFull:
      if (tellListFull) dialogs_.MsgBox(storage::kListFullText, kAppTitle, platform::msgbox::kExclamation);
      break;
    case storage::AddResult::NotWritten:
      host_.ShowSaveFailed(context.iniPath);
      break;
    case storage::AddResult::Added:
      ShowEntryInEditor(outcome.entry);
      iconList_.Set(outcome.entry, shownIcon_.picture);
      SyncSortRow(outcome.entry);
      RequestListRefresh(outcome.entry);
      break;
    case storage::AddResult::AlreadyListed:
    case storage::AddResult::NothingToAdd:
      break;
  }
  return outcome;
}

storage::AddOutcome Frame2::AddNewProgram(const std::string& commandLine, const std::string&, int minStartNr,
                                          const storage::AddAnyway& addAnyway, bool tellListFull, bool disabled) {
  return AddProgramToList(commandLine, minStartNr, addAnyway, tellListFull, disabled);
}

storage::AddOutcome Frame2::AddNewAutostartProgram(const std::string& commandLine, const std::string&, int minStartNr,
                                                   const storage::AddAnyway& addAnyway, bool tellListFull,
                                                   bool disabled) {
  return AddProgramToList(commandLine, minStartNr, addAnyway, tellListFull, disabled);
}

void Frame2::AddButton_Click() {
  const std::string answer =
      dialogs_.InputBox("Program to add, with its parameters (a whole command line):", "Add program", "");
  if (Trim(answer).empty()) return;
  AddProgramToList(answer, storage::ProgramList::kFirst);
}

storage::RemoveOutcome Frame2::RemoveProgramFromList(const std::string& commandLine) {
  const storage::ProgramListContext context = host_.EditedListContext();
  const storage::RemoveOutcome outcome = storage::RemoveProgramFromList(context, host_.EditedList(), commandLine);
  if (outcome.entry == 0) return outcome;
  if (!outcome.cleared) {
    host_.ShowSaveFailed(context.iniPath);
    return outcome;
  }
  iconList_.Set(outcome.entry, Picture());
  if (ShownEntry() == outcome.entry && !Dirty()) ShowEntryInEditor(outcome.entry);
  RequestListRefresh(outcome.entry);
  return outcome;
}

void Frame2::RequestListRefresh(int n) {
  refreshEntry_ = n;
  ListRefresh.SetEnabled(true);
}

bool Frame2::SwapEntries(int a, int b) {
  if (!OfferToSave()) return false;
  const storage::ProgramListContext context = host_.EditedListContext();
  const storage::SwapOutcome outcome = storage::SwapEntries(context, host_.EditedList(), Icons(), a, b);
  if (!outcome.entries) {
    host_.ShowSaveFailed(context.iniPath);
    return false;
  }
  if (outcome.icons) {
    iconList_.Swap(a, b);
  } else if (store_) {
    // The bitmaps stayed where they were: show each entry what its number's file now gives.
    for (int n : {a, b}) iconList_.Set(n, store_->LoadProgrIcon(n, *host_.EditedList().At(n), "", iconSize_).picture);
  }
  host_.EntriesChanged(b);
  ShowEntryInEditor(b);
  SyncSortRow(b);
  if (!outcome.icons && store_) host_.ShowSaveFailed(store_->IconPath(a));
  return true;
}

void Frame2::UpButton_Click() {
  const int n = ShownEntry();
  if (n <= storage::ProgramList::kFirst) {
    UpButton.SetEnabled(false);
    return;
  }
  SwapEntries(n, n - 1);
}

void Frame2::DwnButton_Click() {
  const int n = ShownEntry();
  if (n < storage::ProgramList::kFirst || n >= storage::ProgramList::kLast) {
    DwnButton.SetEnabled(false);
    return;
  }
  SwapEntries(n, n + 1);
}

}  // namespace sequora::forms
