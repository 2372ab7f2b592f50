// The program list in the main window: the rows from the settings file, the filters, the run
// button of a row, the countdown in the current row, and the list frame after loading.
#include <gtest/gtest.h>

#include "Form1Fixture.h"

using namespace sequora;
using controls::ListBoxRow;

namespace {

class ListFillTest : public test::Form1Test {
 protected:
  controls::ListBoxExtended& List() { return form->ListBoxExtended1; }
  // The row of entry n (1..101); the test fails when it has none.
  const ListBoxRow& RowOf(int n) {
    const int row = List().Get_INTERNALListIndex(n - 1);
    EXPECT_GE(row, 0) << "entry " << n;
    return List().Row(row < 0 ? 0 : row);
  }
  static Picture Pic(const char* name) { return Picture::Named(name); }

  // 1 normal, 2 disabled, 3 in group 4, 5 running, 7 with a folder of blanks; the rest free.
  void FiveEntries(std::initializer_list<std::string> main = {"CheckRunningProgramTasks=1"}) {
    fakes.processes.AddRunningProgram("p5.exe", "Five");
    Settings(main, {Entry(1, "p1.exe", 3, {"Param=-x"}), Entry(2, "p2.exe", 2, {"Disabled=1"}),
                    Entry(3, "p3.exe", 2, {"ConfirmMessageBoxNr=4"}), Entry(5, "p5.exe", 2),
                    {"Program7=p7.exe", "Program7Dir=C:\\P\\"}});
  }
};

}  // namespace

TEST_F(ListFillTest, EveryEntryGetsARowWithItsTextsPicturesAndRunButton) {
  FiveEntries();
  Load();
  ASSERT_EQ(List().GetListCount(), 101);
  const ListBoxRow& one = RowOf(1);
  EXPECT_EQ(one.Label1.Caption(), "1");
  EXPECT_EQ(one.Text1.Text(), "C:\\P\\ p1.exe");
  EXPECT_EQ(one.Text1.ToolTipText(), "C:\\P\\p1.exe -x");
  EXPECT_EQ(RowOf(7).Text2.Text(), "+2 sec.");  // the default delay
  EXPECT_EQ(one.Picture1.Picture(), Pic("program"));
  EXPECT_EQ(one.Picture2.Picture(), Pic("enabled"));
  EXPECT_TRUE(one.Picture3.Picture().Empty());  // no group
  EXPECT_TRUE(one.Command1.Visible());

  EXPECT_EQ(RowOf(2).Picture2.Picture(), Pic("disabled"));
  EXPECT_EQ(RowOf(2).Text1.ForeColor(), ui::kGrey);
  EXPECT_EQ(RowOf(3).Picture3.Picture(), Pic("groupask"));
  EXPECT_EQ(RowOf(3).Picture3.ToolTipText(), "Group 4: waiting for confirmation");
  EXPECT_EQ(RowOf(5).Picture2.Picture(), Pic("running"));

  const ListBoxRow& free = RowOf(4);  // a free slot: its number, "-Empty-" and its delay only
  EXPECT_EQ(free.Text1.Text(), "-Empty-");
  EXPECT_FALSE(free.Command1.Visible());
  EXPECT_TRUE(free.Picture1.Picture().Empty() && free.Picture2.Picture().Empty() && free.Picture3.Picture().Empty());

  EXPECT_EQ(List().GetIndex(), 0);  // the current entry is selected
}

TEST_F(ListFillTest, HideEmptyLeavesTheFilledEntriesAndARowRunsItsOwnEntry) {
  FiveEntries();
  forms::Form1& f = Load();
  f.HideEmptyCheck.SetValue(1);
  ASSERT_EQ(List().GetListCount(), 5);
  const int rows[] = {0, 1, 2, -1, 3, -1, 4, -1};
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(f.ListRowOfEntry(n - 1), rows[n - 1]) << "entry " << n;

  fakes.dialogs.answers = {7};  // No
  List().UserClick(3, controls::RowElement::Command1);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "Run Program p5.exe");
  List().UserClick(4, controls::RowElement::Command1);  // Yes
  EXPECT_EQ(fakes.dialogs.shown[1].text, "Run Program p7.exe");
  ASSERT_EQ(Started().size(), 1u);
  EXPECT_EQ(Started()[0], P("p7.exe"));

  f.HideEmptyCheck.SetValue(0);
}

