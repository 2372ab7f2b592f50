// The text-addressed registry layer on the fake registry.
#include "autostart/Registry.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeRegistry.h"

using namespace sequora::autostart;
using sequora::platform::FakeDialogs;
using sequora::platform::FakeRegistry;
namespace reg = sequora::platform::reg;

namespace {
constexpr const char* kRun = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegistryLayer : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(fake.OpenHandles(), 0) << "a key was left open"; }
  FakeRegistry fake;
};
}  // namespace

TEST(RegistryRootTables, ShortNamesForWritingFullNamesForReading) {
  const struct {
    const char* name;
    RegKey writing, reading;
  } cases[] = {
      {"current_user", reg::kCurrentUser, 0},  // the short forms are for writing only
      {"HKEY_Local_Machine", reg::kLocalMachine, reg::kLocalMachine},
      {"users", reg::kUsers, 0},
      {"Hkey_Users", reg::kUsers, reg::kUsers},
      {"classes_root", reg::kClassesRoot, 0},
      {"hkey_current_config", reg::kCurrentConfig, reg::kCurrentConfig},
      {"dyn_data", reg::kDynData, 0},
      {"HKEY_PERFORMANCE_DATA", 0, reg::kPerformanceData},
      {"performance_data", 0, 0},
      {"HKCU", 0, 0},
      {" current_user", 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RootKeyFromName(c.name), c.writing) << c.name;
    EXPECT_EQ(RootKeyFromFullName(c.name), c.reading) << c.name;
  }
}

