// The fake registry behaves like the A-variant calls it stands for.
#include "platform/fake/FakeRegistry.h"

#include <gtest/gtest.h>

#include <string>

using sequora::platform::FakeRegistry;
using sequora::platform::RegKey;
namespace reg = sequora::platform::reg;

TEST(FakeRegistry, OpenCreateAndCloseFollowTheRegistryCalls) {
  FakeRegistry r;
  RegKey k = 0;
  EXPECT_EQ(r.OpenKey(reg::kCurrentUser, "Software\\A", k), reg::kFileNotFound);
  EXPECT_EQ(k, 0u);
  ASSERT_EQ(r.CreateKey(reg::kCurrentUser, "Software\\A\\B\\", k), reg::kSuccess);
  EXPECT_EQ(r.OpenHandles(), 1);
  EXPECT_EQ(r.CloseKey(k), reg::kSuccess);
  EXPECT_EQ(r.CloseKey(k), reg::kInvalidHandle);
  EXPECT_TRUE(r.KeyExists("hkey_current_user\\software\\a\\b"));
  EXPECT_EQ(r.OpenKey(reg::kCurrentUser, "SOFTWARE\\a", k), reg::kSuccess);
  r.CloseKey(k);
  EXPECT_EQ(r.OpenKey(reg::kCurrentUser, "", k), reg::kSuccess);
  EXPECT_EQ(k, reg::kCurrentUser);  // RegOpenKeyA hands back the parent itself
  EXPECT_EQ(r.CloseKey(k), reg::kSuccess);
  EXPECT_EQ(r.OpenKey(reg::kCurrentUser, "Software\\\\A", k), reg::kFileNotFound);
  EXPECT_EQ(r.OpenKey(0, "Software", k), reg::kInvalidHandle);
  r.DenyOpen("HKEY_CURRENT_USER\\Software\\A");
  EXPECT_EQ(r.OpenKeyEx(reg::kCurrentUser, "Software\\A\\B", 0, reg::kQueryValue, k), reg::kAccessDenied);
  EXPECT_EQ(r.OpenHandles(), 0);
  EXPECT_EQ(r.Calls(FakeRegistry::Op::OpenKey), 5);
}

TEST(FakeRegistry, TypedValuesSizesAndMoreData) {
  FakeRegistry r;
  r.PutString("HKEY_LOCAL_MACHINE\\K", "Path", "%SystemRoot%", reg::kTypeExpandString);
  r.PutDword("HKEY_LOCAL_MACHINE\\K", "Count", 7);
  RegKey k = 0;
  ASSERT_EQ(r.OpenKey(reg::kLocalMachine, "K", k), reg::kSuccess);
  std::uint32_t type = 0, size = 0;
  EXPECT_EQ(r.QueryValue(k, "path", &type, {}, size), reg::kSuccess);
  EXPECT_EQ(type, reg::kTypeExpandString);
  EXPECT_EQ(size, 13u);
  std::uint8_t small[4];
  size = sizeof small;
  EXPECT_EQ(r.QueryValue(k, "Path", nullptr, small, size), reg::kMoreData);
  EXPECT_EQ(size, 13u);
  EXPECT_EQ(r.QueryValue(k, "Count", &type, small, size), reg::kSuccess);
  EXPECT_EQ(type, reg::kTypeDword);
  EXPECT_EQ(small[0], 7);

  const std::uint8_t text[] = {'n', 'e', 'w', 0};
  EXPECT_EQ(r.SetValue(k, "PATH", reg::kTypeString, text), reg::kSuccess);
  EXPECT_EQ(r.GetValue("HKEY_LOCAL_MACHINE\\K", "Path")->type, reg::kTypeString);

  char name[8];
  std::uint8_t data[2];
  std::uint32_t nameLength = sizeof name, dataSize = sizeof data;
  EXPECT_EQ(r.EnumValue(k, 0, name, nameLength, &type, data, dataSize), reg::kMoreData);
  EXPECT_EQ(dataSize, 4u);
  nameLength = sizeof name;
  dataSize = 0;
  EXPECT_EQ(r.EnumValue(k, 1, name, nameLength, &type, {}, dataSize), reg::kSuccess);
  EXPECT_EQ(std::string(name, nameLength), "Count");
  nameLength = sizeof name;
  EXPECT_EQ(r.EnumValue(k, 2, name, nameLength, &type, {}, dataSize), reg::kNoMoreItems);

  EXPECT_EQ(r.DeleteValue(k, "count"), reg::kSuccess);
  EXPECT_EQ(r.DeleteValue(k, "count"), reg::kFileNotFound);
  r.CloseKey(k);
  EXPECT_EQ(r.OpenHandles(), 0);
}