TEST_F(ListFillTest, HideDisabledLeavesWhatWillStartAndWhatAGroupDecided) {
  FiveEntries();
  forms::Form1& f = Load();
  E(2).ConfirmState = storage::ConfirmState::RunAll;  // a disabled entry of a group run with "&Run all" starts
  E(3).ConfirmState = storage::ConfirmState::SkipAll;  // refused: passed over, but decided
  f.OnlyActiveCheck.SetValue(1);
  EXPECT_EQ(List().GetListCount(), 4);  // 1, 2, 3, 7; neither the running entry 5 nor free slots
  EXPECT_EQ(f.ListRowOfEntry(4), -1);
  EXPECT_EQ(RowOf(2).Picture2.Picture(), Pic("enabled"));
  EXPECT_EQ(RowOf(3).Picture3.Picture(), Pic("groupno"));
  EXPECT_EQ(RowOf(3).Text1.ForeColor(), ui::kGrey);
  f.HideEmptyCheck.SetValue(1);
}

// The seconds stand red in the current entry's row, from the first moment and through every
// rebuild (a pause keeps its "PAUSE" there); a pass-over moves them, the highlight and the label
// to the next program together and marks the one passed over.
TEST_F(ListFillTest, TheCountdownStandsRedInTheCurrentEntrysRowOnly) {
  FiveEntries({"InitialStartupTime=5"});
  forms::Form1& f = Load();
  EXPECT_EQ(RowOf(1).Text2.Text(), "5");
  Advance(1000);
  EXPECT_EQ(RowOf(1).Text2.Text(), "4");
  EXPECT_EQ(RowOf(1).Text2.ForeColor(), ui::kRed);
  EXPECT_EQ(RowOf(2).Text2.ForeColor(), ui::kGrey);  // disabled: its delay is not waited

  f.Command4.RaiseClick();  // pause
  f.HideEmptyCheck.SetValue(1);  // a rebuild
  EXPECT_EQ(RowOf(1).Text2.Text(), "PAUSE");
  f.Command4.RaiseClick();

  f.Command12.RaiseClick();  // pass over entry 1: entry 3 is next (2 is disabled)
  EXPECT_EQ(f.Label2.Caption(), "Next -> (3) p3.exe");
  EXPECT_EQ(RowOf(3).Text2.Text(), f.Label1.Caption());
  EXPECT_EQ(RowOf(3).Text2.ForeColor(), ui::kRed);
  EXPECT_EQ(List().GetIndex(), 2);
  EXPECT_EQ(RowOf(1).Picture2.Picture(), Pic("skip"));
  EXPECT_EQ(RowOf(1).Text2.Text(), "+3 sec.");
}

// What the rows tell before the run: the delay it will wait, the file it cannot find, and a
// program run by hand, at once.
TEST_F(ListFillTest, RowsShowTheDelayTheRunWaitsAMissingFileAndAProgramRunByHand) {
  Settings({"ProgramDelayDefault=4"},
           {Entry(1, "p1.exe", 1), Entry(2, "gone.exe", 1), Entry(3, "p3.exe", -7)});
  fakes.fileSystem.RemoveFile(P("gone.exe"));
  forms::Form1& f = Load();
  EXPECT_EQ(RowOf(3).Text2.Text(), "+4 sec.");
  EXPECT_EQ(RowOf(2).Picture2.Picture(), Pic("warning"));
  EXPECT_EQ(RowOf(2).Picture2.ToolTipText(), "Program file not found: C:\\P\\gone.exe");
  EXPECT_EQ(RowOf(3).Picture2.Picture(), Pic("enabled"));

  List().UserClick(f.ListRowOfEntry(2), controls::RowElement::Command1);  // Yes
  ASSERT_EQ(Started(), std::vector<std::string>{P("p3.exe")});
  EXPECT_EQ(RowOf(3).Picture2.Picture(), Pic("running"));  // before its window shows
  EXPECT_EQ(RowOf(3).Picture2.ToolTipText(), "Started in this run");
  EXPECT_EQ(f.ListRowOfEntry(0), f.ListBoxExtended1.SelectedRow());  // the current entry stays selected
}

