// What a user's click or focus change on a row makes the control call on its host.
#include "ListBoxFixture.h"

using namespace sequora;
using namespace sequora::controls;
using sequora::controls::test::ListBoxTest;

using ListBoxHostCalls = ListBoxTest;
using Calls = std::vector<std::string>;

TEST_F(ListBoxHostCalls, AClickReportsTheEntryOfTheRowNotTheRow) {
  list.Set_HideEmpty(true);
  Add(0, "A");
  Add(1, " ");
  Add(2, "B");
  list.UserClick(1, RowElement::Command1);
  EXPECT_EQ(host.calls, Calls{"Button1(2)"});
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list.GetIndex(), 2);
}

TEST_F(ListBoxHostCalls, AClickHighlightsItsRowBeforeTheCallAndTakesTheFocusThere) {
  Fill(3);
  list.RedrawList(0, list.TopRow());
  list.UserFocus(0, RowElement::Text1);  // the focus rectangle stood on the first row's text
  struct Host : test::RecordingHost {
    ListBoxExtended* list = nullptr;
    void E_ListBox_Picture2_Click(int e) override {
      Record("Picture2(" + N(e) + ") highlighted=" +
             std::to_string(list->Row(1).Text1.BackColor() == ListBoxExtended::kHighlightColour));
    }
  } checking;
  checking.list = &list;
  list.SetHost(&checking);
  list.UserClick(1, RowElement::Picture2);
  EXPECT_EQ(checking.calls, (Calls{"Text1Lost(0,C:\\Tools prog0.exe)", "Picture2(1) highlighted=1"}));
  EXPECT_EQ(list.Selected_Background.Top(), list.Row(1).Label1.Top());
  // Highlight and focus go together: nothing keeps the focus on the row left behind.
  EXPECT_EQ(list.SelectedRow(), 1);
  EXPECT_EQ(list.FocusRow(), -1);
  EXPECT_EQ(list.Row(0).Text1.BackColor(), ListBoxExtended::kNormalColour);
}

TEST_F(ListBoxHostCalls, EnterAndSpacePressTheSelectedRowsButton) {
  Fill(3);
  Add(3, "-Empty-");
  list.RedrawList(0, list.TopRow());
  list.Set_ListIndex(1, true);
  list.UserKeyDown(13);
  list.UserKeyDown(32);
  list.Set_ListIndex(3, true);  // a free slot has no button
  list.UserKeyDown(13);
  EXPECT_EQ(host.calls, (Calls{"Button1(1)", "Button1(1)"}));
}

TEST_F(ListBoxHostCalls, FocusMovesReportLostBeforeGotWithTheCurrentText) {
  Fill(2);
  list.UserFocus(0, RowElement::Text1);
  list.UserFocus(0, RowElement::Text1);  // already there
  list.UserFocus(1, RowElement::Text2);
  list.UserClick(0, RowElement::Command1);  // the button takes the focus from the text
  list.UserFocus(1, RowElement::Text1);
  list.UserFocusLeft();
  EXPECT_EQ(host.calls, (Calls{"Text1Got(0,C:\\Tools prog0.exe)", "Text1Lost(0,C:\\Tools prog0.exe)",
                               "Text2Got(1,+1 sec.)", "Text2Lost(1,+1 sec.)", "Button1(0)",
                               "Text1Got(1,C:\\Tools prog1.exe)", "Text1Lost(1,C:\\Tools prog1.exe)"}));
  EXPECT_EQ(list.FocusRow(), -1);
  EXPECT_EQ(list.SelectedRow(), 1);
}

TEST_F(ListBoxHostCalls, TheHostMayRefillTheListFromInsideACall) {
  struct Refiller : test::RecordingHost {
    std::function<void()> refill;
    void E_ListBox_Button1_Click(int e) override {
      Record("Button1(" + N(e) + ")");
      refill();
    }
    void E_ListBox_Text1_GotFocus(int e, const std::string& t) override {
      refill();
      Record("Text1Got(" + N(e) + "," + t + ")");  // the text outlives the refill
    }
    void E_ListBox_Text1_LostFocus(int e, const std::string& t) override {
      refill();
      Record("Text1Lost(" + N(e) + "," + t + ")");
    }
  } refiller;
  refiller.refill = [&] {
    list.ClearAll();
    Fill(2);
  };
  Fill(5);
  list.SetHost(&refiller);
  list.UserClick(4, RowElement::Command1);
  list.UserClick(4, RowElement::Command1);  // that row is gone now
  list.UserFocus(1, RowElement::Text1);     // its row is destroyed and made again by the refill
  list.UserFocusLeft();                     // the focus went with the destroyed row
  EXPECT_EQ(refiller.calls, (Calls{"Button1(4)", "Text1Got(1,C:\\Tools prog1.exe)"}));
  EXPECT_EQ(list.GetListCount(), 2);

  list.UserFocus(0, RowElement::Text1);
  list.UserFocusLeft();
  EXPECT_EQ(refiller.calls.back(), "Text1Lost(0,C:\\Tools prog0.exe)");
}

TEST_F(ListBoxHostCalls, WithoutHostOrEntryNothingIsCalled) {
  Fill(1);
  list.SetHost(nullptr);
  list.UserClick(0, RowElement::Command1);
  list.UserFocus(0, RowElement::Text1);
  list.SetHost(&host);
  list.UserClick(7, RowElement::Command1);  // no such row
  list.ClearAll();
  list.UserClick(0, RowElement::Picture1);  // row 0 of an emptied list shows no entry
  EXPECT_TRUE(host.calls.empty());
  EXPECT_TRUE(dialogs.shown.empty());
}
