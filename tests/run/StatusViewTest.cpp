// The startup list status view (FillText1Text) and the calls of the row list control.
#include <gtest/gtest.h>

#include "SequencerFixture.h"

using namespace sequora;

namespace {

class StatusViewTest : public test::SequencerTest {
 protected:
  std::string Rebuild(int first) {
    form->FillText1Text(first);
    return form->Text1.Text();
  }
  static std::string Head(int left, int disabled) {
    return "Startup list   (" + std::to_string(left) + " left / " + std::to_string(disabled) + " disabled):\r\n" +
           std::string(188, '-') + "\r\n";
  }
};

}  // namespace

TEST_F(StatusViewTest, TheViewListsTheEntriesFromItsArgumentOnUnderAHeadWithTheCounts) {
  std::vector<std::string> entry5 = Entry(5, "p5.exe", 2, {"Param=-x y"});
  Settings({"InitialStartupTime=30"},
           {Entry(1, "p1.exe", 2), Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2), Entry(4, "p4.exe", 2), entry5,
            Entry(6, "p6.exe", 2), Entry(7, "p7.exe", 2), Entry(8, "p8.exe", 2), Entry(9, "p9.exe", 2),
            Entry(10, "p10.exe", 2)});
  run::Form1& f = LoadWatched();
  std::string expected = Head(6, 0) + "5: C:\\P\\p5.exe -x y\r\n";
  for (int n = 6; n <= 10; ++n) expected += std::to_string(n) + ": C:\\P\\p" + std::to_string(n) + ".exe \r\n";
  EXPECT_EQ(Rebuild(5), expected);
  EXPECT_EQ(f.left, 6);
  EXPECT_EQ(f.disabled, 0);
  EXPECT_EQ(f.SortierList.ListCount(), 101);
  EXPECT_EQ(f.SortierList.List(0), "C:\\P\\p1.exe ");  // every entry, from 1
  EXPECT_EQ(f.SortierList.List(10), "");
  EXPECT_EQ(f.RunPaths[5], (run::RunPathRow{"C:\\P\\", "p5.exe", "-x y"}));

  int first = -3;  // a negative argument stands for the current entry
  f.FillText1Text(first);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(f.left, 10);
}

TEST_F(StatusViewTest, MarkersForConfirmedDisabledSkippedRunningAndFolderlessEntries) {
  fakes.processes.AddRunningProgram("p2.exe", "Two");
  Settings({"CheckRunningProgramTasks=1"},
           {Entry(1, "p1.exe", 2), Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2, {"Disabled=1"}),
            Entry(4, "p4.exe", 2, {"Disabled=1"}), Entry(5, "p5.exe", 2), Entry(6, "p6.exe", 2),
            {"Program7=p7.exe"}});
  run::Form1& f = LoadWatched();
  f.RunPaths[7] = {"C:\\Old\\", "old.exe", ""};  // what an entry held before it lost its folder
  E(3).ConfirmState = 1;
  E(5).ConfirmState = 2;
  E(5).Skip = true;
  E(6).ConfirmState = 3;
  EXPECT_EQ(Rebuild(1), Head(3, 3) +
                            "1: C:\\P\\p1.exe \r\n"
                            "<-> (already running) 2: C:\\P\\p2.exe \r\n"
                            "<+> 3: C:\\P\\p3.exe  <--  <Confirmed!>\r\n"
                            "<->  -->C:\\P\\p4.exe  <--  <disabled>\r\n"
                            "<->  -->C:\\P\\p5.exe  <--  <Confirmed!>\r\n"
                            "6: C:\\P\\p6.exe  <--  <Confirmed!>\r\n");
  EXPECT_TRUE(E(2).IsRunning);
  EXPECT_EQ(f.RunPaths[7], run::RunPathRow{});
  EXPECT_EQ(f.SortierList.List(3), "<->  -->C:\\P\\p4.exe  <--  <disabled>");

  f.RunningPrgr.SetValue(0);  // without detection a running program is a normal line
  EXPECT_EQ(Rebuild(2).substr(Head(3, 2).size()).substr(0, 22), "2: C:\\P\\p2.exe \r\n<+> 3");
  EXPECT_EQ(f.left, 3);
  EXPECT_EQ(f.disabled, 2);
}

