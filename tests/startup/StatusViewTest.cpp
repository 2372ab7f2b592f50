// The status view of the startup list: its text, the hidden sort list and RunPaths.
#include <gtest/gtest.h>

#include "RunFixture.h"

using namespace sequora;
using Confirm = storage::ConfirmState;

namespace {

class StatusViewTest : public test::RunTest {
 protected:
  startup::StatusView Rebuild(int first) { return parts->list.Rebuild(first); }
  static std::string Head(int left, int disabled) {
    return "Startup list   (" + std::to_string(left) + " left / " + std::to_string(disabled) + " disabled):\r\n" +
           std::string(188, '-') + "\r\n";
  }
};

}  // namespace

TEST_F(StatusViewTest, TheViewListsTheEntriesFromItsArgumentOnUnderAHeadWithTheCounts) {
  Settings({"InitialStartupTime=30"},
           {Entry(1, "p1.exe", 2), Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2), Entry(4, "p4.exe", 2),
            Entry(5, "p5.exe", 2, {"Param=-x y"}), Entry(6, "p6.exe", 2), Entry(7, "p7.exe", 2),
            Entry(8, "p8.exe", 2), Entry(9, "p9.exe", 2), Entry(10, "p10.exe", 2)});
  Start();
  std::string expected = Head(6, 0) + "5: C:\\P\\p5.exe -x y\r\n";
  for (int n = 6; n <= 10; ++n) expected += std::to_string(n) + ": C:\\P\\p" + std::to_string(n) + ".exe \r\n";
  const startup::StatusView view = Rebuild(5);
  EXPECT_EQ(view.text, expected);
  EXPECT_EQ(view.left, 6);
  EXPECT_EQ(view.disabled, 0);
  ASSERT_EQ(view.sortLines.size(), 101u);
  EXPECT_EQ(view.sortLines[0], "C:\\P\\p1.exe ");  // every entry, from 1
  EXPECT_EQ(view.sortLines[10], "");
  EXPECT_EQ(parts->list.RunPaths[5], (startup::RunPathRow{"C:\\P\\", "p5.exe", "-x y"}));
  EXPECT_EQ(Rebuild(102).text, Head(0, 0));
}

TEST_F(StatusViewTest, MarkersForConfirmedDisabledSkippedAndRunningEntries) {
  fakes.processes.AddRunningProgram("p2.exe", "Two");
  Settings({"CheckRunningProgramTasks=1"},
           {Entry(1, "p1.exe", 2), Entry(2, "p2.exe", 2), Entry(3, "p3.exe", 2, {"Disabled=1"}),
            Entry(4, "p4.exe", 2, {"Disabled=1"}), Entry(5, "p5.exe", 2), Entry(6, "p6.exe", 2)});
  Start();
  parts->list.RunPaths[7] = {"C:\\Old\\", "old.exe", ""};  // what a slot held before it was emptied
  E(3).ConfirmState = Confirm::RunAll;
  E(5).ConfirmState = Confirm::SkipAll;
  E(5).Skip = true;
  E(6).ConfirmState = Confirm::Defaults;
  const startup::StatusView view = Rebuild(1);
  EXPECT_EQ(view.text, Head(3, 3) +
                           "1: C:\\P\\p1.exe \r\n"
                           "<-> (already running) 2: C:\\P\\p2.exe \r\n"
                           "<+> 3: C:\\P\\p3.exe  <--  <Confirmed!>\r\n"
                           "<->  -->C:\\P\\p4.exe  <--  <disabled>\r\n"
                           "<->  -->C:\\P\\p5.exe  <--  <Confirmed!>\r\n"
                           "6: C:\\P\\p6.exe  <--  <Confirmed!>\r\n");
  EXPECT_TRUE(E(2).IsRunning);
  EXPECT_EQ(parts->list.RunPaths[7], startup::RunPathRow{});
  EXPECT_EQ(view.sortLines[3], "<->  -->C:\\P\\p4.exe  <--  <disabled>");

  settings.CheckRunningProgramTasks = false;  // without detection a running program is a normal line
  const startup::StatusView plain = Rebuild(2);
  EXPECT_EQ(plain.text.substr(Head(3, 2).size()).substr(0, 22), "2: C:\\P\\p2.exe \r\n<+> 3");
  EXPECT_EQ(plain.left, 3);
  EXPECT_EQ(plain.disabled, 2);
}

