#include "storage/ProgramList.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeFileSystem.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;

namespace {

class ProgramListTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  std::int16_t defaultDelay = 2;
  std::vector<int> checked;
  ProgramListContext context{fs, "C:\\Sequora\\Sequora.ini", [this] { return defaultDelay; },
                             [this](int n) { checked.push_back(n); }};
  ProgramList list;

  void SetUp() override { fs.MakeDirs("C:\\Sequora"); }
  void File(const std::string& programList) {
    fs.PutFile(context.iniPath, "[MainSettings]\r\nProgramDelayDefault=2\r\n[ProgramList]\r\n" + programList);
  }
};

}  // namespace

TEST_F(ProgramListTest, ReadsAnEntryWithItsDefaultsAndConversions) {
  File("Program7=app.exe\r\nProgram7Dir=C:\\Tools\\\r\nProgram7Param=-x\r\nProgram7Minimized=1\r\n"
       "Program7Disabled=yes\r\nProgram7ConfirmMessageBoxNr=abc\r\n"
       "Program3ConfirmMessageBoxNr=0\r\nProgram3StartupDelay=0\r\nProgram101=late.exe\r\n");
  defaultDelay = 9;
  list.At(7)->Done = true;
  list.At(7)->Skip = true;
  list.At(7)->ConfirmState = ConfirmState::Defaults;
  ProgramEntry e = ReadProgramEntry(context, list, 7);
  EXPECT_EQ(e.StartupDelay, "9");  // no key: the current default delay
  EXPECT_EQ(e.Minimized, 1);
  EXPECT_EQ(e.Disabled, 0);               // not a number
  EXPECT_EQ(e.ConfirmMessageBoxNr, 0);    // not a number: no group
  EXPECT_TRUE(e.Done && e.Skip);
  EXPECT_EQ(e.ConfirmState, ConfirmState::Undecided);
  EXPECT_EQ(checked, std::vector<int>{7});

  EXPECT_EQ(ReadProgramEntry(context, list, 3).StartupDelay, "0");
  EXPECT_EQ(ReadProgramEntry(context, list, 3).ConfirmMessageBoxNr, 0);
  EXPECT_EQ(ReadProgramEntry(context, list, 4).ConfirmMessageBoxNr, -1);
  EXPECT_EQ(ReadProgramEntry(context, list, 101).Program, "late.exe");
}

TEST_F(ProgramListTest, ReloadKeepsRunStateAndRecomputesRunning) {
  File("Program3=a.exe\r\nProgram3StartupDelay=\r\nProgram5=b.exe\r\nProgram5Disabled=1\r\n");
  list.At(3)->Done = true;
  list.At(3)->Skip = true;
  list.At(3)->ConfirmState = ConfirmState::SkipAll;
  list.At(5)->IsRunning = true;
  list.At(9)->Program = "stale.exe";
  context.checkProgramRunning = [this](int n) {
    checked.push_back(n);
    if (n == 3) list.At(3)->IsRunning = true;
  };
  fs.ResetCalls();
  ReloadProgrammListeObj(context, list);
  EXPECT_EQ(checked.size(), 101u);
  const ProgramEntry& e3 = *list.At(3);
  EXPECT_TRUE(e3.Done && e3.Skip && e3.IsRunning);
  EXPECT_EQ(e3.ConfirmState, ConfirmState::SkipAll);
  EXPECT_EQ(e3.StartupDelay, "2");
  EXPECT_FALSE(list.At(5)->IsRunning);
  EXPECT_EQ(list.At(5)->Disabled, 1);
  EXPECT_EQ(list.At(9)->Program, "");
}

TEST_F(ProgramListTest, ReloadEqualsKeyByKeyReads) {
  File("Program1= \"quoted\" \r\nprogram1dir=C:\\x\\\r\nPROGRAM2 = two\r\nProgram2=dup\r\nProgram2Minimized=2.5\r\n"
       "Program4StartupDelay=\"\"\r\n;Program6=comment\r\n[ProgramList]\r\nProgram8=hidden\r\n");
  ReloadProgrammListeObj(context, list);
  for (int n = 1; n <= 101; ++n) {
    ProgramEntry one = ReadProgramEntry(context, list, n);
    const ProgramEntry& bulk = *list.At(n);
    EXPECT_EQ(one.Program, bulk.Program) << n;
    EXPECT_EQ(one.Dir, bulk.Dir) << n;
    EXPECT_EQ(one.Param, bulk.Param) << n;
    EXPECT_EQ(one.StartupDelay, bulk.StartupDelay) << n;
    EXPECT_EQ(one.Minimized, bulk.Minimized) << n;
    EXPECT_EQ(one.Disabled, bulk.Disabled) << n;
    EXPECT_EQ(one.ConfirmMessageBoxNr, bulk.ConfirmMessageBoxNr) << n;
  }
}

