// The startup run on the fake clock, without a window: countdown, waits, launches, what the user
// can do to the run, and its end.
#include <gtest/gtest.h>

#include "RunFixture.h"

using namespace sequora;
using startup::RunPhase;
using test::RunTest;
using Confirm = storage::ConfirmState;

TEST_F(RunTest, ACountdownOfThreeShowsTwoOneZeroAndStartsTheRunAtTheThirdTick) {
  Settings({"InitialStartupTime=3"}, {Entry(1, "a.exe", 5)});
  startup::Sequencer& run = Start();
  EXPECT_EQ(View().caption, "Sequora 1.3 Beta  3");  // the count from the start, not from the third tick
  Advance(2000);
  EXPECT_EQ(View().seconds, (std::vector<std::string>{"3", "2", "1"}));
  EXPECT_EQ(run.Phase(), RunPhase::Countdown);
  Advance(1000);
  EXPECT_EQ(View().seconds.back(), "5");  // the entry's delay counts down next
  EXPECT_EQ(View().caption, "5 Next -> (1) a.exe");
  EXPECT_EQ(run.Phase(), RunPhase::Waiting);
}

TEST_F(RunTest, ADelayOfZeroWaitsOneTickAndADelayOfFiveSixTicks) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 0), Entry(2, "b.exe", 5, {"Param=/min", "Minimized=1"})});
  Start();
  EXPECT_EQ(TimeOfStart(1, 5000), 2000);  // run at 1000, one tick
  EXPECT_EQ(TimeOfStart(2, 10000), 8000);  // six ticks
  const std::vector<std::string>& seconds = View().seconds;
  ASSERT_GE(seconds.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(seconds.end() - 6, seconds.end()),
            (std::vector<std::string>{"5", "4", "3", "2", "1", "0"}));
  EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("b.exe") + " /min"}));
  EXPECT_EQ(fakes.launcher.started[0].showState, 1);
  EXPECT_EQ(fakes.launcher.started[1].showState, 6);
  EXPECT_EQ(View().next, "Done: b.exe");
  EXPECT_EQ(LogText(), "");  // normal launches are not logged
  EXPECT_EQ(View().finished, 1);
}

TEST_F(RunTest, TheWaitCountsDownAndItsLineCyclesOneToThreeDotsBehindTheName) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 90)});
  Start();
  Advance(1000);
  EXPECT_EQ(View().next, "Next -> (1) a.exe.");
  Advance(1000);
  EXPECT_EQ(View().seconds.back(), "89");
  EXPECT_EQ(View().next, "Next -> (1) a.exe..");
  Advance(2000);
  EXPECT_EQ(View().next, "Next -> (1) a.exe.");
  Advance(60000);  // a minute on: the line has not grown
  EXPECT_LE(View().next.size(), std::string("Next -> (1) a.exe...").size());
}

TEST_F(RunTest, PauseAndResumeDuringTheCountdown) {
  Settings({"InitialStartupTime=5"}, {Entry(1, "a.exe", 0)});
  startup::Sequencer& run = Start();
  Advance(2000);
  run.PAUSE_SWITCH();
  EXPECT_TRUE(View().paused);
  EXPECT_EQ(View().seconds.back(), "PAUSE");
  EXPECT_EQ(View().caption, "Pause - Sequora 1.3 Beta  3");
  Advance(30000);
  EXPECT_EQ(run.Countdown(), 3);

  run.PAUSE_SWITCH();
  EXPECT_EQ(View().seconds.back(), "Resume..");
  EXPECT_EQ(View().caption, "Sequora 1.3 Beta  3");
  Advance(2000);
  EXPECT_EQ(run.Phase(), RunPhase::Countdown);
  Advance(1000);  // the third tick after resuming starts the run
  EXPECT_NE(run.Phase(), RunPhase::Countdown);
}

