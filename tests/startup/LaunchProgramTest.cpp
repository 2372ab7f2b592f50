// LaunchProgram: command lines, folders, and what is logged.
#include <gtest/gtest.h>

#include "RunFixture.h"

using namespace sequora;

namespace {

class LaunchTest : public test::RunTest {
 protected:
  LaunchTest() {
    PutSettings({});
    Start();
    fakes.fileSystem.PutFile("C:\\Program Files\\X\\x.exe", "");
    fakes.fileSystem.SetShortName("C:\\Program Files", "PROGRA~1");
    fakes.fileSystem.ChangeDirectory(test::kAppDir);
  }
  std::string Launch(const std::string& command, const std::string& params = "", int style = 1,
                     std::string dir = "") {
    lastDir = parts->launcher.LaunchProgram(command, style, params, dir);
    return fakes.launcher.started.empty() ? "<nothing>" : fakes.launcher.started.back().commandLine;
  }
  std::vector<std::string> Logged() const {
    std::vector<std::string> lines;
    const std::string& all = LogText();
    for (size_t at = 0, cr; (cr = all.find('\r', at)) != std::string::npos; at = cr + 1) lines.push_back(all.substr(at, cr - at));
    return lines;
  }
  std::string lastDir;
};

}  // namespace

TEST_F(LaunchTest, AnUnquotedPathStartsByItsShortFormInItsOwnFolder) {
  EXPECT_EQ(Launch("C:\\Program Files\\X\\x.exe", " -a  "), "C:\\PROGRA~1\\X\\x.exe  -a");
  EXPECT_EQ(lastDir, "C:\\Program Files\\X\\");
  EXPECT_EQ(fakes.launcher.started.back().currentDirectory, "C:\\Program Files\\X");
  EXPECT_EQ(fakes.launcher.started.back().showState, 1);
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");
  EXPECT_TRUE(LogText().empty());
}

TEST_F(LaunchTest, AQuotedPathHasNoShortFormAndStartsQuotedMinimised) {
  EXPECT_EQ(Launch("\"C:\\Program Files\\X\\x.exe\"", "/min", 6), "\"C:\\Program Files\\X\\x.exe\" /min");
  EXPECT_EQ(fakes.launcher.started.back().showState, 6);
  EXPECT_EQ(fakes.launcher.started.back().currentDirectory, "C:\\Program Files\\X");  // quote dropped
  EXPECT_TRUE(LogText().empty());
}

TEST_F(LaunchTest, AMissingFileIsLoggedOnceAndStartedAllTheSame) {
  fakes.fileSystem.MakeDirs("C:\\Missing Dir");
  EXPECT_EQ(Launch("\"C:\\Missing Dir\\app.exe\""), "\"C:\\Missing Dir\\app.exe\"");
  EXPECT_EQ(Logged(), std::vector<std::string>{"Error: File not found - \"C:\\Missing Dir\\app.exe\""});
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");

  settings.GenerateLogFile = false;
  Launch("C:\\nothing.exe");
  EXPECT_EQ(Logged().size(), 1u);
  EXPECT_EQ(fakes.launcher.started.size(), 2u);
}

TEST_F(LaunchTest, AMissingFolderOrDriveLeavesTheCurrentFolderAndTheStartGoesOn) {
  EXPECT_EQ(Launch("D:\\Tools\\t.exe", "", 1, "D:\\Tools\\"), "D:\\Tools\\t.exe");
  EXPECT_EQ(fakes.launcher.started.back().currentDirectory, "C:\\Sequora");
  EXPECT_EQ(Launch("notepad.exe"), "notepad.exe");  // no folder in the command: none to change to
  EXPECT_EQ(lastDir, "");
  EXPECT_EQ(Launch(""), "");
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");
}

TEST_F(LaunchTest, AVeryLongPathIsHandledLikeAnyMissingFile) {
  std::string path = "C:\\" + std::string(292, 'a') + "\\b.exe";
  ASSERT_EQ(path.size(), 301u);
  EXPECT_EQ(Launch(path), path);
  EXPECT_EQ(Logged().size(), 1u);
  EXPECT_EQ(fakes.fileSystem.CurrentDirectory(), "C:\\Sequora");
}

