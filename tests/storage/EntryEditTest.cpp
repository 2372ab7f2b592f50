#include "storage/EntryEdit.h"

#include <gtest/gtest.h>

#include "base/BmpFile.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeIcons.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

using namespace sequora;
using namespace sequora::storage;
using platform::FakeFileSystem;
using platform::FakeIcons;

namespace {

class EntryEditTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  FakeIcons icons;
  IconStore store{fs, icons, "C:\\Sequora\\Icons\\"};
  std::int16_t defaultDelay = 2;
  ProgramListContext context{fs, "C:\\Sequora\\Sequora.ini", [this] { return defaultDelay; }, {}};
  ProgramList list;

  void SetUp() override {
    fs.MakeDirs("C:\\Sequora\\Icons");
    fs.PutFile(context.iniPath, DefaultIniText());
  }
  // Writes entries straight into the file and loads the table from it.
  void Entries(const std::vector<std::pair<int, std::string>>& programs) {
    Ini ini(fs);
    for (const auto& [n, program] : programs) {
      ini.WriteIniValues(section::kProgramList, {{key::Program(n), program}, {key::ProgramDir(n), "C:\\P" + std::to_string(n) + "\\"}},
                         context.iniPath, true);
    }
    Reload();
  }
  void Reload() { ReloadProgrammListeObj(context, list); }
  ProgramEntry FromFile(int n) { return ReadProgramEntry(context, list, n); }
  // What the file holds for a key, "<none>" when the key is missing or empty.
  std::string Stored(const std::string& key) {
    return Ini(fs).ReadIni(section::kProgramList, key, context.iniPath, "<none>", true);
  }
  static EntryFields Fields(const std::string& program, const std::string& dir) {
    EntryFields f;
    f.program = program;
    f.dir = dir;
    return f;
  }
};

// The seven stored fields of an entry in one line: program|dir|param|delay|minimized|disabled|group.
std::string Line(const ProgramEntry& e) {
  return e.Program + "|" + e.Dir + "|" + e.Param + "|" + e.StartupDelay + "|" + std::to_string(e.Minimized) + "|" +
         std::to_string(e.Disabled) + "|" + std::to_string(e.ConfirmMessageBoxNr);
}

}  // namespace

TEST_F(EntryEditTest, SaveWritesAllSevenKeysInOneReplacement) {
  EntryFields f = Fields("my app.exe", "C:\\My Tools\\");
  f.param = "/min\r\n--quiet";  // pasted over two lines
  f.startupDelay = " 2 ";        // the default delay
  f.minimized = 1;
  f.group = 3;
  fs.ResetCalls();
  ASSERT_TRUE(SaveEntry(context, list, 4, f));
  EXPECT_EQ(Stored("Program4StartupDelay"), "<none>");  // so it follows the default
  defaultDelay = 5;
  EXPECT_EQ(Line(FromFile(4)), "my app.exe|C:\\My Tools\\|/min --quiet|5|1|0|3");
  EXPECT_EQ(Line(*list.At(4)), "my app.exe|C:\\My Tools\\|/min --quiet| 2 |1|0|3");  // the delay as typed

  f.startupDelay = "7";
  ASSERT_TRUE(SaveEntry(context, list, 4, f));
  EXPECT_EQ(Stored("Program4StartupDelay"), "7");
  f.startupDelay = "";
  ASSERT_TRUE(SaveEntry(context, list, 4, f));
  EXPECT_EQ(Stored("Program4StartupDelay"), "<none>");
  EXPECT_EQ(list.At(4)->StartupDelay, "5");  // an empty field means the default delay

  // A line break cannot smuggle a key into the file.
  ASSERT_TRUE(SaveEntry(context, list, 101, Fields("evil.exe\r\nProgram5=bad.exe", "")));
  EXPECT_EQ(FromFile(5).Program, "");
  EXPECT_EQ(FromFile(101).Program, "evil.exe Program5=bad.exe");
  EXPECT_FALSE(SaveEntry(context, list, 102, f));
}