TEST_F(RunTest, ResumingAPausedWaitStartsTheRunOverAtThePendingEntry) {
  Settings({"InitialStartupTime=1", "SkipWindowsAutoRunPrograms=1"},
           {Entry(1, "a.exe", 0), Entry(2, "b.exe", 5), Entry(3, "c.exe", 0)});
  autostart.programs.insert("c:\\p\\c.exe");
  startup::Sequencer& run = Start();
  Advance(2000);  // run at 1000, a.exe at 2000, then b.exe's wait
  EXPECT_EQ(LogCount("Prog. Nr.3 Not started:"), 1);
  Advance(2500);
  run.PAUSE_SWITCH();
  Advance(20000);
  EXPECT_EQ(Started().size(), 1u);

  run.PAUSE_SWITCH();  // at 24500
  View().seconds.clear();
  Advance(1000);  // the countdown timer's tick starts the run over
  EXPECT_EQ(LogCount("Prog. Nr.3 Not started:"), 2);
  EXPECT_EQ(autostart.finished, 2);
  ASSERT_GE(View().seconds.size(), 2u);
  EXPECT_EQ(View().seconds[1], "5");  // b.exe is waited for from the beginning
  EXPECT_EQ(TimeOfStart(2, 10000), 30500);
  Advance(10000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("b.exe")}));
  EXPECT_EQ(View().finished, 1);
}

TEST_F(RunTest, CutShortDuringTheCountdownStartsAtTheNextTickWithoutTheFirstDelay) {
  Settings({"InitialStartupTime=10"}, {Entry(1, "a.exe", 5), Entry(2, "b.exe", 2)});
  startup::Sequencer& run = Start();
  Advance(500);
  run.StartNextNow();
  Advance(500);
  EXPECT_EQ(Started(), std::vector<std::string>{P("a.exe")});
  EXPECT_EQ(TimeOfStart(2, 10000), 4000);  // b.exe keeps its own delay
}

TEST_F(RunTest, CutShortDuringAWaitLaunchesAtOnce) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 9), Entry(2, "b.exe", 0)});
  startup::Sequencer& run = Start();
  Advance(3500);
  EXPECT_TRUE(Started().empty());
  run.StartNextNow();
  EXPECT_EQ(Started(), std::vector<std::string>{P("a.exe")});
  EXPECT_EQ(View().next, "Next -> (2) b.exe.");
  EXPECT_EQ(TimeOfStart(2, 5000), 4000);  // the next wait's first pass ends at the next tick
}

// While paused "start now" is disabled, and nothing of the countdown or of a wait is dropped.
TEST_F(RunTest, StartNowWaitsForTheResumeAndNeverHalfDropsACountdownOrADelay) {
  Settings({"InitialStartupTime=10"}, {Entry(1, "a.exe", 3), Entry(2, "b.exe", 4)});
  startup::Sequencer& run = Start();
  Advance(2000);
  run.PAUSE_SWITCH();
  EXPECT_FALSE(View().startNow);
  run.StartNextNow();  // a click that came anyway
  EXPECT_EQ(run.Countdown(), 8);
  EXPECT_FALSE(run.AbortWait());
  run.PAUSE_SWITCH();
  EXPECT_TRUE(View().startNow);
  // Eight more seconds; then a.exe's own three: four passes, the first ending with the wait
  // timer's tick of the same moment.
  EXPECT_EQ(TimeOfStart(1, 20000), 13000);

  Advance(1500);  // b.exe's wait
  run.PAUSE_SWITCH();
  run.StartNextNow();
  Advance(10000);
  EXPECT_EQ(Started().size(), 1u);
  run.PAUSE_SWITCH();  // at 24500: the wait is taken up again whole, five passes from 25500 on
  EXPECT_EQ(TimeOfStart(2, 20000), 29500);
}

// Passing over during the countdown: the next program is marked passed over, everything the
// window shows of the next program moves on together, and the countdown goes on.
TEST_F(RunTest, PassOverDuringTheCountdownMarksTheProgramAndTheCountdownGoesOn) {
  Settings({"InitialStartupTime=20"}, {Entry(1, "a.exe", 2), Entry(2, "b.exe", 3, {"Disabled=1"}),
                                       Entry(3, "c.exe", 4), Entry(4, "d.exe", 0)});
  startup::Sequencer& run = Start();
  Advance(3000);
  run.SkipNext();
  EXPECT_EQ(View().skipped, std::vector<int>{1});
  EXPECT_EQ(parts->list.StatusOf(1).code, startup::EntryStatusCode::PassedOver);
  EXPECT_EQ(View().next, "Next -> (3) c.exe");
  EXPECT_EQ(View().caption, "Sequora 1.3 Beta  17");  // not the next program's delay
  EXPECT_EQ(View().statusFirst, 3);  // the rows: highlight and countdown on the next program
  Advance(1000);

  run.PAUSE_SWITCH();
  run.SkipNext();  // paused: the caption keeps saying so
  EXPECT_EQ(View().next, "Next -> (4) d.exe");
  EXPECT_EQ(View().caption, "Pause - Sequora 1.3 Beta  16");
  run.PAUSE_SWITCH();
  EXPECT_EQ(TimeOfStart(1, 30000), 20000);  // the rest of the countdown, then d.exe's one pass
  EXPECT_EQ(Started(), std::vector<std::string>{P("d.exe")});
}

