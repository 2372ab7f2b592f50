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

// A link object whose steps fail from a chosen one on.
class FailingLinks : public sequora::platform::ShellLinks {
 public:
  explicit FailingLinks(int failAt) : failAt_(failAt) {}
  std::unique_ptr<sequora::platform::ShellLink> CreateLink() override {
    struct Link : sequora::platform::ShellLink {
      int failAt;
      int step = 0;
      std::optional<std::string> Next(const char* text) {
        return ++step >= failAt ? std::nullopt : std::optional<std::string>(text);
      }
      bool Load(const std::string&) override { return ++step < failAt; }
      bool Save(const std::string&) override { return true; }
      std::optional<std::string> GetPath(int) override { return Next("C:\\t.exe"); }
      std::optional<std::string> GetWorkingDirectory(int) override { return Next("C:\\"); }
      std::optional<std::string> GetArguments(int) override { return Next("-a"); }
      bool SetPath(const std::string&) override { return true; }
      bool SetArguments(const std::string&) override { return true; }
      bool SetDescription(const std::string&) override { return true; }
      bool SetWorkingDirectory(const std::string&) override { return true; }
      bool SetIconLocation(const std::string&, int) override { return true; }
    };
    auto link = std::make_unique<Link>();
    link->failAt = failAt_;
    return link;
  }

 private:
  int failAt_;
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

TEST(ShortcutReading, StopsAtTheFirstFailingStep) {
  FailingLinks atLoad(1), atFolder(2), atArguments(3), atTarget(4);
  EXPECT_EQ(ReadShortcut(atLoad, "x").WorkingDirectory, "");
  EXPECT_EQ(ReadShortcut(atFolder, "x").WorkingDirectory, "");
  ShortcutInfo partial = ReadShortcut(atArguments, "x");
  EXPECT_EQ(partial.WorkingDirectory, "C:\\");
  EXPECT_EQ(partial.Arguments, "");
  partial = ReadShortcut(atTarget, "x");
  EXPECT_EQ(partial.Arguments, "-a");
  EXPECT_EQ(partial.TargetPath, "");
}
