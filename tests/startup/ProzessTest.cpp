// Detection of running programs: what the system's lists may hold that the entries' checks do not see.
#include "startup/Prozess.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeProcesses.h"

using namespace sequora;
using platform::FakeProcesses;

TEST(Prozess, NameCutAtFirstNulAndEmptyOrMissingNamesFindNothing) {
  FakeProcesses fake;
  std::uint32_t id = fake.AddProcess(std::string("tool.exe\0garbage", 16));
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "D:\\x\\tool.exe"), id);
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "C:\\Folder\\"), 0u);  // no file name: not every process
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), ""), 0u);
  fake.failSnapshot = true;
  EXPECT_EQ(startup::FindProcessId(startup::ProcessScan(fake), "D:\\x\\tool.exe"), 0u);
}

TEST(Prozess, AScanIsTakenOnceAndALaterProcessIsSeenByTheNextScan) {
  FakeProcesses fake;
  fake.AddRunningProgram("a.exe", "A");
  startup::ProcessScan scan(fake);
  for (int i = 0; i < 50; ++i) startup::FindProgramWindow(scan, i % 2 ? "C:\\a.exe" : "C:\\b.exe");
  EXPECT_EQ(fake.snapshotCalls + fake.windowListCalls, 2);
  fake.AddRunningProgram("b.exe", "B");
  EXPECT_EQ(startup::FindProgramWindow(scan, "C:\\b.exe"), startup::kNoWindow);
  EXPECT_GE(startup::FindProgramWindow(startup::ProcessScan(fake), "C:\\b.exe"), 2);
}
