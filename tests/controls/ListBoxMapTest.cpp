// Entries, rows and the map between them; adding, refilling and emptying the list.
#include "ListBoxFixture.h"

using namespace sequora;
using namespace sequora::controls;
using sequora::controls::test::ListBoxTest;

using ListBoxMap = ListBoxTest;

TEST_F(ListBoxMap, HideEmptyRegistersBlankEntriesWithoutRow) {
  list.Set_HideEmpty(true);
  Add(0, "A");
  Add(1, "   ");  // only blanks counts as empty
  Add(2, "B");
  Add(3, "-Empty-");  // a free slot's text is not blank
  EXPECT_EQ(list.GetListCount(), 3);
  EXPECT_EQ(list.EntryCount(), 4);
  EXPECT_EQ(list.Get_INTERNALListIndex(1), -1);
  EXPECT_EQ(list.Get_INTERNALListIndex(2), 1);
  EXPECT_EQ(list.Get_INTERNALListIndex(3), 2);
  EXPECT_EQ(list.EntryOfRow(1), 2);
  EXPECT_EQ(list.IndexMap()[1].Row, -1);
  EXPECT_EQ(list.Row(1).Text1.Text(), "B");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ListBoxMap, RefillingAnEntryChangesOnlyItsOwnRow) {
  Fill(3);
  list.Get_ControlText(1, 2)->SetForeColor(ui::kGrey);
  Add(1, "D:\\new.exe");
  EXPECT_EQ(list.GetListCount(), 3);
  EXPECT_EQ(list.EntryCount(), 3);
  EXPECT_EQ(list.Row(1).Text1.Text(), "D:\\new.exe");
  EXPECT_EQ(list.Row(2).Text1.Text(), "C:\\Tools prog2.exe") << "the last row keeps its texts";
  EXPECT_EQ(list.Row(2).Text2.Text(), "+2 sec.");
  EXPECT_EQ(list.Row(2).Text1.ForeColor(), ui::kGrey);
}

TEST_F(ListBoxMap, RefillingAnEntryThatHasNoRowKeepsTheNumbering) {
  list.Set_HideEmpty(true);
  Add(0, "A");
  Add(1, "");
  Add(2, "B");
  Add(1, "C:\\now filled.exe");  // the host saved entry 1 before its next full fill
  EXPECT_EQ(list.EntryCount(), 3);
  EXPECT_EQ(list.GetListCount(), 2);
  EXPECT_EQ(list.EntryOfRow(1), 2);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ListBoxMap, ClearAllKeepsRowZeroAndTheNextEntryZeroReusesIt) {
  Fill(3);
  list.Set_ListIndex(1);
  list.RedrawList(0, list.TopRow());
  list.Get_ControlText(1, 0)->SetForeColor(ui::kRed);
  list.ClearAll(0);

  EXPECT_EQ(list.GetListCount(), 0);
  EXPECT_EQ(list.EntryCount(), 0);
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_EQ(list.Row(0).Text1.Text(), "C:\\Tools prog0.exe") << "row 0 keeps its texts";
  EXPECT_FALSE(list.Row(0).Text1.Visible()) << "but shows nothing stale";

  list.Add_NewListentry(0, "E:\\x.exe", "", "", "", "", "", {}, {}, {}, "", false);
  EXPECT_EQ(list.Get_INTERNALListIndex(0), 0);
  EXPECT_EQ(list.Row(0).Text1.Text(), "E:\\x.exe");
  EXPECT_EQ(list.Row(0).Text2.Text(), "") << "cleared before the fill";
  EXPECT_EQ(list.Row(0).Text1.ForeColor(), ui::kBlack);
}

TEST_F(ListBoxMap, NegativeEntryNumbersFailSilently) {
  Fill(2);
  Add(-1, "X");
  list.Set_ListIndex(-1, true);
  list.SetHighlight(-5);
  list.RedrawList(-1, 0);
  list.PictureToolTip(9, -1, "tip");
  EXPECT_EQ(list.Get_INTERNALListIndex(-1), -1);
  EXPECT_EQ(list.Get_ControlText(1, -1), nullptr);
  EXPECT_EQ(list.EntryCount(), 2);
  EXPECT_EQ(list.SelectedRow(), -1);
  EXPECT_TRUE(dialogs.shown.empty());
}