TEST_F(RunTest, PassOverDuringAWaitStartsTheNextProgramsOwnDelay) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 3), Entry(2, "b.exe", 5), Entry(3, "c.exe", 0)});
  startup::Sequencer& run = Start();
  Advance(2500);  // a.exe at 2 of 3
  run.SkipNext();
  EXPECT_EQ(View().seconds.back(), "5");  // b.exe's own delay, not the 2 left of a.exe's
  EXPECT_EQ(View().next, "Next -> (2) b.exe.");
  EXPECT_EQ(TimeOfStart(1, 20000), 8000);  // six ticks from 3000 on
  EXPECT_EQ(Started(), std::vector<std::string>{P("b.exe")});

  // Paused in c.exe's wait: the pass-over shows at once; the run goes on from d.exe on resume.
  Settings({"InitialStartupTime=1"}, {Entry(1, "c.exe", 3), Entry(2, "d.exe", 2)});
  startup::Sequencer& again = Start();
  Advance(1500);
  again.PAUSE_SWITCH();
  again.SkipNext();
  EXPECT_EQ(View().caption, "Pause - Next -> (2) d.exe");
  Advance(10000);
  again.PAUSE_SWITCH();  // at 11500
  EXPECT_EQ(TimeOfStart(2, 20000), 14500);  // restarted at d.exe by the tick at 12500: three passes
  EXPECT_EQ(Started(), (std::vector<std::string>{P("b.exe"), P("d.exe")}));  // never c.exe
}

TEST_F(RunTest, PassOverWithNothingLeftEndsTheRun) {
  Settings({"InitialStartupTime=5"}, {Entry(1, "a.exe", 0), Entry(2, "b.exe", 0, {"Disabled=1"})});
  startup::Sequencer& run = Start();
  Advance(1000);
  run.SkipNext();
  EXPECT_EQ(View().finished, 1);
  Advance(20000);
  EXPECT_TRUE(Started().empty());
}

TEST_F(RunTest, DisabledEntriesStartOnlyWhenTheirGroupWasConfirmedWithRunAll) {
  Settings({"InitialStartupTime=1"},
           {Entry(1, "d0.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(2, "d1.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(3, "d2.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(4, "d3.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(5, "e0.exe", 0, {"ConfirmMessageBoxNr=8"}), Entry(6, "e2.exe", 0, {"ConfirmMessageBoxNr=9"}),
            Entry(7, "e3.exe", 0, {"ConfirmMessageBoxNr=9"})});
  Start();
  for (int n = 1; n <= 4; ++n) E(n).ConfirmState = static_cast<Confirm>(n - 1);
  E(6).ConfirmState = Confirm::SkipAll;
  E(7).ConfirmState = Confirm::Defaults;
  EXPECT_EQ(TimeOfStart(1, 10000), 3000);  // the confirmed one waits its own delay
  Advance(10000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("d1.exe"), P("e0.exe"), P("e3.exe")}));
  EXPECT_EQ(View().Confirmations(5, 8), 2);  // before and after its rebuild
  ASSERT_GE(View().skipped.size(), 4u);  // and every free slot after 7
  EXPECT_EQ(std::vector<int>(View().skipped.begin(), View().skipped.begin() + 4), (std::vector<int>{1, 3, 4, 6}));
  EXPECT_EQ(LogText(), "");
}

namespace {
std::string RunningEntry(int n, const std::string& path) {
  return "Prog. Nr." + std::to_string(n) + " Not started:\r\n  " + path +
         "\r\n  -> Program is already running. Program skipped!";
}
}  // namespace

