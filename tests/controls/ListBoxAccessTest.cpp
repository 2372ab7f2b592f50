// The host's access to single elements of a row: setters, getters, tool tips and the elements
// themselves, with the index check in front of each.
#include "ListBoxFixture.h"

using namespace sequora;
using namespace sequora::controls;
using sequora::controls::test::ListBoxTest;

using ListBoxAccess = ListBoxTest;

TEST_F(ListBoxAccess, WithoutSelectionTheIndexCheckReportsIndexMinusOne) {
  Fill(3);
  list.SetText2("5 sec.");
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Index-Error (INDEX_OK = False)\rIndex: -1\rExterner Index: -1\rControlID: 4\rCount: 3");
  EXPECT_EQ(dialogs.shown[0].title, "Sequora");
  EXPECT_EQ(dialogs.shown[0].style, 0);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.Row(i).Text2.Text(), "+" + std::to_string(i) + " sec.");
}

TEST_F(ListBoxAccess, SettersReachTheSelectedRowOrTheEntrysRow) {
  list.Set_HideEmpty(true);
  Add(0, "A");
  Add(1, "");
  Add(2, "B");
  list.Set_ListIndex(0);
  list.SetText2("Next -> 3");
  list.SetText1("B2", 2);
  list.SetButton1Picture(Picture::Named("play"), 2);
  list.SetPicture2(Picture::Named("disabled"), 2);
  EXPECT_EQ(list.Row(0).Text2.Text(), "Next -> 3");
  EXPECT_EQ(list.Row(1).Text1.Text(), "B2");
  EXPECT_EQ(list.Row(1).Command1.Picture(), Picture::Named("play"));
  EXPECT_EQ(list.GetPicture2(2), Picture::Named("disabled"));
  EXPECT_EQ(list.GetText1(2), "B2");
  EXPECT_EQ(list.GetText2(), "Next -> 3");
  EXPECT_EQ(list.GetLabel1(2), "3");
  EXPECT_EQ(list.GetCheck1(2), 0);
  EXPECT_TRUE(dialogs.shown.empty());

  list.SetPicture3(Picture::Named("group"), 1);  // entry without row
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Index-Error (INDEX_OK = False)\rIndex: -1\rExterner Index: -1\rControlID: 6\rCount: 2"});
}

TEST_F(ListBoxAccess, TheHostGetsTheRowsElementsThemselves) {
  Fill(3);
  ui::TextBox* text = list.Get_ControlText(2, 1);
  ASSERT_EQ(text, &list.Row(1).Text2);
  text->SetForeColor(ui::kRed);  // the countdown in the row
  EXPECT_EQ(list.Row(1).Text2.ForeColor(), ui::kRed);
  EXPECT_EQ(list.Get_ControlPicture(3, 2), &list.Row(2).Picture3);
  EXPECT_EQ(list.Get_ControlCheck(1, 0), &list.Row(0).Check1);
  EXPECT_EQ(list.Get_ControlButton(2, 0), &list.Row(0).Command2);
  EXPECT_EQ(list.Get_ControlText(3, 1), nullptr);
  EXPECT_EQ(list.Get_ControlPicture(0, 1), nullptr);
  EXPECT_TRUE(dialogs.shown.empty());

  list.Get_ControlText(1, 7);  // an entry that was never added
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Index-Error (INDEX_OK = False)\rIndex: -1\rExterner Index: 1\rControlID: 31\rCount: 3"});
}

TEST_F(ListBoxAccess, ToolTipsGoToTheNamedElementOfTheRow) {
  Fill(2);
  list.PictureToolTip(3, 1, "No group");
  list.TextToolTip(3, 0, "ignored");
  list.CheckToolTip(2, 0, "Check");
  list.ButtonToolTip(1, 1, "Run now");
  EXPECT_EQ(list.Row(1).Picture3.ToolTipText(), "No group");
  EXPECT_EQ(list.Row(0).Check2.ToolTipText(), "Check");
  EXPECT_EQ(list.Row(1).Command1.ToolTipText(), "Run now");
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ListBoxAccess, RowElementsStayOffTheHostForm) {
  Fill(5);
  EXPECT_EQ(form.Controls().size(), 1u);
  EXPECT_EQ(form.Controls()[0], &list);
  EXPECT_EQ(list.TypeName(), "ListBoxExtended");
}