TEST_F(EntryEditTest, ACrashAtAnyStepLeavesTheOldOrTheNewEntries) {
  Entries({{5, "five.exe"}, {6, "six.exe"}});
  EntryFields f = Fields("new.exe", "C:\\New\\");
  f.disabled = 1;
  const std::string original = *fs.Contents(context.iniPath);
  for (bool crash : {true, false}) {
    for (int step = 1; step <= 5; ++step) {
      fs.PutFile(context.iniPath, original);
      Reload();
      const std::string old5 = Line(FromFile(5)), old6 = Line(FromFile(6));
      fs.FailMutation(step, crash);
      const bool saved = SaveEntry(context, list, 5, f);
      fs.FailMutation(0);
      EXPECT_EQ(Line(FromFile(5)), saved ? "new.exe|C:\\New\\||2|0|1|-1" : old5) << step;

      fs.PutFile(context.iniPath, original);
      Reload();
      fs.FailMutation(step, crash);
      const bool swapped = SwapEntries(context, list, nullptr, 5, 6).entries;
      fs.FailMutation(0);
      EXPECT_EQ(Line(FromFile(5)) + " / " + Line(FromFile(6)), swapped ? old6 + " / " + old5 : old5 + " / " + old6)
          << step;
    }
  }
}

TEST_F(EntryEditTest, AddTakesTheFirstFreeSlotFromTheStartNumber) {
  std::vector<std::pair<int, std::string>> taken;
  for (int n = 1; n <= 100; ++n) {
    if (n != 2 && n != 12) taken.emplace_back(n, "p" + std::to_string(n) + ".exe");
  }
  Entries(taken);
  EXPECT_EQ(AddProgramToList(context, list, &store, "C:\\A\\a.exe", 10, {}).entry, 12);
  // Nothing free from 50 on: the free slot below is used rather than refusing.
  AddOutcome below = AddProgramToList(context, list, &store, "C:\\B\\b.exe", 50, {});
  EXPECT_EQ(below.result, AddResult::Added);
  EXPECT_EQ(below.entry, 2);

  // Full: refused and nothing written, so the import leaves the program in Windows. Slot 101 is
  // never used by an add. A program that is listed already is in the list even so.
  const int before = fs.MutationCount();
  AddOutcome full = AddProgramToList(context, list, &store, "C:\\C\\c.exe", 1, {});
  EXPECT_EQ(full.result, AddResult::ListFull);
  EXPECT_FALSE(full.InList());
  EXPECT_EQ(fs.MutationCount(), before);
  AddOutcome listed = AddProgramToList(context, list, &store, "C:\\P7\\p7.exe /x", 1, {});
  EXPECT_EQ(listed.result, AddResult::AlreadyListed);
  EXPECT_EQ(listed.entry, 7);
  EXPECT_TRUE(listed.InList());
}

TEST_F(EntryEditTest, AnAddedProgramIsAFreshEntry) {
  // Slot 1 was cleared in the editor, which leaves its delay, window state, disabled state and
  // group behind, and it still has the old program's bitmap.
  Ini(fs).WriteIniValues(section::kProgramList,
                         {{"Program1StartupDelay", "9"}, {"Program1Disabled", "1"}, {"Program1Minimized", "1"},
                          {"Program1ConfirmMessageBoxNr", "3"}},
                         context.iniPath, true);
  fs.PutFile(store.IconPath(1), EncodeBmp(FakeIcons::Image(0xFF0000, 32)));
  Reload();
  fs.ResetCalls();
  AddOutcome added = AddProgramToList(context, list, &store, "\"C:\\Program Files\\App\\app.exe\" /min \"C:\\x y\"", 1, {});
  EXPECT_EQ(added.entry, 1);
  EXPECT_EQ(Line(FromFile(1)), "app.exe|C:\\Program Files\\App\\|/min \"C:\\x y\"|2|0|0|-1");
  EXPECT_EQ(Stored("Program1StartupDelay"), "<none>");
  EXPECT_FALSE(fs.FileExists(store.IconPath(1)));
  EXPECT_EQ(list.At(1)->Program, "app.exe");  // the next add sees it without a reload
  EXPECT_EQ(AddProgramToList(context, list, &store, "\"\"", 1, {}).result, AddResult::NothingToAdd);
}

