// Columns within a row, rows in the view, scrolling, keys and the highlight of the selected row.
#include "ListBoxFixture.h"
#include "forms/main/ProgramListColumns.h"

using namespace sequora;
using namespace sequora::controls;
using sequora::controls::test::ListBoxTest;

namespace {
class ListBoxLayout : public ListBoxTest {
 protected:
  // The main window's set-up before it fills the list.
  void HostLayout() {
    forms::SetProgramListColumns(list);
  }
  int Y(int row) const { return list.Row(row).Text1.Top() - 120; }
};
}  // namespace

// The run button never runs under the scroll bar: the first text gives way, in a narrow list and
// when the scroll bar grows (a higher DPI, a system setting), and takes its width back after.
TEST_F(ListBoxLayout, TheFirstTextGivesWaySoTheRowEndsWithinTheFrame) {
  HostLayout();
  list.Move(0, 0, 11000, 7 * ListBoxExtended::RowHeight);
  Fill(3);
  list.RedrawList(0, list.TopRow());
  const auto end = [&](int row) { return list.Row(row).Command1.Left() + list.Row(row).Command1.Width(); };
  EXPECT_EQ(list.Row(0).Text1.Width(), 5970);  // room enough: the width the host gave

  list.Move(0, 0, 9000, 7 * ListBoxExtended::RowHeight);
  list.Resize();
  for (int row = 0; row < 3; ++row) EXPECT_LE(end(row), list.Frame1.Width()) << row;
  EXPECT_LT(list.Row(0).Text1.Width(), 5970);

  list.VScroll1.SetWidth(450);
  list.Resize();
  EXPECT_LE(end(1), list.Frame1.Width());
  list.Move(0, 0, 11000, 7 * ListBoxExtended::RowHeight);
  list.Resize();
  EXPECT_EQ(list.Row(2).Text1.Width(), 5970);
}

TEST_F(ListBoxLayout, AFreeSlotShowsNoButtonsAndNoStatusPictures) {
  Fill(2);
  list.RedrawList(0, list.TopRow());
  Add(1, "-Empty-");
  EXPECT_TRUE(list.Row(1).Text1.Visible());
  EXPECT_FALSE(list.Row(1).Command1.Visible());
  EXPECT_FALSE(list.Row(1).Command2.Visible());
  EXPECT_FALSE(list.Row(1).Picture2.Visible());
  EXPECT_FALSE(list.Row(1).Picture3.Visible());
  list.RedrawList(0, list.TopRow());
  EXPECT_FALSE(list.Row(1).Command1.Visible()) << "the run button stays away from a free slot";
  EXPECT_TRUE(list.Row(0).Command1.Visible());
}

TEST_F(ListBoxLayout, ScrollRangeLeavesTheLastPage) {
  Fill(7);
  EXPECT_EQ(list.VScroll1.Max(), 0);
  Add(7, "eighth");
  EXPECT_EQ(list.VScroll1.Max(), 1);
  list.ClearAll();
  Fill(101);
  EXPECT_EQ(list.VScroll1.Max(), 94);
  EXPECT_EQ(list.VScroll1.Min(), 0);
}

TEST_F(ListBoxLayout, ScrollingMakesTheRowTheTopOfTheView) {
  Fill(20);
  list.Set_ListIndex(0, true);
  list.VScroll1.SetValue(3);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(list.Row(i).Text1.Visible()) << i;
  EXPECT_TRUE(list.Row(3).Text1.Visible());
  EXPECT_EQ(Y(3), 0);
  EXPECT_EQ(Y(10), 7 * 620);
  EXPECT_FALSE(list.Row(11).Text1.Visible()) << "below the view";
  EXPECT_EQ(list.Selected_Background.Top(), ListBoxExtended::kParkedTop) << "the selected row left the view";

  list.VScroll1.SetValue(0);
  EXPECT_EQ(list.Selected_Background.Top(), 0);
}

