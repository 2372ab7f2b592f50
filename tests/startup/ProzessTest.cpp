// Detection of running programs on the fake process and window lists.
#include "startup/Prozess.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeProcesses.h"

using namespace sequora;
using platform::FakeProcesses;

TEST(Prozess, OnlyTheExactNameCountsAndCaseDoesNotMatter) {
  FakeProcesses fake;
  fake.AddProcess("myapp.exe");
  std::uint32_t app = fake.AddProcess("APP.EXE");
  fake.AddProcess("other.exe");
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "C:\\A\\app.exe"), app);
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "app.exe"), app);

  // A name that only contains the program's is another program: notepad.exe is not pad.exe.
  FakeProcesses containing;
  containing.AddProcess("notepad.exe");
  containing.AddProcess("ms-teams.exe");
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(containing), "C:\\A\\pad.exe"), 0u);
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(containing), "C:\\A\\teams.exe"), 0u);
}

TEST(Prozess, NameCutAtFirstNulAndEmptyOrMissingNamesFindNothing) {
  FakeProcesses fake;
  std::uint32_t id = fake.AddProcess(std::string("tool.exe\0garbage", 16));
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "D:\\x\\tool.exe"), id);
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "C:\\Folder\\"), 0u);  // no file name: not every process
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), ""), 0u);
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "C:\\x\\none.exe"), 0u);
  fake.failSnapshot = true;
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "D:\\x\\tool.exe"), 0u);
}

TEST(Prozess, OnlyATitledWindowOfTheProcessCounts) {
  FakeProcesses fake;
  std::uint32_t tray = fake.AddProcess("tray.exe");
  fake.AddWindow(tray, "");  // lives in the notification area: untitled or hidden windows only
  fake.AddWindow(tray, "Default IME", false);
  std::uint32_t editor = fake.AddProcess("editor.exe");
  fake.AddWindow(editor, "");
  fake.AddWindow(editor, "Default IME", false);
  std::int64_t first = fake.AddWindow(editor, "Document - Editor");
  fake.AddWindow(editor, "Find");
  fake.AddProcess("nowindow.exe");

  EXPECT_EQ(startup::FindProgramWindow(startup::ProcessScan(fake), "C:\\t\\tray.exe"), startup::kNoWindow);
  EXPECT_EQ(startup::FindProgramWindow(startup::ProcessScan(fake), "C:\\e\\editor.exe"), first);
  EXPECT_EQ(startup::FindProgramWindow(startup::ProcessScan(fake), "C:\\n\\nowindow.exe"), startup::kNoWindow);
  EXPECT_EQ(startup::FindProgramWindow(startup::ProcessScan(fake), "C:\\n\\absent.exe"), startup::kNoWindow);

  EXPECT_EQ(startup::ListTopLevelWindows(startup::ProcessScan(fake), false).size(), 4u);
  EXPECT_EQ(startup::ListTopLevelWindows(startup::ProcessScan(fake), true).size(), 6u);
  startup::ProcessScan scan(fake);
  EXPECT_EQ(startup::GetWindowRecord(scan, first).Title, "Document - Editor");
  EXPECT_EQ(startup::GetWindowRecord(scan, first).ProcessId, editor);
  EXPECT_EQ(startup::GetWindowRecord(scan, 12345).Handle, 0);
}

TEST(Prozess, AScanTakesOneSnapshotAndOneEnumerationForAnyNumberOfQuestions) {
  FakeProcesses fake;
  fake.AddRunningProgram("a.exe", "A");
  startup::ProcessScan scan(fake);
  EXPECT_EQ(fake.snapshotCalls + fake.windowListCalls, 0);  // taken on first use
  for (int i = 0; i < 50; ++i) {
    startup::FindProgramWindow(scan, "C:\\a.exe");
    startup::FindProgramWindow(scan, "C:\\b.exe");
  }
  EXPECT_EQ(fake.snapshotCalls, 1);
  EXPECT_EQ(fake.windowListCalls, 1);
  // A process that starts later is seen by the next scan, not by this one.
  fake.AddRunningProgram("b.exe", "B");
  EXPECT_EQ(startup::FindProgramWindow(scan, "C:\\b.exe"), startup::kNoWindow);
  EXPECT_GE(startup::FindProgramWindow(startup::ProcessScan(fake), "C:\\b.exe"), 2);
}
