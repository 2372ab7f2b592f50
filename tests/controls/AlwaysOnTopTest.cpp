// The always-on-top button: its images, the window it pins and the stored state.
#include <gtest/gtest.h>

#include "controls/AlwaysOnTop.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeRegistry.h"

using namespace sequora;
using Image = controls::AlwaysOnTop::Image;

namespace {

constexpr char kKey[] = "HKEY_CURRENT_USER\\Software\\Sequora\\AlwaysOnTop";

class AlwaysOnTopTest : public ::testing::Test {
 protected:
  platform::FakeRegistry registry;
  platform::FakeDialogs dialogs;
  autostart::AppSettings settings{registry, dialogs, [] {}};
  ui::Form window{"Window"};
  controls::AlwaysOnTop button{window, "AlwaysOnTop1", settings};

  // The stored text, "<none>" when nothing is stored.
  std::string Stored() const {
    auto value = registry.GetValue(kKey, "OnTop");
    if (!value) return "<none>";
    std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
  }
};

}  // namespace

TEST_F(AlwaysOnTopTest, TheMouseLightsTheButtonAndClicksPinAndReleaseTheWindow) {
  EXPECT_EQ(button.ShownImage(), Image::AOT_Disabled);
  EXPECT_EQ(button.Width(), 315);
  EXPECT_EQ(button.Height(), 300);
  EXPECT_EQ(button.ToolTipText(), "Always on top");
  EXPECT_EQ(Stored(), "<none>");  // nothing stored before a change

  button.MouseMoveOverImage();
  EXPECT_EQ(button.ShownImage(), Image::AOT_MouseMove);
  button.MouseMoveOverFreeArea();
  EXPECT_EQ(button.ShownImage(), Image::AOT_Disabled);

  button.ClickImage();
  EXPECT_EQ(button.ShownImage(), Image::AOT_Enabled);
  EXPECT_TRUE(button.GetIsOnTop());
  EXPECT_TRUE(window.Topmost());
  EXPECT_EQ(Stored(), "True");
  button.MouseMoveOverFreeArea();  // the pinned image stays
  EXPECT_EQ(button.ShownImage(), Image::AOT_Enabled);

  button.ClickImage();
  EXPECT_FALSE(button.GetIsOnTop());
  EXPECT_FALSE(window.Topmost());
  EXPECT_EQ(Stored(), "False");
  EXPECT_EQ(button.ShownImage(), Image::AOT_MouseMove);  // the mouse is still on it
  button.MouseMoveOverFreeArea();
  EXPECT_EQ(button.ShownImage(), Image::AOT_Disabled);
}

TEST_F(AlwaysOnTopTest, SetToTopStoresTrueAndLoadSettingsFollowsTheStoredState) {
  button.SetToTop(false);  // what the confirmation window does when it opens
  EXPECT_EQ(Stored(), "True");
  EXPECT_TRUE(window.Topmost());

  settings.SaveAppSetting("AlwaysOnTop", "OnTop", "False");
  ui::Form other{"Other"};
  controls::AlwaysOnTop second{other, "AlwaysOnTop1", settings};
  other.SetTopmost(true);
  second.LoadSettings();
  EXPECT_FALSE(second.GetIsOnTop());
  EXPECT_FALSE(other.Topmost());
  EXPECT_EQ(second.ShownImage(), Image::AOT_MouseMove);

  registry.PutString(kKey, "OnTop", "");
  second.LoadSettings();  // nothing stored reads as pinned
  EXPECT_TRUE(second.GetIsOnTop());
}