// The keys move the selection as in any list; the highlight goes with it and the view follows.
TEST_F(ListBoxLayout, TheKeysMoveTheSelectionAndTheViewFollowsIt) {
  Fill(12);  // seven rows in view
  list.Set_ListIndex(0, true);
  const auto highlighted = [&] {
    std::vector<int> rows;
    for (int row = 0; row < list.GetListCount(); ++row)
      if (list.Row(row).Text1.BackColor() == ListBoxExtended::kHighlightColour) rows.push_back(row);
    return rows;
  };
  list.UserKeyDown(38);  // Up on the first row
  EXPECT_EQ(list.SelectedRow(), 0);
  for (int i = 0; i < 7; ++i) list.UserKeyDown(40);
  EXPECT_EQ(list.SelectedRow(), 7);
  EXPECT_EQ(highlighted(), std::vector<int>{7});
  EXPECT_EQ(Y(7), 6 * ListBoxExtended::RowHeight) << "the view moved one row, to show it last";
  EXPECT_EQ(list.Selected_Background.Top(), Y(7));

  list.UserKeyDown(35);  // End
  EXPECT_EQ(list.GetIndex(), 11);
  EXPECT_TRUE(list.Row(11).InView);
  list.UserKeyDown(36);  // Home
  EXPECT_EQ(list.SelectedRow(), 0);
  EXPECT_EQ(Y(0), 0);
  list.UserKeyDown(34);  // Page Down: a view less one row
  EXPECT_EQ(list.SelectedRow(), 6);
  list.UserKeyDown(33);
  EXPECT_EQ(list.SelectedRow(), 0);
  EXPECT_EQ(highlighted(), std::vector<int>{0});

  // Wherever the focus was, the keys go from the highlighted row, and the host hears of each
  // row as of a click into its text (the editor follows the selection).
  list.UserFocus(3, RowElement::Text2);
  list.UserKeyDown(40);
  EXPECT_EQ(list.SelectedRow(), 4);
  EXPECT_EQ(host.calls.back(), "Text1Got(4,C:\\Tools prog4.exe)");
  EXPECT_EQ(list.FocusRow(), 4);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ListBoxLayout, TheThumbFollowsTheRowTheViewStartsFrom) {
  Fill(101);
  list.Set_ListIndex(40, true);
  EXPECT_EQ(Y(40), 0);
  EXPECT_EQ(list.VScroll1.Value(), 40);
  list.UserKeyDown(38);  // the row above comes into view
  EXPECT_EQ(Y(39), 0);
  EXPECT_EQ(list.VScroll1.Value(), 39);
  list.Set_ListIndex(100, true);
  EXPECT_EQ(list.VScroll1.Value(), 94);
}

TEST_F(ListBoxLayout, AnEmptiedListScrollsNowhere) {
  Fill(101);
  list.VScroll1.SetValue(50);
  list.ClearAll();
  EXPECT_EQ(list.VScroll1.Value(), 0);
  list.Set_HideEmpty(true);
  for (int nr = 0; nr < 101; ++nr) Add(nr, "");
  list.UserKeyDown(40);
  EXPECT_EQ(list.VScroll1.Value(), 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ListBoxLayout, SetListIndexSelectsAndOnlyRedrawsWhenAsked) {
  Fill(12);
  list.RedrawList(0, list.TopRow());
  list.Set_ListIndex(2);
  EXPECT_EQ(list.SelectedRow(), 2);
  EXPECT_EQ(list.GetIndex(), 2);
  EXPECT_TRUE(list.Selected_Background.Visible());
  EXPECT_EQ(list.Selected_Background.Top(), 2 * 620);
  EXPECT_EQ(list.Row(2).Text1.BackColor(), ListBoxExtended::kNormalColour) << "no recolouring";

  list.Set_ListIndex(9, true);  // below the view: it becomes the top row
  EXPECT_EQ(list.SelectedRow(), 9);
  EXPECT_EQ(Y(9), 0);
  EXPECT_FALSE(list.Row(8).Text1.Visible());
  EXPECT_EQ(list.Row(9).Text1.BackColor(), ListBoxExtended::kHighlightColour);
  EXPECT_EQ(list.Selected_Background.Top(), 0);

  list.Set_HideEmpty(true);
  Add(12, "");
  list.Set_ListIndex(12, true);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Ung\xFC" "ltiger Index!"});
  EXPECT_EQ(list.SelectedRow(), 9);
}
