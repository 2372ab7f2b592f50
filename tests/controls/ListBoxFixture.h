#pragma once
// A host window with one row list control, a host that records the control's calls, and fake
// message boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ListBoxExtended.h"
#include "platform/fake/FakeDialogs.h"
#include "ui/Form.h"

namespace sequora::controls::test {

struct RecordingHost : ListBoxHost {
  std::vector<std::string> calls;
  void Record(std::string call) { calls.push_back(std::move(call)); }
  static std::string N(int v) { return std::to_string(v); }

  void E_ListBox_Button1_Click(int e) override { Record("Button1(" + N(e) + ")"); }
  void E_ListBox_Button2_Click(int e) override { Record("Button2(" + N(e) + ")"); }
  void E_ListBox_Picture1_Click(int e) override { Record("Picture1(" + N(e) + ")"); }
  void E_ListBox_Picture2_Click(int e) override { Record("Picture2(" + N(e) + ")"); }
  void E_ListBox_Picture3_Click(int e) override { Record("Picture3(" + N(e) + ")"); }
  void E_ListBox_Check1_Click(int e, int v) override { Record("Check1(" + N(e) + "," + N(v) + ")"); }
  void E_ListBox_Check2_Click(int e, int v) override { Record("Check2(" + N(e) + "," + N(v) + ")"); }
  void E_ListBox_Text1_GotFocus(int e, const std::string& t) override { Record("Text1Got(" + N(e) + "," + t + ")"); }
  void E_ListBox_Text2_GotFocus(int e, const std::string& t) override { Record("Text2Got(" + N(e) + "," + t + ")"); }
  void E_ListBox_Text1_LostFocus(int e, const std::string& t) override { Record("Text1Lost(" + N(e) + "," + t + ")"); }
  void E_ListBox_Text2_LostFocus(int e, const std::string& t) override { Record("Text2Lost(" + N(e) + "," + t + ")"); }
};

class ListBoxTest : public ::testing::Test {
 protected:
  ListBoxTest() {
    list.SetHost(&host);
    list.Move(0, 0, 9000, 7 * ListBoxExtended::RowHeight);  // seven full rows in view
  }

  // Adds an entry the way the main window does: second text, unshown check and button captions.
  void Add(int nr, const std::string& text, bool redraw = false) {
    list.Add_NewListentry(nr, text, "+" + std::to_string(nr) + " sec.", "Check1", "Check2", "", "Btn2",
                          Picture::Named("icon"), Picture::Named("enabled"), Picture::Named("nogroup"),
                          std::to_string(nr + 1), redraw);
  }
  void Fill(int count) {
    for (int nr = 0; nr < count; ++nr) Add(nr, "C:\\Tools prog" + std::to_string(nr) + ".exe");
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : dialogs.shown) texts.push_back(shown.text);
    return texts;
  }

  ui::Form form{"Form1"};
  platform::FakeDialogs dialogs;
  ListBoxExtended list{form, "ListBoxExtended1", dialogs};
  RecordingHost host;
};

}  // namespace sequora::controls::test
