#include "storage/Groups.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeFileSystem.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;

namespace {

class GroupsTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  const std::string iniPath = "C:\\Sequora\\Sequora.ini";
  ProgramList list;

  void SetUp() override { fs.PutFile(iniPath, DefaultIniText()); }
  std::string StoredName(int g) {
    return Ini(fs).ReadIni(section::kGroups, key::ConfirmGroupName(g), iniPath, "<none>", true);
  }
};

}  // namespace

TEST_F(GroupsTest, RefreshShowsNamesOfTheGroupsInUse) {
  Ini(fs).WriteIniValues(section::kGroups, {{"ConfirmGroup3Name", "Tools"}, {"ConfirmGroup5Name", "Games"}}, iniPath,
                         true);
  list.At(1)->ConfirmMessageBoxNr = 3;
  list.At(2)->ConfirmMessageBoxNr = 4;
  list.At(3)->ConfirmMessageBoxNr = 150;
  std::vector<std::string> items = InitialGroupItems();
  ASSERT_EQ(items.size(), 99u);
  items[3] = "old text";
  items[4] = "kept";
  fs.ResetCalls();
  RefreshGroupList(fs, iniPath, list, items);
  EXPECT_EQ(fs.Calls(FakeFileSystem::Op::ReadFile), 1);
  EXPECT_EQ(items[2], "Tools");
  EXPECT_EQ(items[3], "4");     // in use without a name: its number
  EXPECT_EQ(items[4], "kept");  // named, but no entry uses it
  EXPECT_EQ(items[98], "99");
  EXPECT_EQ(ReadGroupName(fs, iniPath, 5), "Games");
  // The confirmation window's caption: the item without its mark.
  EXPECT_EQ(WithoutConfirmMark(items[2] + " *"), "Tools");
  // Ticked without choosing a group stores group 0, which is no group.
  EXPECT_EQ(GroupOfEditor(true, -1), 0);
  EXPECT_EQ(GroupOfEditor(false, 2), -1);
}

TEST_F(GroupsTest, NamingStoresOnlyANewNonEmptyName) {
  EXPECT_EQ(NameGroup(fs, iniPath, 3, "  Tools ", "3"), "Tools");
  EXPECT_EQ(StoredName(3), "Tools");
  const int before = fs.MutationCount();
  EXPECT_EQ(NameGroup(fs, iniPath, 3, "Tools", "Tools"), "Tools");  // the same text: nothing written
  EXPECT_EQ(NameGroup(fs, iniPath, 3, "", "Tools"), "Tools");       // empty or cancelled: kept
  EXPECT_EQ(fs.MutationCount(), before);
  EXPECT_EQ(NameGroup(fs, iniPath, 4, "", "4"), "4");
  EXPECT_EQ(NameGroup(fs, iniPath, 3, "Work\r\n[Backup]", "Tools"), "Work [Backup]");
  EXPECT_EQ(Ini(fs).ReadSnapshot(iniPath)->ReadIni("Backup", "ConfirmGroup3Name", "<none>"), "<none>");
  EXPECT_EQ(NameGroup(fs, iniPath, 0, "Zero", "x"), "x");
  EXPECT_EQ(StoredName(0), "<none>");
}