TEST_F(EntryEditTest, ADuplicateIsAddedOnlyWhenTheCallerSaysSo) {
  Entries({{3, "tool.exe"}});
  std::vector<std::pair<std::string, int>> asked;
  const int before = fs.MutationCount();
  AddOutcome declined = AddProgramToList(context, list, &store, "C:\\P3\\TOOL.EXE -a", 1, [&](const std::string& f, int n) {
    asked.emplace_back(f, n);
    return false;
  });
  EXPECT_EQ(declined.result, AddResult::AlreadyListed);
  EXPECT_EQ(fs.MutationCount(), before);
  EXPECT_EQ(asked, (std::vector<std::pair<std::string, int>>{{"TOOL.EXE", 3}}));
  EXPECT_EQ(AddProgramToList(context, list, &store, "C:\\P3\\tool.exe", 2, [](const std::string&, int) { return true; }).entry, 2);

  // The file cannot be written: the program did not land, and the table still has the slot free.
  fs.FailNext(FakeFileSystem::Op::RenameOver);
  AddOutcome failed = AddProgramToList(context, list, &store, "C:\\N\\new.exe", 1, {});
  EXPECT_EQ(failed.result, AddResult::NotWritten);
  EXPECT_FALSE(failed.InList());
  EXPECT_EQ(list.At(1)->Program, "");
}

TEST_F(EntryEditTest, SwapMovesStoredValuesAsTheyStand) {
  const std::string longParam = "--profile=" + std::string(200, 'x');
  Ini(fs).WriteIniValues(section::kProgramList,
                         {{"Program5", "five.exe"}, {"Program5Param", longParam}, {"Program5Disabled", "1"},
                          {"Program6", "six.exe"}, {"Program6Param", "\"C:\\a b\""}, {"Program6StartupDelay", "8"}},
                         context.iniPath, true);
  fs.PutFile(store.IconPath(5), EncodeBmp(FakeIcons::Image(0xFF0000, 32)));
  Reload();
  list.At(5)->Done = true;
  list.At(5)->ConfirmState = ConfirmState::RunAll;
  SwapOutcome moved = SwapEntries(context, list, &store, 5, 6);
  EXPECT_TRUE(moved.entries && moved.icons);
  const std::string text = *fs.Contents(context.iniPath);
  EXPECT_NE(text.find("Program6Param=" + longParam + "\r\n"), std::string::npos);  // not cut to 148
  EXPECT_EQ(FromFile(5).Param, "\"C:\\a b\"");  // reads back as it was written, quotes and all
  defaultDelay = 3;
  EXPECT_EQ(FromFile(6).StartupDelay, "3");  // still follows the default
  EXPECT_EQ(FromFile(5).StartupDelay, "8");
  EXPECT_EQ(list.At(6)->Program, "five.exe");
  EXPECT_FALSE(fs.FileExists(store.IconPath(5)));
  EXPECT_TRUE(fs.FileExists(store.IconPath(6)));

  // Entry 101 has no keys in a default file: moving entry 100 there leaves 100 free.
  Ini(fs).WriteIni(section::kProgramList, "Program100", "last.exe", context.iniPath, true);
  Reload();
  ASSERT_TRUE(SwapEntries(context, list, &store, 100, 101).entries);
  EXPECT_EQ(FromFile(101).Program, "last.exe");
  EXPECT_EQ(Line(FromFile(100)), "|||3|0|0|-1");
}

TEST_F(EntryEditTest, CommandLinesSplitWhereWindowsEndsTheProgram) {
  const auto split = [&](const std::string& line) {
    platform::PathParts p = SplitCommandLine(fs, line);
    return p.directory + "|" + p.file + "|" + p.parameters;
  };
  // Pasted text over two lines; the file does not exist, so the dot rule decides.
  EXPECT_EQ(split("C:\\Tools\\my app.exe /min\r\n"), "C:\\Tools\\|my app.exe|/min");
  // A backslash in the parameters does not move the folder: the program is an existing file, or
  // quoted.
  fs.PutFile("C:\\Windows\\system32\\rundll32.exe", "MZ");
  EXPECT_EQ(split("C:\\Windows\\system32\\rundll32.exe C:\\Windows\\x.dll,Run"),
            "C:\\Windows\\system32\\|rundll32.exe|C:\\Windows\\x.dll,Run");
  EXPECT_EQ(split("\"C:\\Program Files\\v1.2 beta\\app.exe\" -c \"C:\\My Files\\a.ini\""),
            "C:\\Program Files\\v1.2 beta\\|app.exe|-c \"C:\\My Files\\a.ini\"");
  EXPECT_EQ(split(""), "||");
  EXPECT_EQ(EntryFieldText(std::string("a\r\nb\rc\nd\0e", 10)), "a b c d e");
}