TEST_F(RunTest, ProgramsFoundRunningAreLoggedOnceAndNotStarted) {
  const std::uint32_t b = fakes.processes.AddRunningProgram("b.exe", "B");
  fakes.processes.AddRunningProgram("c.exe", "C");
  fakes.processes.AddRunningProgram("d.exe", "D");
  Settings({"InitialStartupTime=1", "CheckRunningProgramTasks=1"},
           {Entry(1, "a.exe", 2), Entry(2, "b.exe", 0), Entry(3, "c.exe", 0), Entry(4, "d.exe", 0, {"Disabled=1"}),
            Entry(5, "e.exe", 0)});
  Start();
  Advance(1500);
  EXPECT_TRUE(E(2).IsRunning);
  std::erase_if(fakes.processes.processes, [&](const auto& p) { return p.processId == b; });  // b.exe exits
  Advance(10000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("e.exe")}));
  // b.exe still flagged from the last look, c.exe found by the skip test; the disabled d.exe
  // would not have started anyway.
  EXPECT_EQ(Logged(), (std::vector<std::string>{RunningEntry(2, "C:\\P\\b.exe"), RunningEntry(3, "C:\\P\\c.exe")}));

  Settings({"InitialStartupTime=1", "CheckRunningProgramTasks=0"}, {Entry(1, "c.exe", 0)});
  Start();
  Advance(3000);
  EXPECT_EQ(Started().back(), P("c.exe"));  // without detection it starts all the same
  EXPECT_EQ(LogText(), "");
}

TEST_F(RunTest, OnlyTheSameProgramCountsAsRunning) {
  fakes.processes.AddRunningProgram("notepad.exe", "Editor");        // contains pad.exe
  fakes.processes.AddRunningProgram("ms-teams.exe", "Teams");        // contains teams.exe
  fakes.processes.AddRunningProgram("app.exe", "App", "C:\\Other\\app.exe");  // another folder
  fakes.processes.AddRunningProgram("tool.exe", "Tool", "C:\\P\\TOOL.EXE");   // this one
  Settings({"InitialStartupTime=1", "CheckRunningProgramTasks=1"},
           {Entry(1, "pad.exe", 0), Entry(2, "teams.exe", 0), Entry(3, "app.exe", 0), Entry(4, "tool.exe", 0)});
  Start();
  Advance(10000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("pad.exe"), P("teams.exe"), P("app.exe")}));
  EXPECT_EQ(Logged(), std::vector<std::string>{RunningEntry(4, "C:\\P\\tool.exe")});
}

TEST_F(RunTest, ProgramsWindowsStartsItselfAreLoggedOnceAndNeverStarted) {
  autostart.programs.insert("c:\\p\\b.exe");
  for (const char* removal : {"0", "1"}) {
    fakes.launcher.started.clear();
    Settings({"InitialStartupTime=1", "SkipWindowsAutoRunPrograms=1",
              std::string("AutoRemoveDoublesFromWindowsAutostart=") + removal},
             {Entry(1, "a.exe", 0), Entry(2, "b.exe", 0), Entry(3, "c.exe", 0)});
    Start();
    Advance(1000);
    const bool takeOut = removal[0] == '1';
    EXPECT_EQ(autostart.asked, (std::vector<std::string>{P("a.exe") + (takeOut ? " take out" : ""),
                                                         P("b.exe") + (takeOut ? " take out" : ""),
                                                         P("c.exe") + (takeOut ? " take out" : "")}));
    EXPECT_EQ(LogText(), std::string("Prog. Nr.2 Not started:\r\n  C:\\P\\b.exe\r\n") +
                             (takeOut ? "  -> Program is now removed from the Registry / Autostart. Program skipped this time!"
                                      : "  -> Program is already in Windows Autostart or Registry (run). Program skipped!") +
                             "\r");
    Advance(1000);
    EXPECT_EQ(parts->list.RunPaths[2][1], "b.exe");  // refilled by the rebuilds, still passed over
    Advance(5000);
    EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("c.exe")}));
  }
  fakes.launcher.started.clear();
  Settings({"InitialStartupTime=1", "SkipWindowsAutoRunPrograms=0"}, {Entry(1, "b.exe", 0)});
  Start();
  Advance(5000);
  EXPECT_TRUE(autostart.asked.empty());
  EXPECT_EQ(Started(), std::vector<std::string>{P("b.exe")});
}

TEST_F(RunTest, AProgramThatDoesNotStartIsLoggedWithItsReasonAndTheRunGoesOn) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "gone.exe", 0), Entry(2, "b.exe", 0), Entry(3, "c.exe", 0)});
  fakes.fileSystem.RemoveFile(P("gone.exe"));
  fakes.launcher.FailWith(platform::StartWay::Direct, 5, P("c.exe"));
  Start();
  EXPECT_EQ(TimeOfStart(1, 5000), 3000);  // the missing one keeps its place: run at 1000, gone at 2000
  Advance(5000);
  EXPECT_EQ(Started(), std::vector<std::string>{P("b.exe")});
  EXPECT_EQ(Logged(), (std::vector<std::string>{"Error: File not found - C:\\P\\gone.exe",
                                                 "Error: Could not start - C:\\P\\c.exe (Access is denied)"}));
  EXPECT_EQ(View().next, "Failed: c.exe");
}

