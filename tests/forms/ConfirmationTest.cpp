// The group confirmation window and the main window's side of it.
#include <gtest/gtest.h>

#include "support/WindowRequests.h"

#include "Form1Fixture.h"

using namespace sequora;

namespace {

class ConfirmTest : public test::Form1Test {
 protected:
  // Entries: 1 without a group; 2 and 3 in group 1 (3 disabled); 4 in group 2; 5 in group 1.
  forms::Form1& LoadTwoGroups(std::initializer_list<std::string> main = {"InitialStartupTime=20"}) {
    PutSettings(main, {"Program1=plain.exe", "Program1Dir=C:\\P\\",
                       "Program2=C:\\Tools\\App.EXE", "Program2Dir=C:\\Tools\\", "Program2StartupDelay=5",
                       "Program2ConfirmMessageBoxNr=1",
                       "Program3=off.exe", "Program3Dir=C:\\O\\", "Program3Disabled=1",
                       "Program3ConfirmMessageBoxNr=1",
                       "Program4=second.Exe", "Program4Dir=C:\\S\\", "Program4ConfirmMessageBoxNr=2",
                       "Program5=late.exe", "Program5Dir=C:\\L\\", "Program5StartupDelay=0",
                       "Program5ConfirmMessageBoxNr=1"});
    forms::Form1& f = Load();
    clock->Watch(f.msgBoxForm);
    return f;
  }
  forms::MsgBoxForm& Box() { return form->msgBoxForm; }
  storage::ProgramEntry& Entry(int n) { return E(n); }
  std::vector<int> States() {
    std::vector<int> s;
    for (int n = 1; n <= 5; ++n) s.push_back(static_cast<int>(Entry(n).ConfirmState));
    return s;
  }
  static ui::Button* CancelButton(ui::Form& f) {
    for (ui::Control* c : f.Controls())
      if (auto* b = dynamic_cast<ui::Button*>(c); b && b->IsCancel()) return b;
    return nullptr;
  }
};

}  // namespace

TEST_F(ConfirmTest, OpensDuringTheCountdownForTheFirstGroupPinnedAndFilled) {
  forms::Form1& f = LoadTwoGroups();
  forms::MsgBoxForm& box = Box();
  ASSERT_TRUE(box.Visible());
  EXPECT_TRUE(Box().Topmost());
  EXPECT_EQ(box.GetCurGroupNR(), 1);
  EXPECT_EQ(box.Caption(), "1 - Start?");
  // Every entry of the group, in list order, ".exe" removed in any case.
  EXPECT_EQ(box.List1.Items(), (std::vector<std::string>{"Prg.2  C:\\Tools\\App (+5 sec)", "Prg.3  off (+2 sec)",
                                                         "Prg.5  late (+0 sec)"}));
  EXPECT_TRUE(f.Timer1.Enabled());  // the countdown goes on: the window is not modal
}

TEST_F(ConfirmTest, SkipAllForAllGroupsDecidesBothAndCloses) {
  LoadTwoGroups();
  Box().Check1.SetValue(1);
  Box().Command2.RaiseClick();
  EXPECT_EQ(States(), (std::vector<int>{0, 2, 2, 2, 2}));
  for (int n : {2, 3, 4, 5}) EXPECT_TRUE(Entry(n).Skip) << n;
  EXPECT_FALSE(Box().Loaded());
}

TEST_F(ConfirmTest, SkipAllWithoutTheTickMovesOnToTheNextGroupByName) {
  forms::Form1& f = LoadTwoGroups();
  f.editor.QuestionCombo.SetList(1, "Office *");  // group 2, named, with the confirmation mark
  Box().Command2.RaiseClick();
  EXPECT_EQ(States(), (std::vector<int>{0, 2, 2, 0, 2}));
  ASSERT_TRUE(Box().Visible());
  EXPECT_EQ(Box().GetCurGroupNR(), 2);
  EXPECT_EQ(Box().Caption(), "Office - Start?");

  Box().Command1.RaiseClick();  // the last group: run all
  EXPECT_EQ(States(), (std::vector<int>{0, 2, 2, 1, 2}));
  EXPECT_FALSE(Box().Loaded());
}

TEST_F(ConfirmTest, EscIsDefaultsAndADecidedGroupIsNotAskedAgain) {
  forms::Form1& f = LoadTwoGroups();
  ui::Button* esc = CancelButton(Box());
  ASSERT_EQ(esc, &Box().Command3);
  esc->RaiseClick();
  EXPECT_EQ(States(), (std::vector<int>{0, 3, 3, 0, 3}));
  EXPECT_EQ(Box().GetCurGroupNR(), 2);

  f.OpenGroupConfirmation(2, 1);  // decided: nothing happens
  EXPECT_EQ(Box().GetCurGroupNR(), 2);
  // The next undecided group is searched from the current entry on.
  EXPECT_TRUE(f.ShowNextConfirmDialog());
  EXPECT_EQ(Box().GetCurGroupNR(), 2);
}