TEST_F(ListFillTest, UnderHideEmptyACurrentEntryWithoutARowShowsTheCountdownInNoRow) {
  Settings({"InitialStartupTime=5"}, {Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2)});  // entry 1 is free
  forms::Form1& f = Load();
  f.HideEmptyCheck.SetValue(1);
  ASSERT_EQ(List().GetListCount(), 2);
  Advance(1000);
  for (int row = 0; row < List().GetListCount(); ++row) EXPECT_NE(List().Row(row).Text2.ForeColor(), ui::kRed);
}

TEST_F(ListFillTest, ARebuildKeepsTheCurrentEntrySelectedWhereverItsRowMoves) {
  FiveEntries({"CheckRunningProgramTasks=1", "InitialStartupTime=50"});
  forms::Form1& f = Load();
  f.sequencer.SkipNext();  // to entry 3
  f.sequencer.SkipNext();  // past the free 4, the running 5 and the free 6: to entry 7
  ASSERT_EQ(f.sequencer.CurrentEntry(), 7);
  f.FillText1Text();
  EXPECT_EQ(List().GetIndex(), 6);
  EXPECT_EQ(List().SelectedRow(), 6);
  f.HideEmptyCheck.SetValue(1);
  EXPECT_EQ(List().GetIndex(), 6);
  EXPECT_EQ(List().SelectedRow(), 4);
  EXPECT_EQ(RowOf(7).Text1.BackColor(), ui::kButtonFace);  // highlighted

  f.OnlyActiveCheck.SetValue(1);
  EXPECT_EQ(List().GetIndex(), 6);
}

// Without the editor's seams watched: what the user sees after loading, and a click on a row.
class ListFrameTest : public test::Form1Test {};

TEST_F(ListFrameTest, AfterLoadingTheListFillsTheWindowAndAClickHighlightsARow) {
  PutSettings({}, {"Program1=a.exe", "Program1Dir=C:\\A\\", "Program2=b.exe", "Program2Dir=C:\\B\\"});
  forms::Form1& f = Load();
  EXPECT_FALSE(f.settingsPanel.Visible() || f.editor.Visible() || f.Text1.Visible() || f.CloseFrameBtn.Visible());
  EXPECT_TRUE(f.Command11.Enabled());
  controls::ListBoxExtended& list = f.ListBoxExtended1;
  // A whole row fits the wide list, run button included, and the first rows are in view.
  const ListBoxRow& row = list.Row(0);
  EXPECT_LE(row.Command1.Left() + row.Command1.Width(), list.Frame1.Width());
  EXPECT_TRUE(row.InView && list.Row(8).InView);

  list.UserFocus(1, controls::RowElement::Text1);
  EXPECT_EQ(list.SelectedRow(), 1);
  list.UserClick(0, controls::RowElement::Picture1);
  EXPECT_EQ(list.Row(0).Text1.BackColor(), ui::kButtonFace);

  // A side panel open with the status text: closing it gives the list its room back.
  f.editor.SetVisible(true);
  f.Text1.SetVisible(true);
  f.Command11.SetEnabled(false);
  f.CloseFrameBtn.SetVisible(true);
  f.CloseFrameBtn.RaiseClick();
  EXPECT_FALSE(f.editor.Visible() || f.Text1.Visible() || f.CloseFrameBtn.Visible());
  EXPECT_TRUE(f.Command11.Enabled());
}