TEST_F(StatusViewTest, ARebuildOf101EntriesTakesOneReadOneSnapshotAndOneWindowEnumeration) {
  std::vector<std::vector<std::string>> entries;
  std::string text = "[MainSettings]\r\nCheckRunningProgramTasks=1\r\n[ProgramList]\r\n";
  for (int n = 1; n <= 101; ++n)
    for (const auto& line : Entry(n, "p" + std::to_string(n) + ".exe", 1)) text += line + "\r\n";
  PutIni(text);
  fakes.processes.AddRunningProgram("p7.exe", "Seven");
  run::Form1& f = LoadWatched();
  fakes.processes.ResetCalls();
  fakes.fileSystem.ResetCalls();
  Rebuild(1);
  EXPECT_EQ(fakes.processes.snapshotCalls, 1);
  EXPECT_EQ(fakes.processes.windowListCalls, 1);
  EXPECT_EQ(fakes.fileSystem.Calls(platform::FakeFileSystem::Op::ReadFile), 1);
  EXPECT_EQ(f.left, 100);
  EXPECT_EQ(f.disabled, 1);
}

TEST_F(StatusViewTest, TheRowsAreRefilledAndTheFirstEntrysRowSelected) {
  Settings({}, {Entry(1, "p1.exe", 2), Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2)});
  run::Form1& f = LoadWatched();
  controls::ListBoxExtended& list = f.ListBoxExtended1;
  Rebuild(3);
  EXPECT_EQ(list.GetIndex(), 2);
  EXPECT_EQ(list.GetListCount(), 101);
  Rebuild(0);  // no first entry: the list starts at the top
  EXPECT_EQ(list.GetIndex(), 0);
  f.OnlyActiveCheck.SetValue(1);  // the click rebuilds for the current entry
  EXPECT_EQ(list.GetListCount(), 3);
  Rebuild(2);
  EXPECT_EQ(list.GetIndex(), 1);
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(StatusViewTest, SkippedEntriesGreyTheirRowWhenTheyHaveOne) {
  Settings({}, {Entry(1, "p1.exe", 2), Entry(2, "p2.exe", 2)});
  run::Form1& f = LoadWatched();
  f.HideEmptyCheck.SetValue(1);  // entry 3 has no row
  f.MarkEntrySkipped(2);
  EXPECT_TRUE(E(2).Done && E(2).Skip);
  EXPECT_EQ(f.ListRowText1(1)->ForeColor(), 8421504u);
  Rebuild(1);  // still grey: the run passes it over
  EXPECT_EQ(f.ListRowText1(1)->ForeColor(), 8421504u);
  f.e_ListBox_SetTextDisabled(1, false);
  EXPECT_EQ(f.ListRowText1(1)->ForeColor(), 0u);
  EXPECT_EQ(f.ListRowText1(0)->ForeColor(), 0u);
  f.MarkEntrySkipped(3);  // no row: nothing to colour
  EXPECT_EQ(f.ListRowText1(2), nullptr);
  f.e_ListBox_SetTextDisabled(-1, true);
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(StatusViewTest, RowPicturesSwitchAnEntryAndOpenTheGroupSetUp) {
  fakes.processes.AddRunningProgram("p3.exe", "Three");
  Settings({"CheckRunningProgramTasks=1"},
           {Entry(1, "p1.exe", 2, {"ConfirmMessageBoxNr=4"}), Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2)});
  run::Form1& f = LoadWatched();
  w->calls.clear();
  E(1).ConfirmState = 1;
  f.E_ListBox_Picture2_Click(0);
  EXPECT_EQ(E(1).Disabled, 1);
  EXPECT_EQ(E(1).ConfirmState, 0);
  EXPECT_EQ(f.ListBoxExtended1.GetPicture2(0), Picture::Named("disabled"));  // the row follows
  f.OnlyActiveCheck.SetValue(1);
  EXPECT_EQ(f.ListRowOfEntry(0), -1);
  f.OnlyActiveCheck.SetValue(0);
  EXPECT_NE(FileText(test::kIni).find("Program1Disabled=1"), std::string::npos);  // survives the next reload
  Rebuild(1);
  EXPECT_EQ(E(1).Disabled, 1);
  f.E_ListBox_Picture2_Click(0);
  EXPECT_EQ(E(1).Disabled, 0);

  f.E_ListBox_Picture2_Click(2);  // running: only a message
  EXPECT_EQ(E(3).Disabled, 0);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "Program is already running!");
  EXPECT_EQ(fakes.dialogs.shown[0].title, "Already started!");
  EXPECT_EQ(fakes.dialogs.shown[0].style, 64);

  f.E_ListBox_Picture3_Click(0);
  f.E_ListBox_Picture3_Click(1);  // no group: nothing
  f.E_ListBox_Picture1_Click(1);
  f.E_ListBox_Text1_GotFocus(2, "");
  f.E_ListBox_Picture2_Click(-1);
  f.E_ListBox_Picture2_Click(101);
  EXPECT_EQ(f.ListBoxExtended1.GetPicture2(0), Picture::Named("enabled"));
  EXPECT_EQ(w->calls,
            (std::vector<std::string>{"ShowGroupSetup 1", "SelectEntryInEditor 2", "SelectEntryInEditor 3"}));
}
