// Reading and writing shortcuts through the portable link objects on the fake file system.
#include "autostart/Shortcuts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "platform/lnk/LnkFormat.h"
#include "platform/lnk/LnkShellLinks.h"
#include "platform/fake/FakeCodePage.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeFileSystem.h"

using namespace sequora::autostart;
using namespace sequora::platform::lnk;
using sequora::platform::FakeCodePage;
using sequora::platform::FakeEnvironment;
using sequora::platform::FakeFileSystem;

namespace {

class PortableShortcuts : public ::testing::Test {
 protected:
  LnkFile Decoded(const std::string& file) { return *DecodeLnk(*fs.Contents(file), cp); }

  FakeFileSystem fs;
  FakeCodePage cp;
  FakeEnvironment env;
  LnkShellLinks links{fs, cp, &env};
};

}  // namespace

TEST_F(PortableShortcuts, CreateThenReadGivesTargetFolderAndArguments) {
  fs.MakeDirs("C:\\Startup");
  ASSERT_TRUE(CreateShortcut(links, "C:\\Program Files\\Sequora\\Sequora.exe",
                             "C:\\Startup\\Sequora.lnk", "/min", "C:\\Program Files\\Sequora\\",
                             "C:\\Program Files\\Sequora\\", "C:\\Program Files\\Sequora\\Sequora.exe", 0));
  ShortcutInfo info = ReadShortcut(links, "c:\\startup\\sequora.lnk");
  EXPECT_EQ(info.Reserved, "");
  EXPECT_EQ(info.TargetPath, "C:\\Program Files\\Sequora\\Sequora.exe");
  EXPECT_EQ(info.WorkingDirectory, "C:\\Program Files\\Sequora\\");
  EXPECT_EQ(info.Arguments, "/min");
  EXPECT_EQ(Decoded("C:\\Startup\\Sequora.lnk").description, "C:\\Program Files\\Sequora\\");
  // Icon index 0 leaves the icon unset.
  EXPECT_EQ(Decoded("C:\\Startup\\Sequora.lnk").iconLocation, "");

  // Overwrite with only a target: no arguments, folder, description or icon remain.
  ASSERT_TRUE(CreateShortcut(links, "D:\\x.exe", "C:\\Startup\\Sequora.lnk", "", "", "", "icon.dll", 2));
  LnkFile bare = Decoded("C:\\Startup\\Sequora.lnk");
  EXPECT_EQ(bare.flags & (lnkflag::kHasName | lnkflag::kHasWorkingDir | lnkflag::kHasArguments), 0u);
  EXPECT_EQ(bare.iconLocation, "icon.dll");
  EXPECT_EQ(bare.iconIndex, 2);
  EXPECT_EQ(GetShortcutTarget(links, "C:\\Startup\\Sequora.lnk"), "D:\\x.exe");
  EXPECT_EQ(GetShortcutArguments(links, "C:\\Startup\\Sequora.lnk"), "");
  EXPECT_EQ(ReadShortcut(links, "C:\\Startup\\Sequora.lnk").WorkingDirectory, "");
}

TEST_F(PortableShortcuts, ArgumentsAreCutToTheShellsCapacity) {
  std::string longArgs(300, 'a');
  longArgs[253] = 'Z';
  ASSERT_TRUE(CreateShortcut(links, "C:\\t.exe", "C:\\l.lnk", longArgs, "", std::string(300, 'w'), "", 0));
  ShortcutInfo info = ReadShortcut(links, "C:\\l.lnk");
  EXPECT_EQ(info.Arguments.size(), 254u);
  EXPECT_EQ(info.Arguments.back(), 'Z');
  EXPECT_EQ(info.WorkingDirectory.size(), 255u);
  EXPECT_EQ(Decoded("C:\\l.lnk").arguments, longArgs);  // the file keeps them whole
}

TEST_F(PortableShortcuts, MissingOrForeignFilesGiveAnEmptyRecord) {
  fs.PutFile("C:\\notes.txt", "plain text, no shortcut");
  for (const char* file : {"C:\\missing.lnk", "C:\\notes.txt", "C:\\"}) {
    ShortcutInfo info = ReadShortcut(links, file);
    EXPECT_EQ(info.TargetPath + info.WorkingDirectory + info.Arguments, "") << file;
  }
  fs.FailNext(FakeFileSystem::Op::WriteFile);
  EXPECT_FALSE(CreateShortcut(links, "C:\\t.exe", "C:\\x.lnk", "", "", "", "", 0));
}

TEST_F(PortableShortcuts, EnvironmentTargetsAreExpanded) {
  fs.PutFile("C:\\fax.lnk", [] {
    std::ifstream in(std::string(SEQUORA_TESTDATA) + "/lnk/pylnk_send_to_fax.lnk", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }());
  env.variables["WINDIR"] = "C:\\Windows";
  EXPECT_EQ(GetShortcutTarget(links, "C:\\fax.lnk"), "C:\\Windows\\system32\\WFS.exe");
}