TEST_F(ConfirmTest, ClosingByTheFrameClearsTheFlagAndReopeningFillsTheWindowAgain) {
  forms::Form1& f = LoadTwoGroups();
  EXPECT_TRUE(Box().Unload(ui::UnloadMode::ControlMenu));
  EXPECT_FALSE(f.ConfirmWindowOpen);
  EXPECT_EQ(States(), (std::vector<int>{0, 0, 0, 0, 0}));  // the window never decides by itself

  // The run meets the undecided group later: the window must not come back empty.
  f.OpenGroupConfirmation(2, 1);
  ASSERT_TRUE(Box().Visible());
  EXPECT_EQ(Box().List1.ListCount(), 3);
}

TEST_F(ConfirmTest, ListLinesStopAtAnEmptyOneAndOverflowIsReported) {
  LoadTwoGroups();
  Box().LoadValue(2, {"Prg.9  a.EXE (+1 sec)", "", "Prg.10  b.exe (+1 sec)"}, 9);
  EXPECT_EQ(Box().List1.Items(), std::vector<std::string>{"Prg.9  a (+1 sec)"});

  std::vector<std::string> many(1000, "Prg.1  x.exe (+1 sec)");
  Box().LoadValue(1, many, 1);
  EXPECT_EQ(Box().List1.ListCount(), forms::MsgBoxForm::kMaxLines);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].text, "Error 72! - Could not load values");
}

TEST_F(ConfirmTest, NoLinesOrNoGroupClosesTheWindow) {
  forms::Form1& f = LoadTwoGroups();
  Box().LoadValue(1, {""}, 0);
  EXPECT_FALSE(Box().Loaded());

  f.OpenGroupConfirmation(2, 1);
  ASSERT_TRUE(Box().Visible());
  Box().LoadValue(0, {"Prg.1  a (+1 sec)"}, 1);
  EXPECT_FALSE(Box().Loaded());
}

TEST_F(ConfirmTest, TheWindowIsDraggedByItsSurfaceLabelAndPicturesWithTheLeftButton) {
  LoadTwoGroups();
  forms::MsgBoxForm& box = Box();
  test::WindowRequests requests;
  box.AttachView(&requests);
  box.RaiseMouseDown(1);
  box.Label1.RaiseMouseDown(1);
  box.Picture1.RaiseMouseDown(1);
  box.Picture2.RaiseMouseDown(1);
  box.Label1.RaiseMouseDown(2);  // the right button does not start a move
  box.List1.RaiseMouseDown(1);   // the list keeps its own clicks
  EXPECT_EQ(requests.drags, std::vector<std::string>(4, "MsgBoxForm"));
  box.AttachView(nullptr);
}

TEST_F(ConfirmTest, ClosingTheMainWindowUnloadsTheConfirmationWindow) {
  forms::Form1& f = LoadTwoGroups();
  ASSERT_TRUE(Box().Loaded());
  f.Command1.RaiseClick();  // "E&xit"
  EXPECT_FALSE(Box().Loaded());
  EXPECT_TRUE(fakes.windows.Ended());
}