// The long form of a path looks at each of its folders (a millisecond a path under Wine): it is
// looked up only for the message of a file that is missing.
TEST_F(StatusViewTest, ARebuildOf101EntriesTakesOneReadOneSnapshotAndOneWindowEnumeration) {
  std::string text = "[MainSettings]\r\nCheckRunningProgramTasks=1\r\n[ProgramList]\r\n";
  for (int n = 1; n <= 101; ++n) {
    for (const auto& line : Entry(n, "p" + std::to_string(n) + ".exe", 1)) text += line + "\r\n";
    if (n != 50) fakes.fileSystem.PutFile("C:\\P\\p" + std::to_string(n) + ".exe", "MZ");
  }
  PutIni(text);
  fakes.processes.AddRunningProgram("p7.exe", "Seven");
  Start();
  fakes.processes.ResetCalls();
  fakes.fileSystem.ResetCalls();
  const startup::StatusView view = Rebuild(1);
  EXPECT_EQ(fakes.processes.snapshotCalls, 1);
  EXPECT_EQ(fakes.processes.windowListCalls, 1);
  EXPECT_EQ(fakes.fileSystem.Calls(platform::FakeFileSystem::Op::ReadFile), 1);
  EXPECT_LE(fakes.fileSystem.Calls(platform::FakeFileSystem::Op::LongPathName), 2);
  EXPECT_EQ(view.status[50].warning, "Program file not found: C:\\P\\p50.exe");
  EXPECT_EQ(view.status[51].warning, "");
  EXPECT_EQ(view.left, 100);
  EXPECT_EQ(view.disabled, 1);
  EXPECT_TRUE(view.status[7].skip);
}

// A whole path in the program field with no folder is split as the paste box splits a command
// line; what still cannot start says why, in the status the row shows.
TEST_F(StatusViewTest, AProgramFieldWithoutAFolderIsSplitAndWhatCannotStartSaysWhy) {
  fakes.fileSystem.PutFile("C:\\Program Files\\Tool\\app.exe", "MZ");
  PutSettings({}, {"Program1=C:\\Program Files\\Tool\\app.exe -x", "Program1Param=-y",
                   "Program2=gone.exe", "Program2Dir=C:\\P\\",
                   "Program3Dir=C:\\P\\",
                   "Program4=notepad.exe",
                   "Program5=gone.exe", "Program5Dir=C:\\P\\", "Program5Disabled=1"});
  Start();
  const startup::StatusView view = Rebuild(1);
  EXPECT_EQ(parts->list.RunPaths[1], (startup::RunPathRow{"C:\\Program Files\\Tool\\", "app.exe", "-x -y"}));
  EXPECT_NE(view.text.find("\r\n1: C:\\Program Files\\Tool\\app.exe -x -y\r\n"), std::string::npos) << view.text;
  EXPECT_EQ(view.status[1].warning, "");
  EXPECT_FALSE(view.status[1].skip);
  EXPECT_EQ(view.status[2].warning, "Program file not found: C:\\P\\gone.exe");
  EXPECT_EQ(view.status[3].warning, "No program file is given.");
  EXPECT_EQ(view.status[4].warning, "Program file not found: C:\\Sequora\\notepad.exe");
  EXPECT_FALSE(view.status[2].skip || view.status[3].skip || view.status[4].skip);  // the run tries them
  EXPECT_EQ(view.status[5].warning, "");  // disabled: it will not be tried
  EXPECT_EQ(parts->list.StatusOf(2).warning, view.status[2].warning);
}