TEST_F(ProgramListTest, AMissingFileReadsAsFreeEntriesAndStaysMissing) {
  list.At(1)->Program = "stale.exe";
  EXPECT_TRUE(ReloadProgrammListeObj(context, list));
  EXPECT_EQ(list.At(1)->Program, "");
  EXPECT_EQ(list.At(101)->StartupDelay, "2");
  EXPECT_EQ(ReadProgramEntry(context, list, 5).ConfirmMessageBoxNr, -1);
  EXPECT_FALSE(fs.Exists(context.iniPath));
}

// A file that is there but cannot be read (locked by another program, say) is not an empty
// file: reading it as one would blank every entry, and the next save would make that permanent.
TEST_F(ProgramListTest, AnUnreadableFileLeavesTheTableAsItWas) {
  File("Program1=a.exe\r\nProgram1Dir=C:\\A\\\r\n");
  ASSERT_TRUE(ReloadProgrammListeObj(context, list));
  list.At(1)->Done = true;
  list.At(1)->IsRunning = true;
  checked.clear();
  fs.FailNext(FakeFileSystem::Op::ReadFile);
  EXPECT_FALSE(ReloadProgrammListeObj(context, list));
  EXPECT_EQ(list.At(1)->Program, "a.exe");
  EXPECT_EQ(list.At(1)->Dir, "C:\\A\\");
  EXPECT_TRUE(list.At(1)->Done && list.At(1)->IsRunning);
  EXPECT_TRUE(checked.empty());
}

TEST_F(ProgramListTest, StoredFieldsReadBackAsWritten) {
  fs.PutFile(context.iniPath, DefaultIniText());
  ProgramEntry e;
  e.Program = "report viewer.exe";
  e.Dir = "C:\\" + std::string(149, 'd') + "\\";                  // 153 characters
  e.Param = "\"C:\\My Docs\\report.txt\" " + std::string(130, 'o') + " /last";  // 163, last option kept
  e.StartupDelay = "5";
  ASSERT_EQ(WriteProgramEntry(context, 4, e), IniWrite::Written);
  ProgramEntry one = ReadProgramEntry(context, list, 4);
  EXPECT_EQ(one.Dir, e.Dir);
  EXPECT_EQ(one.Param, e.Param);
  ASSERT_TRUE(ReloadProgrammListeObj(context, list));
  EXPECT_EQ(list.At(4)->Dir, e.Dir);
  EXPECT_EQ(list.At(4)->Param, e.Param);
  // A parameter that is one quoted path stays one quoted path.
  e.Param = "\"C:\\My Docs\\report.txt\"";
  ASSERT_EQ(WriteProgramEntry(context, 4, e), IniWrite::Written);
  ASSERT_TRUE(ReloadProgrammListeObj(context, list));
  EXPECT_EQ(list.At(4)->Param, e.Param);
}

TEST_F(ProgramListTest, IsProgramInListMatchesShortFormsAsSubstrings) {
  EXPECT_EQ(IsProgramInList(fs, list, "\"\""), std::nullopt);

  list.At(4)->Dir = "C:\\Tools\\";
  list.At(4)->Program = "App.exe.bak";
  list.At(6)->Dir = "C:\\Tools\\";
  list.At(6)->Program = "app.exe";
  EXPECT_EQ(IsProgramInList(fs, list, "\"C:\\Tools\\App.exe\""), 4);  // substring test, lowest number first

  // Existing files compare by their 8.3 forms, whichever form each side was written in.
  fs.PutFile("C:\\Program Files\\Long Name\\tool.exe", "");
  fs.SetShortName("C:\\Program Files", "PROGRA~1");
  fs.SetShortName("C:\\Program Files\\Long Name", "LONGNA~1");
  list.At(9)->Dir = "C:\\PROGRA~1\\Long Name\\";
  list.At(9)->Program = "tool.exe";
  EXPECT_EQ(IsProgramInList(fs, list, "C:\\Program Files\\LONG NAME\\Tool.exe"), 9);
  EXPECT_EQ(IsProgramInList(fs, list, "C:\\Other\\x.exe"), std::nullopt);
}
