// The popup menu built from a menu string, on the fake menus.
#include <gtest/gtest.h>

#include "controls/DynamicPopupMenu.h"
#include "platform/fake/FakePopupMenus.h"

using namespace sequora;

namespace {

class DynamicPopupMenuTest : public ::testing::Test {
 protected:
  platform::FakePopupMenus menus;
  controls::DynamicPopupMenu menu{menus};

  // Shows `menuString`, picks `choice` ("" dismisses), returns the answer.
  std::string Pick(const std::string& menuString, const std::string& choice) {
    menus.choices = {choice};
    return menu.Popup(menuString);
  }
  std::vector<int> Commands() const {
    std::vector<int> numbers;
    for (const auto& item : menus.shown.back()) numbers.push_back(item.command);
    return numbers;
  }
};

}  // namespace

TEST_F(DynamicPopupMenuTest, PiecesAreNumberedInOrderAndTheChoiceComesBackAsItsCaption) {
  EXPECT_EQ(Pick("Show,-,Log[CHECKED],Exit [disabled]", "Log"), "Log");
  EXPECT_EQ(menus.LastMenu(), (std::vector<std::string>{"Show", "-", "Log [x]", "Exit (grey)"}));
  EXPECT_EQ(Commands(), (std::vector<int>{1, 2, 3, 4}));

  // An empty piece gives no item but takes its number; a blank minus is a line.
  EXPECT_EQ(Pick("Open,,Exit", "Exit"), "Exit");
  EXPECT_EQ(Commands(), (std::vector<int>{1, 3}));
  EXPECT_EQ(Pick("  Open  ,  -  ,Exit", "Open"), "Open");
  EXPECT_EQ(menus.LastMenu(), (std::vector<std::string>{"Open", "-", "Exit"}));
  EXPECT_TRUE(menus.positions.back().x == std::nullopt && menus.positions.back().y == std::nullopt);  // at the pointer
}

TEST_F(DynamicPopupMenuTest, MarkersAreCutOnceAndOnlyCheckedIsCaseSensitive) {
  Pick("Log[checked],Log[disabled],A[DISABLED][CHECKED],B[CHECKED][CHECKED],C[Disabled][disabled]", "");
  EXPECT_EQ(menus.LastMenu(), (std::vector<std::string>{"Log[checked]", "Log (grey)", "A [x] (grey)",
                                                        "B[CHECKED] [x]", "C[disabled] (grey)"}));
  // A greyed item cannot be chosen.
  EXPECT_EQ(Pick("Log[disabled]", "Log"), "");
}

TEST_F(DynamicPopupMenuTest, BlankStringsShowNothingAndADismissedMenuGivesNothing) {
  EXPECT_EQ(Pick("", "x"), "");
  EXPECT_EQ(Pick("   ", "x"), "");
  EXPECT_TRUE(menus.shown.empty());
  EXPECT_EQ(Pick("A,B", ""), "");
  EXPECT_EQ(Pick(",,,", ""), "");  // pieces but no item: an empty menu, nothing chosen
}

TEST_F(DynamicPopupMenuTest, EachShowingIsBuiltAfreshAndTheLimitIs999Pieces) {
  Pick("A,B,C", "");
  Pick("X", "");
  EXPECT_EQ(menus.LastMenu(), std::vector<std::string>{"X"});

  std::string many;
  for (int i = 1; i <= 1005; ++i) many += (i > 1 ? "," : "") + ("I" + std::to_string(i));
  EXPECT_EQ(Pick(many, "I999"), "I999");
  EXPECT_EQ(menus.shown.back().size(), 999u);
  EXPECT_EQ(Pick(many, "I1000"), "");
  EXPECT_EQ(menu.GetItemCaption(1000), "");
  EXPECT_EQ(menu.GetItemCaption(-1), "");
}