TEST_F(RunTest, AnEntryRefusedDuringItsWaitIsNotStartedAndTheLineSaysSo) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 3, {"ConfirmMessageBoxNr=2"})});
  Start();
  Advance(2500);
  parts->list.SetConfirmState(2, Confirm::SkipAll);
  Advance(5000);
  EXPECT_TRUE(Started().empty());
  EXPECT_EQ(View().next, "Skipped: a.exe");
}

TEST_F(RunTest, NothingOfTheRunGoesOnAfterItsEnd) {
  Settings({"InitialStartupTime=2"}, {Entry(1, "a.exe", 1)});
  startup::Sequencer& run = Start();
  Advance(4000);
  EXPECT_EQ(View().finished, 1);

  // Ending the program may return (as it does here): the run must still be over.
  const size_t shown = View().seconds.size();
  run.PAUSE_SWITCH();
  run.StartNextNow();
  run.SkipNext();
  run.RunStartupList();
  Advance(10000);
  EXPECT_EQ(Started().size(), 1u);
  EXPECT_EQ(View().finished, 1);
  EXPECT_EQ(View().seconds.size(), shown);
}

TEST_F(RunTest, ASettingsFileThatCannotBeReadKeepsTheListAndTheRunGoesOn) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 1), Entry(2, "b.exe", 1), Entry(3, "c.exe", 1)});
  Start();
  Advance(1500);  // the run is at a.exe's wait
  // Another program holds the file without read sharing for a while: every read fails.
  fakes.fileSystem.FailNext(platform::FakeFileSystem::Op::ReadFile, 4);
  Advance(6000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("b.exe"), P("c.exe")}));
  EXPECT_EQ(LogCount("Error: The settings file could not be read - C:\\Sequora\\Sequora.ini"), 1);
  EXPECT_EQ(LogCount("Error: File not found"), 0);
  EXPECT_EQ(View().finished, 1);
}

// ---- The end notice ----------------------------------------------------------------------------

TEST_F(RunTest, TheEndNoticeSaysWhatStartedAndHoldsTheEndAtMostFifteenSeconds) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 0), Entry(2, "b.exe", 0)});
  startup::Sequencer& run = Start();
  View().noticeShown = true;
  Advance(3000);
  ASSERT_EQ(Started().size(), 2u);
  EXPECT_EQ(View().endNotices, std::vector<std::string>{"Startup list done: 2 programs started."});
  run.PAUSE_SWITCH();  // the run is over: this changes nothing
  Advance(14000);
  EXPECT_EQ(View().finished, 0);
  Advance(1000);
  EXPECT_EQ(View().finished, 1);
  EXPECT_EQ(Started().size(), 2u);
}

TEST_F(RunTest, ClosingTheEndNoticeEndsAtOnceAndAClickOpensTheLogWhenSomethingWentWrong) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "gone.exe", 0)});
  fakes.fileSystem.RemoveFile(P("gone.exe"));
  startup::Sequencer& run = Start();
  View().noticeShown = true;
  Advance(2000);
  ASSERT_EQ(View().endNotices.size(), 1u);
  EXPECT_EQ(View().endNotices[0],
            "Startup list done: no program was started.\n1 program could not be started: click here to see the log.");
  run.EndNoticeClosed(true);
  EXPECT_EQ(fakes.launcher.notepadFiles, std::vector<std::string>{paths.LogPath});
  EXPECT_EQ(View().finished, 1);
  run.EndNoticeClosed(true);  // a second report changes nothing
  EXPECT_EQ(View().finished, 1);
  EXPECT_EQ(fakes.launcher.notepadFiles.size(), 1u);

  // Closed or timed out: the program ends, the log stays closed.
  Start();
  View().noticeShown = true;
  Advance(2000);
  Run().EndNoticeClosed(false);
  EXPECT_EQ(View().finished, 1);
  EXPECT_EQ(fakes.launcher.notepadFiles.size(), 1u);
}

TEST_F(RunTest, APassOverWhilePausedThatEndsTheListStillEndsTheProgram) {
  Settings({"InitialStartupTime=5"}, {Entry(1, "a.exe", 0)});
  startup::Sequencer& run = Start();
  View().noticeShown = true;
  run.PAUSE_SWITCH();
  run.SkipNext();  // nothing after entry 1
  EXPECT_EQ(View().endNotices, std::vector<std::string>{"Startup list done: no program was started."});
  Advance(15000);
  EXPECT_EQ(View().finished, 1);
  EXPECT_TRUE(Started().empty());
}