TEST_F(ConfirmTest, SkippedGroupsShowAsConfirmedPassOversInTheStatusView) {
  forms::Form1& f = LoadTwoGroups();
  Box().Check1.SetValue(1);
  Box().Command2.RaiseClick();
  const std::string& text = f.Text1.Text();
  EXPECT_NE(text.find("Startup list   (1 left / 4 disabled):"), std::string::npos) << text;
  for (const char* line : {"<->  -->C:\\Tools\\C:\\Tools\\App.EXE  <--  <Confirmed!>\r\n",
                           "<->  -->C:\\O\\off.exe  <--  <Confirmed!>\r\n",
                           "<->  -->C:\\S\\second.Exe  <--  <Confirmed!>\r\n",
                           "<->  -->C:\\L\\late.exe  <--  <Confirmed!>\r\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
}

TEST_F(ConfirmTest, TheRunStartsWhileTheWindowIsOpenAndGoesByTheEntriesOwnSettings) {
  for (const char* file : {"a.exe", "b.exe", "c.exe"}) fakes.fileSystem.PutFile(std::string("C:\\P\\") + file, "MZ");
  PutSettings({"InitialStartupTime=2"},
              {"Program1=a.exe", "Program1Dir=C:\\P\\", "Program1StartupDelay=0", "Program1ConfirmMessageBoxNr=1",
               "Program2=b.exe", "Program2Dir=C:\\P\\", "Program2StartupDelay=0", "Program2ConfirmMessageBoxNr=1",
               "Program2Disabled=1",
               "Program3=c.exe", "Program3Dir=C:\\P\\", "Program3StartupDelay=0", "Program3ConfirmMessageBoxNr=2"});
  forms::Form1& f = Load();
  clock->Watch(f.msgBoxForm);
  ASSERT_TRUE(Box().Visible());
  Advance(2000);
  EXPECT_NE(f.sequencer.Phase(), startup::RunPhase::Countdown);
  EXPECT_TRUE(Box().Visible());

  Advance(10000);
  std::vector<std::string> started;
  for (const auto& s : fakes.launcher.started) started.push_back(s.commandLine);
  EXPECT_EQ(started, (std::vector<std::string>{"C:\\P\\a.exe", "C:\\P\\c.exe"}));  // b.exe is disabled
  EXPECT_TRUE(f.sequencer.RunOver());
  // Nobody answered, and nothing is left to ask about: the window went with the list.
  EXPECT_FALSE(Box().Loaded());
}

// Once every entry of its group has been started or passed over, the question is moot: the window
// moves on to the next group or closes, and an answer that comes late changes nothing started.
TEST_F(ConfirmTest, TheWindowGoesWhenItsGroupIsDoneAndALateAnswerChangesNothingStarted) {
  for (const char* file : {"a.exe", "b.exe", "c.exe", "d.exe"}) fakes.fileSystem.PutFile(std::string("C:\\P\\") + file, "MZ");
  PutSettings({"InitialStartupTime=2"},
              {"Program1=a.exe", "Program1Dir=C:\\P\\", "Program1StartupDelay=0", "Program1ConfirmMessageBoxNr=1",
               "Program2=b.exe", "Program2Dir=C:\\P\\", "Program2StartupDelay=1", "Program2ConfirmMessageBoxNr=1",
               "Program3=c.exe", "Program3Dir=C:\\P\\", "Program3StartupDelay=5",
               "Program4=d.exe", "Program4Dir=C:\\P\\", "Program4StartupDelay=9", "Program4ConfirmMessageBoxNr=2"});
  forms::Form1& f = Load();
  clock->Watch(f.msgBoxForm);
  ASSERT_EQ(Box().GetCurGroupNR(), 1);
  Advance(3000);  // a.exe at 2000
  EXPECT_EQ(Box().GetCurGroupNR(), 1);  // b.exe still waits
  Advance(2000);  // b.exe at 4000: group 1 is done, group 2 comes next
  ASSERT_EQ(fakes.launcher.started.size(), 2u);
  EXPECT_EQ(Box().GetCurGroupNR(), 2);

  // A late "Skip all" for group 1 leaves its started programs alone.
  f.SetConfirmStatus(1, storage::ConfirmState::SkipAll);
  EXPECT_FALSE(Entry(1).Skip || Entry(2).Skip);
  EXPECT_EQ(form->ListBoxExtended1.GetPicture2(1), Picture::Named("running"));

  Box().Command2.RaiseClick();  // "Skip all" for group 2 while d.exe is ahead: it holds
  EXPECT_TRUE(Entry(4).Skip);
  EXPECT_FALSE(Box().Loaded());
  Advance(20000);
  EXPECT_EQ(fakes.launcher.started.size(), 3u);  // c.exe, never d.exe
}

TEST_F(ConfirmTest, TheSecondsFollowTheMainWindowAndAClickOnThemPausesAndResumes) {
  forms::Form1& f = LoadTwoGroups();
  EXPECT_EQ(Box().Label2.Caption(), "20");
  Advance(3000);
  EXPECT_EQ(Box().Label2.Caption(), "17");

  Box().Label2.RaiseClick();
  EXPECT_TRUE(f.sequencer.Paused());
  EXPECT_EQ(Box().Label2.Caption(), "PAUSE");
  Advance(3000);
  EXPECT_EQ(f.sequencer.Countdown(), 17);
  Box().Label2.RaiseClick();
  EXPECT_EQ(Box().Label2.Caption(), "Resume..");
  Advance(1000);
  EXPECT_EQ(Box().Label2.Caption(), "16");

  // Half a second after the confirmation's own timer started anew: the seconds still agree, and a
  // pause from the main window shows at once.
  Box().Timer1.SetEnabled(false);
  Advance(500);
  Box().Timer1.SetEnabled(true);
  Advance(800);  // the main window's tick came, the confirmation's not yet
  EXPECT_EQ(f.Label1.Caption(), "15");
  EXPECT_EQ(Box().Label2.Caption(), "15");
  f.Command4.RaiseClick();
  EXPECT_EQ(Box().Label2.Caption(), "PAUSE");
}
