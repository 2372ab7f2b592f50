// The rows of the program list in the row list control ListBoxExtended1: the list fill, the row of
// one entry, looking rows up, and the countdown shown in the current entry's row.
//
// Row layout, left to right: the entry number (Label1), the icon (Picture1), the start state
// (Picture2, a click switches the entry on or off), the delay the run will wait (Text2), folder
// and program (Text1), the group state (Picture3, a click opens the group set-up) and the run
// button (Command1). The check boxes and the second button are not shown.
#include <string>

#include "forms/main/Form1.h"
#include "forms/main/ProgramListColumns.h"

namespace sequora::forms {

namespace {

// Which picture of the image lists stands for a state.
enum StartPicture { kWillStart = 0, kWillNotStart = 1, kAlreadyRunning = 2, kPassedOver = 3, kWillFail = 4 };
constexpr int kNumberWidth = 390;  // twips: "101" and a margin

std::string GroupToolTip(const storage::ProgramEntry& entry) {
  static const char* const kStates[] = {"waiting for confirmation", "run all", "skip all", "defaults"};
  return "Group " + std::to_string(entry.ConfirmMessageBoxNr) + ": " + kStates[static_cast<int>(entry.ConfirmState)];
}

}  // namespace

void Form1::FillExtendedList(int selectEntry) { FillExtendedList(selectEntry, startupList.Statuses()); }

void Form1::FillExtendedList(int selectEntry, const std::array<startup::EntryStatus, 102>& status) {
  controls::ListBoxExtended& list = ListBoxExtended1;
  // The selection survives a rebuild when the entry asked for has no row.
  const int selectedBefore = list.SelectedRow() >= 0 ? list.GetIndex() : -1;
  // The list stays visible while it is refilled: nothing is drawn before the next paint, and
  // hiding it would take the keyboard focus from it at every rebuild.
  list.ClearAll();
  SetProgramListColumns(list);
  // The entry number needs no more: so a whole row, run button included, fits the wide list.
  list.SetLabelPosSize(1, -1, -1, kNumberWidth);
  // "Hide Disabled" blanks the first text of what will not start; such rows go as empty ones do.
  list.Set_HideEmpty(HideEmptyCheck.Value() == 1 || OnlyActiveCheck.Value() == 1);
  for (int n = storage::ProgramList::kFirst; n <= storage::ProgramList::kLast; ++n)
    AddToExtendedList(n, n == storage::ProgramList::kLast, status[n]);

  int target = selectEntry;
  if (ListRowOfEntry(target) < 0) target = selectedBefore;
  if (ListRowOfEntry(target) < 0) target = list.GetListCount() > 0 ? list.EntryOfRow(0) : -1;
  if (target >= 0) list.Set_ListIndex(target, true);
  // The current row keeps what Label1 shows (the seconds, or "PAUSE"), not its delay.
  ShowCountdownInRow();
}

void Form1::AddToExtendedList(int n, bool redraw) {
  if (n < storage::ProgramList::kFirst || !startupList.At(n)) return;
  AddToExtendedList(n, redraw, startupList.StatusOf(n));
  if (n == sequencer.CurrentEntry()) ShowCountdownInRow();
}

void Form1::AddToExtendedList(int n, bool redraw, const startup::EntryStatus& status) {
  const storage::ProgramEntry* entry = n >= storage::ProgramList::kFirst ? startupList.At(n) : nullptr;
  if (!entry) return;
  const bool freeSlot = entry->Dir.empty() && entry->Program.empty();

  std::string text1 = entry->Dir + " " + entry->Program;
  if (freeSlot) text1 = HideEmptyCheck.Value() == 1 ? "" : "-Empty-";
  if (OnlyActiveCheck.Value() == 1 && status.skip && entry->ConfirmState == storage::ConfirmState::Undecided)
    text1.clear();

  StartPicture state = kWillStart;
  if (startup::IsRunning(status.code) && status.skip)
    state = kAlreadyRunning;
  else if (status.code == startup::EntryStatusCode::PassedOver)
    state = kPassedOver;
  else if (status.skip)
    state = kWillNotStart;
  else if (!status.warning.empty())
    state = kWillFail;
  const Picture& startState = DisableIconList[state];
  const bool hasGroup = entry->ConfirmMessageBoxNr > 0;
  const auto groupState = static_cast<std::size_t>(entry->ConfirmState);
  const Picture icon = freeSlot ? EmptyPix : ProgramIconList(n);
  const int controlEntry = n - 1;
  const std::string delay = "+" + std::to_string(storage::DelaySeconds(*entry, settings_.ProgramDelayDefault)) + " sec.";
  ListBoxExtended1.Add_NewListentry(controlEntry, text1, delay, "Check1", "Check2", "",
                                    "Btn2", icon, freeSlot ? EmptyPix : startState,
                                    !freeSlot && hasGroup ? Question[groupState] : EmptyPix,
                                    std::to_string(n), redraw);

  // An entry left without a row (blank under the filters) has nothing more to set: the element
  // calls below would report it as an index error.
  if (ListRowOfEntry(controlEntry) < 0) return;
  const bool passedOver = status.skip || entry->Skip;
  e_ListBox_SetTextDisabled(controlEntry, passedOver);
  // The delay again, not a countdown that stood there (the list fill puts that back in the
  // current row); grey, as the program is, where the run will not wait it.
  if (ui::TextBox* delayText = ListBoxExtended1.Get_ControlText(2, controlEntry))
    delayText->SetForeColor(passedOver ? ui::kGrey : ui::kBlack);
  if (freeSlot) return;
  ListBoxExtended1.SetButton1Picture(Picture::Named("run"), controlEntry);
  ListBoxExtended1.ButtonToolTip(1, controlEntry, "Run this program now");
  ListBoxExtended1.TextToolTip(1, controlEntry, entry->Dir + entry->Program + " " + entry->Param);
  std::string startTip = status.skip ? "Disabled" : "Enabled";
  if (status.code == startup::EntryStatusCode::Confirmed && !status.skip) startTip = "Start confirmed for the group";
  if (!status.text.empty()) startTip = status.text;
  if (state == kWillFail) startTip = status.warning;
  ListBoxExtended1.PictureToolTip(2, controlEntry, startTip);
  if (hasGroup) ListBoxExtended1.PictureToolTip(3, controlEntry, GroupToolTip(*entry));
}

int Form1::ListRowOfEntry(int controlEntry) { return ListBoxExtended1.Get_INTERNALListIndex(controlEntry); }

void Form1::HighlightListRow(int controlEntry) {
  if (ListRowOfEntry(controlEntry) >= 0) ListBoxExtended1.Set_ListIndex(controlEntry, true);
}

ui::TextBox* Form1::ListRowText1(int controlEntry) {
  if (ListRowOfEntry(controlEntry) < 0) return nullptr;
  return ListBoxExtended1.Get_ControlText(1, controlEntry);
}

// Label1 changed: its caption stands, in red, in place of the delay of the current entry's row.
// Under the filters the current entry may have no row, whatever the number of rows.
void Form1::ShowCountdownInRow() {
  const int controlEntry = sequencer.CurrentEntry() - 1;
  if (ListRowOfEntry(controlEntry) < 0) return;
  ListBoxExtended1.SetText2(Label1.Caption(), controlEntry);
  if (ui::TextBox* text = ListBoxExtended1.Get_ControlText(2, controlEntry)) text->SetForeColor(ui::kRed);
}

}  // namespace sequora::forms