TEST(RegistryPaths, CutCompletePathSplitsOffTheRoot) {
  std::string path = std::string(kRun) + "\\Tool\\";
  EXPECT_EQ(CutCompletePathAndReturnRootString(path), "HKEY_CURRENT_USER");
  EXPECT_EQ(path, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Tool");
  std::string onlyRoot = "HKEY_USERS\\";
  EXPECT_EQ(CutCompletePathAndReturnRootString(onlyRoot), "HKEY_USERS");
  EXPECT_EQ(onlyRoot, "");
  std::string noSlash = "HKEY_USERS";
  EXPECT_EQ(CutCompletePathAndReturnRootString(noSlash), "HKEY_USERS");
  EXPECT_EQ(noSlash, "");
}

TEST_F(RegistryLayer, ReadRegistryPathSplitsAtTheLastBackslash) {
  fake.PutString(kRun, "Tool", "C:\\Tool\\tool.exe -x");
  fake.PutString(kRun, "A\\B", "unreachable");
  fake.PutString(std::string(kRun) + "\\A", "B", "sub-key value");
  fake.PutString(kRun, "", "default value");
  std::string tool = std::string(kRun) + "\\Tool";
  EXPECT_EQ(ReadRegistryPath(fake, tool), "C:\\Tool\\tool.exe -x");
  EXPECT_EQ(ReadRegistryPath(fake, "  " + tool + "\\ "), "C:\\Tool\\tool.exe -x");
  EXPECT_EQ(ReadRegistryPath(fake, "hkey_current_user\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Tool"),
            "C:\\Tool\\tool.exe -x");
  // A value name with a backslash cannot be addressed: the split takes the last backslash.
  EXPECT_EQ(ReadRegistryPath(fake, std::string(kRun) + "\\A\\B"), "sub-key value");
  EXPECT_EQ(ReadRegistryPath(fake, std::string(kRun) + "\\Missing"), "");
  EXPECT_EQ(ReadRegistryPath(fake, "HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Tool"), "");
  EXPECT_EQ(ReadRegistryPath(fake, ""), "");

  fake.PutString("HKEY_PERFORMANCE_DATA\\Counters", "Name", "perf");
  EXPECT_EQ(ReadRegistryPath(fake, "HKEY_PERFORMANCE_DATA\\Counters\\Name"), "perf");
}

TEST_F(RegistryLayer, QueryReturnsRawBytesUpToTheFirstZero) {
  const std::string key = "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  fake.PutString(key, "Startup", "%USERPROFILE%\\Start Menu\\Programs\\Startup", reg::kTypeExpandString);
  fake.PutDword(key, "Number", 0x00004241);
  fake.PutValue(key, "Empty", {reg::kTypeBinary, {}});
  fake.PutValue(key, "NoZero", {reg::kTypeBinary, {'a', 'b'}});
  EXPECT_EQ(ReadRegistryPath(fake, key + "\\startup"), "%USERPROFILE%\\Start Menu\\Programs\\Startup");
  EXPECT_EQ(ReadRegistryPath(fake, key + "\\Number"), "AB");
  EXPECT_EQ(QueryRegistryString(fake, reg::kUsers, ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", "Empty", "dflt"), "");
  EXPECT_EQ(ReadRegistryPath(fake, key + "\\NoZero"), "ab");
  EXPECT_EQ(QueryRegistryString(fake, reg::kUsers, "Missing", "x", "dflt"), "dflt");
  EXPECT_EQ(QueryRegistryString(fake, 0, "Missing", "x", "dflt"), "dflt");
}

TEST_F(RegistryLayer, EnumKeyNamesListsSubKeysThenValues) {
  fake.PutString(kRun, "Zeta", "z");
  fake.PutString(kRun, "alpha", "a");
  fake.MakeKey(std::string(kRun) + "\\sub B");
  fake.MakeKey(std::string(kRun) + "\\Sub a");
  // Key names reach 255 characters; one that long must not hide the sub-keys after it.
  const std::string longest(255, 'K');
  fake.MakeKey(std::string(kRun) + "\\" + longest);
  EXPECT_EQ(ListKeyNames(fake, std::string(kRun) + "\\"),
            (std::vector<std::string>{longest, "Sub a", "sub B", "Zeta", "alpha"}));
  EXPECT_EQ(ListKeyNames(fake, std::string(kRun) + "\\sub b"), std::vector<std::string>{});
  EXPECT_EQ(ListKeyNames(fake, "HKEY_CURRENT_USER\\Nowhere"), std::vector<std::string>{});
  EXPECT_EQ(ListKeyNames(fake, "HKEY_NOWHERE\\SOFTWARE"), std::vector<std::string>{});
  EXPECT_EQ(EnumValueNames(fake, reg::kCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
            (std::vector<std::string>{"Zeta", "alpha"}));
}

TEST_F(RegistryLayer, ValueEnumerationSurvivesLongDataAndLongNamesAndEndsAtFailure) {
  fake.PutString(kRun, "first", "1");
  fake.PutString(kRun, "big", std::string(10000, 'x'));
  fake.PutString(kRun, std::string(300, 'n'), "long name");
  fake.PutString(kRun, "last", "2");
  auto names = EnumValueNames(fake, reg::kCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(names, (std::vector<std::string>{"first", "big", std::string(300, 'n'), "last"}));

  fake.BreakEnumeration(kRun, 2);
  names = EnumValueNames(fake, reg::kCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(names, (std::vector<std::string>{"first", "big"}));

  fake.DenyOpen(kRun);
  EXPECT_TRUE(ListKeyNames(fake, kRun).empty());
}

TEST_F(RegistryLayer, SetRegistryStringCreatesTheChainAndWritesPlainStrings) {
  SetRegistryString(fake, "current_user", "Software\\New\\Deep\\Run\\", "Tool", "C:\\t.exe");
  EXPECT_TRUE(fake.KeyExists("HKEY_CURRENT_USER\\Software\\New\\Deep\\Run"));
  auto v = fake.GetValue("HKEY_CURRENT_USER\\Software\\New\\Deep\\Run", "tool");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->type, reg::kTypeString);
  EXPECT_EQ(std::string(v->data.begin(), v->data.end()), std::string("C:\\t.exe\0", 9));

  fake.PutString(kRun, "Exp", "%windir%\\x.exe", reg::kTypeExpandString);
  SetRegistryString(fake, "HKEY_CURRENT_USER", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\", "Exp", "new");
  EXPECT_EQ(fake.GetValue(kRun, "Exp")->type, reg::kTypeString);
  EXPECT_EQ(ReadRegistryPath(fake, std::string(kRun) + "\\Exp"), "new");

  DeleteRegistryValue(fake, "hkey_current_user", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\", "Exp");
  EXPECT_FALSE(fake.GetValue(kRun, "Exp"));

  fake.ResetCalls();
  SetRegistryString(fake, "HKEY_PERFORMANCE_DATA", "Software\\X", "v", "d");
  DeleteRegistryValue(fake, "nowhere", "Software", "v");
  EXPECT_EQ(fake.Calls(FakeRegistry::Op::SetValue), 0);
  EXPECT_EQ(fake.Calls(FakeRegistry::Op::CreateKey), 0);
}

TEST_F(RegistryLayer, AppSettingsRoundTripAndDefault) {
  FakeDialogs dialogs;
  int ended = 0;
  AppSettings settings(fake, dialogs, [&] { ++ended; });
  EXPECT_EQ(settings.GetAppSetting("AlwaysOnTop", "OnTop", "True"), "True");
  settings.SaveAppSetting("AlwaysOnTop", "OnTop", "False");
  EXPECT_EQ(settings.GetAppSetting("AlwaysOnTop\\", "OnTop", "True"), "False");
  EXPECT_TRUE(fake.GetValue("HKEY_CURRENT_USER\\Software\\Sequora\\AlwaysOnTop", "OnTop"));
  settings.SaveAppSetting("AlwaysOnTop", "OnTop", "");
  EXPECT_EQ(settings.GetAppSetting("AlwaysOnTop", "OnTop", "True"), "True");
  EXPECT_EQ(settings.GetAppSetting("AlwaysOnTop", "OnTop", ""), "");
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(ended, 0);

  AppSettings untitled(fake, dialogs, [&] { ++ended; }, "  ");
  untitled.SaveAppSetting("S", "K", "V");
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(fake.KeyExists("HKEY_CURRENT_USER\\Software\\  "));
}
