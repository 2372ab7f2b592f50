// The row list control: creation, the entry-to-row map, adding entries and emptying the list.
#include "controls/ListBoxExtended.h"

#include <algorithm>

#include "base/StringOps.h"
#include "platform/Dialogs.h"

namespace sequora::controls {

namespace {
constexpr const char* kTitle = "Sequora";
constexpr int kScrollBarWidth = 255;
}  // namespace

// Every element reports its changes here; the control tells its Win32 part to draw again.
class ListBoxExtended::ElementWatch : public ui::ControlView {
 public:
  explicit ElementWatch(ListBoxExtended& list) : list_(list) {}
  void Changed(ui::Control&, ui::Property) override { list_.Invalidate(); }
  void FocusRequested(ui::Control&) override {}

 private:
  ListBoxExtended& list_;
};

ListBoxExtended::ListBoxExtended(ui::Form& host, std::string name, platform::Dialogs& dialogs)
    : ui::UserControl(host, std::move(name), kTypeName),
      dialogs_(dialogs),
      watch_(std::make_unique<ElementWatch>(*this)),
      indexMap_(1) {
  SetBackColor(kNormalColour);
  Frame1.SetBorder(false);
  Frame1.SetBackColor(kNormalColour);
  Watch(Frame1);

  Selected_Background.SetBackColor(kHighlightColour);
  Selected_Background.SetVisible(false);
  Selected_Background.Move(0, kParkedTop, 0, RowHeight);
  Watch(Selected_Background);

  VScroll1.SetWidth(kScrollBarWidth);
  VScroll1.SetChanges(1, kRowsPerPage);
  VScroll1.Change = [this] { OnScroll(); };
  Watch(VScroll1);

  ListBoxRow& design = CreateRow(0);
  design.HideAll();  // nothing to show before the host adds entries

  const int start[kRowElementCount] = {2, 8, 4, 7, 4, 9, 1, 3, 6, 10};
  for (int k = 0; k < kRowElementCount; ++k) elementLayout_[static_cast<size_t>(k)] = {start[k], true};
  const ui::PictureBox* pictures[] = {&design.Picture1, &design.Picture2, &design.Picture3};
  for (size_t n = 0; n < 3; ++n) {
    geometry_.PicWidth[n] = pictures[n]->Width();
    geometry_.PicHeight[n] = pictures[n]->Height();
  }
  geometry_.LabelWidth = design.Label1.Width();
  Resize();
}

ListBoxExtended::~ListBoxExtended() = default;

void ListBoxExtended::Watch(ui::Control& control) { control.AttachView(watch_.get()); }

ListBoxRow& ListBoxExtended::CreateRow(int row) {
  const ListBoxRow* design = rows_.empty() ? nullptr : rows_.front().get();
  rows_.push_back(std::make_unique<ListBoxRow>(row, design));
  ListBoxRow& r = *rows_.back();
  for (int k = 0; k < kRowElementCount; ++k) Watch(r.Element(static_cast<RowElement>(k)));
  return r;
}

void ListBoxExtended::ShowMessage(const std::string& text) { dialogs_.MsgBox(text, kTitle, platform::msgbox::kOk); }

// --- The row map ---

std::optional<int> ListBoxExtended::FindRow(int entry) {
  if (entry < 0) return std::nullopt;
  if (entry >= entryCount_) return -1;
  const int size = static_cast<int>(indexMap_.size());
  for (int k = std::min(entry, size - 1); k >= 0; --k)
    if (indexMap_[static_cast<size_t>(k)].Entry == entry) return indexMap_[static_cast<size_t>(k)].Row;
  for (int k = entry; k < std::min(rowCount_, size); ++k)
    if (indexMap_[static_cast<size_t>(k)].Entry == entry) return indexMap_[static_cast<size_t>(k)].Row;
  return -1;
}

int ListBoxExtended::EntryOfRow(int row) {
  if (row > rowCount_) {
    ShowMessage("Listindex:" + std::to_string(row) + " liegt ausserhalb der Liste");
    return -1;
  }
  if (row < 0) return -1;  // -1 marks the entries without row: it never names one
  for (int k = 0; k < entryCount_; ++k)
    if (indexMap_[static_cast<size_t>(k)].Row == row) return k;
  return -1;
}

std::optional<int> ListBoxExtended::AllocateRow(int entry, bool isEmpty) {
  const std::optional<int> existing = FindRow(entry);
  if (!existing) return std::nullopt;
  if (*existing == 0 && rows_.size() == 1) return 0;
  if (*existing >= 0) {
    // Refilling an entry: its own texts start over (the caller fills them again).
    ListBoxRow& row = Row(*existing);
    row.Text2.SetText("");
    row.Text1.SetText("");
    return *existing;
  }
  // Registered without a row (its text was blank under HideEmpty): it keeps its number and gets no
  // row here. Registering it once more would shift every later entry number; the host's next full
  // fill gives it its row.
  if (entry < entryCount_) return -1;

  ++entryCount_;
  indexMap_.resize(static_cast<size_t>(entryCount_) + 2);
  IndexMapEntry& added = indexMap_[static_cast<size_t>(entryCount_ - 1)];
  added = {entryCount_ - 1, rowCount_};
  if (isEmpty && hideEmpty_) {
    added.Row = -1;
    return -1;
  }
  ++rowCount_;
  const int newRow = rowCount_ - 1;
  if (newRow >= static_cast<int>(rows_.size())) CreateRow(newRow);
  ListBoxRow& row = Row(newRow);
  row.Text1.SetText("");
  row.Text2.SetText("");
  row.Text1.SetForeColor(ui::kBlack);
  row.Text2.SetForeColor(ui::kBlack);
  row.Label1.SetCaption("");
  return indexMap_[static_cast<size_t>(entryCount_ - 1)].Row;
}

// --- Adding and emptying ---

void ListBoxExtended::Add_NewListentry(int ProgrNr, const std::string& NewText1, const std::string& NewText2,
                                       const std::string& NewCheck1, const std::string& NewCheck2,
                                       const std::string& NewButton1, const std::string& NewButton2,
                                       const Picture& NewIcon, const Picture& NewPicture1,
                                       const Picture& NewPicture2, const std::string& Label1_Caption,
                                       bool Redraw) {
  const bool isEmpty = Trim(NewText1).empty();
  if (hideEmpty_ && isEmpty) {
    AllocateRow(ProgrNr, true);
    return;
  }
  const bool registered = ProgrNr < entryCount_;
  const std::optional<int> allocated = AllocateRow(ProgrNr, isEmpty);
  if (!allocated) return;
  if (*allocated < 0) {
    if (!registered) ShowMessage("Leeres Objekt: " + std::to_string(ProgrNr) + " - " + NewText1);
    return;
  }
  ListBoxRow& row = Row(*allocated);
  row.Command1.SetCaption(NewButton1);
  row.Command2.SetCaption(NewButton2);
  row.Text1.SetText(NewText1);
  row.Text2.SetText(NewText2);
  row.Label1.SetCaption(Label1_Caption);
  row.Check1.SetCaption(NewCheck1);
  row.Check2.SetCaption(NewCheck2);
  row.Picture1.SetPicture(NewIcon);
  row.Picture2.SetPicture(NewPicture1);
  row.Picture3.SetPicture(NewPicture2);

  SyncSize();  // the row is fitted to the frame's present width
  LayoutRow(row);
  UpdateScrollRange();

  if (NewText1.empty() || NewText1 == "-Empty-") {
    row.Picture2.SetVisible(false);
    row.Picture3.SetVisible(false);
    row.Command1.SetVisible(false);
    row.Command2.SetVisible(false);
  }
  if (Redraw) {
    Set_ListIndex(ProgrNr, true);
    SetHighlight(ProgrNr, -2);
  }
}

void ListBoxExtended::Update_ListEntry(int, const std::string&, const std::string&, const std::string&,
                                       const std::string&, const std::string&, const std::string&,
                                       const Picture&, const Picture&, const Picture&,
                                       const std::string&, bool) {
  ShowMessage("Muss noch gebaut werden..");
}

void ListBoxExtended::ClearAll(int /*NewSize*/) {
  Selected_Background.SetVisible(false);
  // Row 0 stays, with its old texts, until the next entry refills it: hidden, like a new row, so
  // that a list left without rows shows nothing stale.
  rows_.front()->HideAll();
  indexMap_.assign(1, IndexMapEntry{});
  while (rows_.size() > 1) rows_.pop_back();
  rowCount_ = 0;
  entryCount_ = 0;
  selectedRow_ = -1;
  if (focusRow_ > 0) focusRow_ = -1;
  // The scroll range follows the rows; an emptied list must not keep a position past its end.
  scrollFromLayout_ = true;
  VScroll1.SetRange(0, 0);
  scrollFromLayout_ = false;
}

// --- Index checks and messages ---

bool ListBoxExtended::INDEX_OK(int Index, int ExternalIndex, int ControlID) {
  if (Index >= 0 && ExternalIndex >= 0) return true;
  ShowMessage("Index-Error (INDEX_OK = False)\rIndex: " + std::to_string(Index) +
              "\rExterner Index: " + std::to_string(ExternalIndex) + "\rControlID: " + std::to_string(ControlID) +
              "\rCount: " + std::to_string(rowCount_));
  return false;
}

int ListBoxExtended::GetIndex() {
  if (selectedRow_ < 0) return -1;
  return EntryOfRow(selectedRow_);
}

int ListBoxExtended::Get_INTERNALListIndex(int ExternerIndex_0to) {
  return FindRow(ExternerIndex_0to).value_or(-1);
}

}  // namespace sequora::controls