// ---- What the settings file holds, as the run takes it ----------------------------------------

// A delay or group that is not one goes by the default: what the rows and the confirmation show is
// what the run does.
TEST_F(RunTest, NumbersThatAreNotNumbersGoByTheDefaults) {
  for (const char* file : {"a.exe", "b.exe", "c.exe", "d.exe"}) fakes.fileSystem.PutFile(P(file), "MZ");
  PutSettings({"InitialStartupTime=1", "ProgramDelayDefault=-5"},
              {"Program1=a.exe", "Program1Dir=C:\\P\\", "Program1StartupDelay=xyz",
               "Program2=b.exe", "Program2Dir=C:\\P\\", "Program2StartupDelay=99999999999",
               "Program3=c.exe", "Program3Dir=C:\\P\\", "Program3StartupDelay=-5", "Program3ConfirmMessageBoxNr=500",
               "Program4=d.exe", "Program4Dir=C:\\P\\", "Program4StartupDelay=", "Program4ConfirmMessageBoxNr=1"});
  Start();
  EXPECT_EQ(settings.ProgramDelayDefault, 2);  // a negative default is the built-in one
  EXPECT_EQ(parts->list.GroupLines(1), std::vector<std::string>{"Prg.4  d.exe (+2 sec)"});
  EXPECT_EQ(parts->list.NextUndecidedGroupEntry(1), 4);  // 500 is no group
  // Each waits two seconds: three passes.
  EXPECT_EQ(TimeOfStart(1, 10000), 4000);
  EXPECT_EQ(TimeOfStart(2, 10000), 7000);
  EXPECT_EQ(TimeOfStart(3, 10000), 10000);
  EXPECT_EQ(TimeOfStart(4, 10000), 13000);
  EXPECT_EQ(View().Confirmations(3, 500), 0);
}

// The program field with no folder starts what it names; what cannot start is logged, and the
// end notice counts it.
TEST_F(RunTest, WhatCannotStartIsLoggedAndTheEndNoticeCountsIt) {
  fakes.fileSystem.PutFile("C:\\windows\\system32\\winver.exe", "MZ");
  PutSettings({"InitialStartupTime=1", "ProgramDelayDefault=0"},
              {"Program3=a.exe", "Program3Dir=C:\\P\\", "Program4=C:\\windows\\system32\\winver.exe",
               "Program5=gone.exe", "Program5Dir=C:\\P\\", "Program6Dir=C:\\P\\", "Program7=b.exe",
               "Program7Dir=C:\\P\\"});
  for (const char* file : {"a.exe", "b.exe"}) fakes.fileSystem.PutFile(P(file), "MZ");
  startup::Sequencer& run = Start();
  View().noticeShown = true;
  Advance(10000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), "C:\\windows\\system32\\winver.exe", P("b.exe")}));
  EXPECT_EQ(fakes.launcher.started[1].folder, "C:\\windows\\system32\\");
  EXPECT_EQ(Logged(), (std::vector<std::string>{"Error: File not found - C:\\P\\gone.exe",
                                                 "Prog. Nr.6 Not started:\r\n  C:\\P\\\r\n"
                                                 "  -> No program file is given. Program skipped!"}));
  EXPECT_EQ(View().endNotices, std::vector<std::string>{"Startup list done: 3 programs started.\n"
                                                         "2 programs could not be started: click here to see the log."});
  EXPECT_EQ(run.Phase(), RunPhase::Ending);
}

// Started by hand before the run comes to it (or during its wait): shown as running, not started
// again, not logged as found running.
TEST_F(RunTest, AnEntryStartedInThisRunIsNotStartedAgain) {
  Settings({"InitialStartupTime=1", "CheckRunningProgramTasks=1"},
           {Entry(1, "a.exe", 2), Entry(2, "b.exe", 0), Entry(3, "c.exe", 0)});
  Start();
  Advance(1500);  // a.exe's wait
  for (int n : {1, 2}) E(n).Started = true;
  EXPECT_EQ(parts->list.StatusOf(2).code, startup::EntryStatusCode::Running);
  Advance(10000);
  EXPECT_EQ(Started(), std::vector<std::string>{P("c.exe")});
  EXPECT_EQ(LogText(), "");
}
