// The row list control's layout: columns within a row, rows in the view, the highlight of the
// selected row, scrolling and the sizes of the element families.
#include <algorithm>

#include "controls/ListBoxExtended.h"

namespace sequora::controls {

namespace {

constexpr int kTextGap = 20;  // before a text box, a check box and Label1
constexpr int kCommand1Gap = 10;
constexpr int kCommand2Gap = 100;
constexpr int kText1Top = 120;
constexpr int kText2Top = 150;
constexpr int kCheck1Top = 120;
constexpr int kCommand1Top = 100;
constexpr int kMinText1Width = 600;  // Text1 gives way to the frame's width down to this

// The kind that takes a column when several share it: the first in this order. Check boxes come
// before the buttons, so that with the start positions (both at column 4) Check1 holds column 4.
constexpr RowElement kColumnOrder[] = {RowElement::Picture1, RowElement::Picture2, RowElement::Picture3,
                                       RowElement::Text1,    RowElement::Text2,    RowElement::Check1,
                                       RowElement::Check2,   RowElement::Command1, RowElement::Command2,
                                       RowElement::Label1};

size_t At(RowElement e) { return static_cast<size_t>(e); }

bool IsEmptySlotText(const std::string& text) { return text.empty() || text == "-Empty-"; }

}  // namespace

// --- Column order and sizes ---

void ListBoxExtended::SetPositions(int Text1_Position_1_to_10, int Text2_Position_1_to_10, int Check1_Position_1_to_10,
                                   int Check2_Position_1_to_10, int Button1_Position_1_to_10,
                                   int Button2_Position_1_to_10, int Pic1_Icon_Position_1_to_10,
                                   int Pic2_Position_1_to_10, int Pic3_Position_1_to_10,
                                   int Label1_Position_1_to_10) {
  const int positions[kRowElementCount] = {
      Text1_Position_1_to_10,   Text2_Position_1_to_10,     Check1_Position_1_to_10, Check2_Position_1_to_10,
      Button1_Position_1_to_10, Button2_Position_1_to_10,   Pic1_Icon_Position_1_to_10,
      Pic2_Position_1_to_10,    Pic3_Position_1_to_10,      Label1_Position_1_to_10};
  for (int k = 0; k < kRowElementCount; ++k) elementLayout_[static_cast<size_t>(k)] = {positions[k], positions[k] >= 1};
}

void ListBoxExtended::SetTextBoxPosSize(int TextboxNr_1_to_2, int Width, int Borderstyle) {
  if (Borderstyle < 0) Borderstyle = Row(0).Text1.Border() ? 1 : 0;
  if (TextboxNr_1_to_2 == 1 || TextboxNr_1_to_2 == 2) {
    for (auto& row : rows_) {
      ui::TextBox& text = TextboxNr_1_to_2 == 1 ? row->Text1 : row->Text2;
      if (Width > -1) text.SetWidth(Width);
      text.SetBorder(Borderstyle != 0);
    }
  }
  if (TextboxNr_1_to_2 == 1) {
    if (Width > -1) geometry_.Text1Width = Width;
  } else if (TextboxNr_1_to_2 == 2) {
    if (Width > -1) geometry_.Text2Width = Width;
  } else {
    ShowMessage("Falscher Parameter SetTextBoxPosSize!");
  }
}

void ListBoxExtended::SetPicturePosSize(int PictureNr, int Top, int Left, int Height, int Width) {
  if (PictureNr < 1 || PictureNr > 3) return;
  for (auto& row : rows_) {
    ui::PictureBox& picture = PictureNr == 1 ? row->Picture1 : PictureNr == 2 ? row->Picture2 : row->Picture3;
    if (Width > -1) picture.SetWidth(Width);
    if (Height > -1) picture.SetHeight(Height);
  }
  const size_t n = static_cast<size_t>(PictureNr - 1);
  if (Top > -1) geometry_.PicTop[n] = Top;
  if (Left > -1) geometry_.PicLeft[n] = Left;
  if (Width > -1) geometry_.PicWidth[n] = Width;
  if (Height > -1) geometry_.PicHeight[n] = Height;
}

void ListBoxExtended::SetButtonPosSize(int ButtonNr1_2, int Width, int Height) {
  if (ButtonNr1_2 != 1 && ButtonNr1_2 != 2) return;
  for (auto& row : rows_) {
    ui::Button& button = ButtonNr1_2 == 1 ? row->Command1 : row->Command2;
    if (Width > -1) button.SetWidth(Width);
    if (Height > -1) button.SetHeight(Height);
  }
}

void ListBoxExtended::SetLabelPosSize(int LabelNr, int Top, int Left, int Width, int Height) {
  if (LabelNr == 2) {
    ShowMessage("Label2 existiert noch nicht");
    return;
  }
  if (LabelNr != 1) return;
  for (auto& row : rows_) {
    if (Width > -1) row->Label1.SetWidth(Width);
    if (Height > -1) row->Label1.SetHeight(Height);
  }
  if (Left > -1) geometry_.LabelLeft = Left;
  if (Width > -1) geometry_.LabelWidth = Width;
  if (Top > -1) geometry_.LabelTop = Top;
}

// --- Row layout (horizontal) ---

// A row never runs past the frame (under the scroll bar, which is wider at some DPIs and with
// some system settings): Text1, which ends its text with an ellipsis, gives way first.
void ListBoxExtended::LayoutRow(ListBoxRow& row) {
  const int end = PlaceColumns(row, geometry_.Text1Width);
  const int overflow = end - Frame1.Width();
  if (overflow > 0 && geometry_.Text1Width > kMinText1Width)
    PlaceColumns(row, std::max(kMinText1Width, geometry_.Text1Width - overflow));
}

// Places the columns side by side with Text1 `text1Width` wide; returns where the row ends.
int ListBoxExtended::PlaceColumns(ListBoxRow& row, int text1Width) {
  int x = kRowStartX;
  for (int column = 1; column <= 10; ++column) {
    const RowElement* kind = std::find_if(std::begin(kColumnOrder), std::end(kColumnOrder), [&](RowElement e) {
      const ElementPlace& place = elementLayout_[At(e)];
      return place.Position == column && place.Shown;
    });
    if (kind == std::end(kColumnOrder)) continue;
    switch (*kind) {
      case RowElement::Picture1:
      case RowElement::Picture2:
      case RowElement::Picture3: {
        const size_t n = At(*kind) - At(RowElement::Picture1);
        ui::PictureBox& picture = n == 0 ? row.Picture1 : n == 1 ? row.Picture2 : row.Picture3;
        const int left = x + geometry_.PicLeft[n];
        picture.Move(left, picture.Top(), geometry_.PicWidth[n], geometry_.PicHeight[n]);
        x = left + geometry_.PicWidth[n];
        break;
      }
      case RowElement::Text1:
      case RowElement::Text2: {
        const bool first = *kind == RowElement::Text1;
        ui::TextBox& text = first ? row.Text1 : row.Text2;
        const int width = first ? text1Width : geometry_.Text2Width;
        const int left = x + kTextGap;
        text.Move(left, text.Top(), width, text.Height());
        x = left + width;
        break;
      }
      case RowElement::Command1:
        row.Command1.SetLeft(x + kCommand1Gap);
        x = row.Command1.Left() + row.Command1.Width();
        break;
      case RowElement::Command2:
        row.Command2.SetLeft(x + kCommand2Gap);
        x = row.Command2.Left() + row.Command2.Width();
        break;
      case RowElement::Check1:
        row.Check1.SetLeft(x + kTextGap);
        x = row.Check1.Left() + row.Check1.Width();
        break;
      case RowElement::Check2:
        row.Check2.SetLeft(x + kTextGap);
        x = row.Check2.Left() + row.Check2.Width();
        break;
      case RowElement::Label1:
        row.Label1.SetLeft(x + kTextGap);
        x = row.Label1.Left() + row.Label1.Width();
        break;
    }
  }
  return x;
}

// --- Rows in the view (vertical) ---

void ListBoxExtended::RedrawList(int MyListIndexExtern, int StartNR) {
  SyncSize();
  std::optional<int> first = FindRow(MyListIndexExtern);
  if (!first) return;
  const std::optional<int> start = FindRow(StartNR);
  if (!start) return;
  if (*first < 0) first = selectedRow_;
  topRow_ = std::max(*start, 0);

  auto shown = [&](RowElement e) { return elementLayout_[At(e)].Shown; };
  const int innerHeight = Height();
  for (int i = 0; i < InstanceCount(); ++i) {
    ListBoxRow& row = Row(i);
    const bool visible = i >= topRow_ && i >= *first && (i - *first) * RowHeight <= innerHeight &&
                         !(hideEmpty_ && row.Text1.Text().empty());
    if (!visible) {
      row.HideAll();
      continue;
    }
    const int y = (i - *first) * RowHeight;
    row.InView = true;
    row.Text1.SetVisible(shown(RowElement::Text1));
    row.Text1.SetTop(y + kText1Top);
    row.Text2.SetVisible(shown(RowElement::Text2));
    row.Text2.SetTop(y + kText2Top);
    if (!IsEmptySlotText(row.Text1.Text())) row.Command1.SetVisible(shown(RowElement::Command1));
    row.Command1.SetTop(y + kCommand1Top);
    row.Command2.SetVisible(shown(RowElement::Command2));
    row.Command2.SetTop(y);
    row.Check1.SetVisible(shown(RowElement::Check1));
    row.Check1.SetTop(y + kCheck1Top);
    row.Check2.SetVisible(shown(RowElement::Check2));
    row.Check2.SetTop(y);
    row.Picture1.SetVisible(shown(RowElement::Picture1));
    row.Picture1.SetTop(y + geometry_.PicTop[0]);
    row.Picture2.SetVisible(shown(RowElement::Picture2));
    row.Picture2.SetTop(y + geometry_.PicTop[1]);
    row.Picture3.SetVisible(shown(RowElement::Picture3));
    row.Picture3.SetTop(y + geometry_.PicTop[2]);
    row.Label1.SetVisible(shown(RowElement::Label1));
    row.Label1.SetTop(y + geometry_.LabelTop);
  }
  Frame1.SetVisible(true);
  SyncScrollValue(*first);
}

// --- Selection and highlight ---

void ListBoxExtended::SetHighlight(int ListindexExtern, int IndexIntern) {
  int row = IndexIntern;
  if (IndexIntern < -1) {
    const std::optional<int> found = FindRow(ListindexExtern);
    if (!found) return;
    row = *found;
  }
  if (row < 0 || row >= InstanceCount()) {
    ShowMessage("Set Highlight error");
    return;
  }
  const ListBoxRow& target = Row(row);
  Selected_Background.SetTop(target.Picture1.Top() - geometry_.PicTop[0]);
  Selected_Background.SetLeft(target.Label1.Left() + target.Label1.Width());
  Selected_Background.SetWidth(std::max(0, Frame1.Width() - Selected_Background.Left()));
  for (int j = 0; j < InstanceCount(); ++j) {
    ListBoxRow& r = Row(j);
    const ui::Colour colour = j == row ? kHighlightColour : kNormalColour;
    ui::Control* recoloured[] = {&r.Text1,    &r.Text2,  &r.Picture1, &r.Picture2,
                                 &r.Picture3, &r.Check1, &r.Check2,   &r.Label1};
    for (ui::Control* c : recoloured) c->SetBackColor(colour);
  }
}

void ListBoxExtended::Set_ListIndex(int ExternerIndex_0to, bool Redraw) {
  const std::optional<int> row = FindRow(ExternerIndex_0to);
  if (!row) return;
  if (*row < 0) {
    ShowMessage("Ung\xFC" "ltiger Index!");
    return;
  }
  selectedRow_ = *row;
  if (Redraw) {
    if (!Row(*row).Text1.Visible()) RedrawList(ExternerIndex_0to, topRow_);
    SetHighlight(ExternerIndex_0to, -2);
    Row(*row).Label1.SetVisible(true);
  }
  Selected_Background.SetTop(Row(*row).Picture1.Top() - geometry_.PicTop[0]);
  Selected_Background.SetVisible(true);
}

// --- Scrolling ---

void ListBoxExtended::UpdateScrollRange() { VScroll1.SetMax(rowCount_ > kRowsPerPage ? rowCount_ - kRowsPerPage : 0); }

// The thumb follows the row the view starts from, without laying the rows out a second time.
void ListBoxExtended::SyncScrollValue(int firstRow) {
  scrollFromLayout_ = true;
  VScroll1.SetValue(std::clamp(firstRow, VScroll1.Min(), VScroll1.Max()));
  scrollFromLayout_ = false;
}

void ListBoxExtended::OnScroll() {
  if (scrollFromLayout_) return;
  RedrawList(EntryOfRow(VScroll1.Value()), topRow_);
  Selected_Background.SetTop(kParkedTop);
  if (selectedRow_ >= 0 && selectedRow_ < InstanceCount() && Row(selectedRow_).Picture1.Visible())
    Selected_Background.SetTop(Row(selectedRow_).Picture1.Top() - geometry_.PicTop[0]);
}


void ListBoxExtended::ScrollTo(int value) { VScroll1.SetValue(std::clamp(value, VScroll1.Min(), VScroll1.Max())); }

// --- Size ---

void ListBoxExtended::Resize() {
  knownWidth_ = Width();
  knownHeight_ = Height();
  const int barWidth = VScroll1.Width();
  const int oldFrameWidth = Frame1.Width();
  VScroll1.Move(Width() - barWidth, 0, barWidth, Height());
  Frame1.Move(kRowStartX, 0, Width() - barWidth - 20, Height());
  Selected_Background.SetWidth(std::max(0, Frame1.Width() - Selected_Background.Left()));
  // The rows were fitted to the old width (a new size, DPI or scroll bar).
  if (Frame1.Width() != oldFrameWidth && rowCount_ > 0)
    for (int row = 0; row < rowCount_ && row < InstanceCount(); ++row) LayoutRow(Row(row));
}

void ListBoxExtended::SyncSize() {
  if (Width() != knownWidth_ || Height() != knownHeight_) Resize();
}

}  // namespace sequora::controls