TEST_F(ListFillTest, SkippedEntriesGreyTheirRowWhenTheyHaveOne) {
  Settings({}, {Entry(1, "p1.exe", 2), Entry(2, "p2.exe", 2)});
  forms::Form1& f = Load();
  f.HideEmptyCheck.SetValue(1);  // entry 3 has no row
  f.sequencer.MarkEntrySkipped(2);
  EXPECT_EQ(f.ListRowText1(1)->ForeColor(), ui::kGrey);
  f.FillText1Text(1);  // still grey: the run passes it over
  EXPECT_EQ(f.ListRowText1(1)->ForeColor(), ui::kGrey);
  f.e_ListBox_SetTextDisabled(1, false);
  EXPECT_EQ(f.ListRowText1(1)->ForeColor(), ui::kBlack);
  f.sequencer.MarkEntrySkipped(3);  // no row: nothing to colour
  EXPECT_EQ(f.ListRowText1(2), nullptr);
  f.e_ListBox_SetTextDisabled(-1, true);
}

TEST_F(ListFillTest, TheStartStatePictureSwitchesAnEntryAndTheFileKeepsIt) {
  fakes.processes.AddRunningProgram("p3.exe", "Three");
  Settings({"CheckRunningProgramTasks=1"},
           {Entry(1, "p1.exe", 2, {"ConfirmMessageBoxNr=4"}), Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2)});
  forms::Form1& f = Load();
  E(1).ConfirmState = storage::ConfirmState::RunAll;
  f.E_ListBox_Picture2_Click(0);
  EXPECT_EQ(E(1).Disabled, 1);
  EXPECT_EQ(E(1).ConfirmState, storage::ConfirmState::Undecided);
  EXPECT_EQ(List().GetPicture2(0), Pic("disabled"));  // the row follows
  f.OnlyActiveCheck.SetValue(1);
  EXPECT_EQ(f.ListRowOfEntry(0), -1);
  f.OnlyActiveCheck.SetValue(0);
  EXPECT_NE(FileText(test::kIni).find("Program1Disabled=1"), std::string::npos);  // survives the next reload
  f.E_ListBox_Picture2_Click(0);
  EXPECT_EQ(E(1).Disabled, 0);

  f.E_ListBox_Picture2_Click(2);  // running: only a message
  EXPECT_EQ(E(3).Disabled, 0);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "Program is already running!");

  f.E_ListBox_Picture1_Click(1);  // the icon selects the entry's row
  EXPECT_EQ(List().GetIndex(), 1);
}

TEST_F(ListFillTest, ASwitchThatCannotBeSavedSaysSoOnceAndTheRowShowsTheStoredState) {
  Settings({}, {Entry(1, "p1.exe", 2)});
  forms::Form1& f = Load();
  const std::string before = FileText(test::kIni);
  // A failure at every mutating step of the write in turn: the old file or the new one, and one
  // message for each failure.
  int injected = 0;
  for (int step = 1;; ++step) {
    fakes.dialogs.shown.clear();
    fakes.fileSystem.FailMutation(step);
    const int mutationsBefore = fakes.fileSystem.MutationCount();
    f.E_ListBox_Picture2_Click(0);
    const bool failed = FileText(test::kIni) == before;
    if (!failed) {
      EXPECT_NE(FileText(test::kIni).find("Program1Disabled=1"), std::string::npos);
      EXPECT_TRUE(fakes.dialogs.shown.empty());
      EXPECT_EQ(E(1).Disabled, 1);
      EXPECT_LT(fakes.fileSystem.MutationCount() - mutationsBefore, step);  // no step left to fail
      fakes.fileSystem.FailMutation(0);
      break;
    }
    ++injected;
    ASSERT_EQ(fakes.dialogs.shown.size(), 1u) << "step " << step;
    EXPECT_EQ(fakes.dialogs.shown[0].title, "Sequora");
    EXPECT_EQ(E(1).Disabled, 0) << "step " << step;
    EXPECT_EQ(List().GetPicture2(0), Pic("enabled")) << "step " << step;
    ASSERT_LT(step, 20);
  }
  EXPECT_GE(injected, 1);
}
