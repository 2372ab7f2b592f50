// The registry layer on Wine's real registry, under a scratch key of the current user.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "autostart/Registry.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Registry.h"

using namespace sequora::autostart;
using sequora::platform::win32::UniqueKey;
using sequora::platform::win32::Win32Registry;
namespace reg = sequora::platform::reg;

namespace {

class RealRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    base_ = "Software\\Sequora Tests\\Registry " + std::to_string(GetCurrentProcessId());
    full_ = "HKEY_CURRENT_USER\\" + base_;
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str()); }

  DWORD TypeOf(const std::string& subKey, const char* name) {
    DWORD type = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, (base_ + subKey).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND,
                     &type, nullptr, nullptr) != ERROR_SUCCESS) {
      return 0xFFFFFFFF;
    }
    return type;
  }

  Win32Registry registry;
  std::string base_;
  std::string full_;
};

}  // namespace

TEST_F(RealRegistry, WriteOverwriteExpandableAndDelete) {
  SetRegistryString(registry, "current_user", base_ + "\\One\\Two\\Run\\", "Tool", "C:\\Tool\\tool.exe /x");
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\One\\Two\\Run\\Tool"), "C:\\Tool\\tool.exe /x");
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\One\\Two\\Run\\Tool\\"), "C:\\Tool\\tool.exe /x");
  EXPECT_EQ(TypeOf("\\One\\Two\\Run", "Tool"), static_cast<DWORD>(REG_SZ));
  DWORD size = 0;
  RegGetValueA(HKEY_CURRENT_USER, (base_ + "\\One\\Two\\Run").c_str(), "Tool", RRF_RT_ANY, nullptr,
               nullptr, &size);
  EXPECT_EQ(size, 20u);  // the text and its terminating zero

  // An expandable string reads unexpanded, and SetRegistryString turns it into a plain one.
  const char exp[] = "%SystemRoot%\\notepad.exe";
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, (base_ + "\\One\\Two\\Run").c_str(), "Exp",
                            REG_EXPAND_SZ, exp, sizeof exp), ERROR_SUCCESS);
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\One\\Two\\Run\\Exp"), exp);
  SetRegistryString(registry, "HKEY_CURRENT_USER", base_ + "\\One\\Two\\Run\\", "Exp", "plain");
  EXPECT_EQ(TypeOf("\\One\\Two\\Run", "Exp"), static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\One\\Two\\Run\\Exp"), "plain");

  DWORD number = 0x4241;
  RegSetKeyValueA(HKEY_CURRENT_USER, base_.c_str(), "Number", REG_DWORD, &number, sizeof number);
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\Number"), "AB");

  DeleteRegistryValue(registry, "hkey_current_user", base_ + "\\One\\Two\\Run\\", "Exp");
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\One\\Two\\Run\\Exp"), "");
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\One\\Two\\Run\\Tool"), "C:\\Tool\\tool.exe /x");
}

TEST_F(RealRegistry, EnumerationListsSubKeysThenValuesAndSurvivesLongData) {
  SetRegistryString(registry, "current_user", base_ + "\\Run\\Sub B", "v", "1");
  SetRegistryString(registry, "current_user", base_ + "\\Run\\sub A", "v", "1");
  // The longest key name there is; it sorts first. Made below its parent: Wine's RegCreateKeyA
  // refuses a path of more than about 260 characters from the root.
  const std::string longest(255, 'K');
  {
    UniqueKey run, made;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, (base_ + "\\Run").c_str(), run.Put()), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyA(run.Get(), longest.c_str(), made.Put()), ERROR_SUCCESS);
  }
  SetRegistryString(registry, "current_user", base_ + "\\Run", "First", "1");
  SetRegistryString(registry, "current_user", base_ + "\\Run", "Big", std::string(9000, 'x'));
  SetRegistryString(registry, "current_user", base_ + "\\Run", std::string(300, 'n'), "long name");
  SetRegistryString(registry, "current_user", base_ + "\\Run", "Last", "2");
  EXPECT_EQ(ReadRegistryPath(registry, full_ + "\\Run\\Big").size(), 9000u);

  // Sub-keys come first, then the values. Windows lists values in the order they were written;
  // Wine keeps them sorted by name, so the values are compared as a set.
  auto names = ListKeyNames(registry, full_ + "\\Run\\");
  ASSERT_EQ(names.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
            (std::vector<std::string>{longest, "sub A", "Sub B"}));
  std::vector<std::string> values(names.begin() + 3, names.end());
  std::sort(values.begin(), values.end());
  std::vector<std::string> expected{"Big", "First", "Last", std::string(300, 'n')};
  EXPECT_EQ(values, expected);
  values = EnumValueNames(registry, reg::kCurrentUser, base_ + "\\Run");
  std::sort(values.begin(), values.end());
  EXPECT_EQ(values, expected);
  EXPECT_EQ(ListKeyNames(registry, full_ + "\\Run\\Sub B"), std::vector<std::string>{"v"});
  EXPECT_TRUE(ListKeyNames(registry, full_ + "\\Missing").empty());
}

TEST(RealRegistryRoots, StartupFolderOfTheDefaultProfileReadsUnexpanded) {
  Win32Registry registry;
  std::string startup = ReadRegistryPath(
      registry, "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\startup");
  EXPECT_EQ(startup.rfind("%USERPROFILE%", 0), 0u) << startup;
}
