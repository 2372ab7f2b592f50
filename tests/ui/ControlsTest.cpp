// Control models: events raised by changes from code and by focus moves.
#include <gtest/gtest.h>

#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"

using namespace sequora::ui;

TEST(Controls, ValueChangesFromCodeRaiseTheUsersEvents) {
  Form form("F");
  CheckBox check(form, "Check1");
  TextBox text(form, "Text1");
  ListBox list(form, "List1");
  int clicks = 0, changes = 0, listClicks = 0;
  check.Click = [&] { ++clicks; };
  text.Change = [&] { ++changes; };
  list.Click = [&] { ++listClicks; };
  check.SetValue(1);
  check.SetValue(1);
  text.SetText("a");
  text.SetText("a");
  list.AddItem("x");
  list.SetListIndex(0);
  list.SetListIndex(5);  // outside: ignored
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(listClicks, 1);
  EXPECT_EQ(list.ListIndex(), 0);
}

TEST(Controls, FocusMovesRaiseLostThenGot) {
  Form form("F");
  TextBox a(form, "A"), b(form, "B");
  std::string log;
  a.GotFocus = [&] { log += "+A"; };
  a.LostFocus = [&] { log += "-A"; };
  b.GotFocus = [&] { log += "+B"; };
  a.SetFocus();
  b.SetFocus();
  EXPECT_EQ(log, "+A-A+B");
  EXPECT_TRUE(b.HasFocus());
}
