#include "ui/ManualClock.h"

#include <gtest/gtest.h>

#include "ui/Controls.h"
#include "ui/Form.h"

using namespace sequora::ui;

namespace {
struct TwoTimers : Form {
  TwoTimers() : Form("TwoTimers") {}
  Timer Timer1{*this, "Timer1", 1000, true};
  Timer Timer2{*this, "Timer2", 1000, false};
};
}  // namespace

TEST(ManualClock, TicksOnlyEnabledTimersAndRestartsTheIntervalWhenEnabled) {
  TwoTimers form;
  ManualClock clock;
  clock.Watch(form);
  int ticks1 = 0, ticks2 = 0;
  form.Timer1.Tick = [&] {
    ++ticks1;
    if (ticks1 == 2) {
      form.Timer1.SetEnabled(false);
      form.Timer2.SetEnabled(true);
    }
  };
  form.Timer2.Tick = [&] { ++ticks2; };
  clock.Advance(999);
  EXPECT_EQ(ticks1, 0);
  clock.Advance(1);
  EXPECT_EQ(ticks1, 1);
  clock.Advance(1000);  // second tick at 2000 switches over; Timer2 first ticks at 3000
  EXPECT_EQ(ticks1, 2);
  EXPECT_EQ(ticks2, 0);
  clock.Advance(2500);
  EXPECT_EQ(ticks1, 2);
  EXPECT_EQ(ticks2, 2);
}

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
