// The startup run on the fake clock: countdown, waits, launches and the end of the run.
#include <gtest/gtest.h>

#include "SequencerFixture.h"

using namespace sequora;
using test::SequencerTest;

TEST_F(SequencerTest, ACountdownOfThreeShowsTwoOneZeroAndStartsTheRunAtTheThirdTick) {
  Settings({"InitialStartupTime=3"}, {Entry(1, "a.exe", 5)});
  run::Form1& f = LoadWatched();
  const size_t captionsAtLoad = captionHistory.captions.size();
  Advance(2000);
  EXPECT_EQ(label1, (std::vector<std::string>{"3", "2", "1"}));
  EXPECT_EQ(captionHistory.captions.size(), captionsAtLoad);  // the first two ticks leave it alone
  EXPECT_EQ(f.Phase(), run::RunPhase::Countdown);

  Advance(1000);
  EXPECT_EQ(label1, (std::vector<std::string>{"3", "2", "1", "0", "5"}));
  std::vector<std::string> captions(captionHistory.captions.begin() + static_cast<long>(captionsAtLoad),
                                    captionHistory.captions.end());
  EXPECT_EQ(captions, (std::vector<std::string>{"Sequora 1.3 Beta  0", "5 -> Next -> (1) a.exe",
                                                "5 Next -> (1) a.exe"}));
  EXPECT_EQ(f.Phase(), run::RunPhase::Waiting);
  EXPECT_FALSE(f.Timer1.Enabled());
  EXPECT_TRUE(f.Timer2.Enabled());
}

TEST_F(SequencerTest, ADelayOfZeroWaitsOneTickAndADelayOfFiveSixTicks) {
  Settings({"InitialStartupTime=1"},
           {Entry(1, "a.exe", 0), Entry(2, "b.exe", 5, {"Param=/min", "Minimized=1"})});
  run::Form1& f = LoadWatched();
  EXPECT_EQ(TimeOfStart(1, 5000), 2000);  // run at 1000, one tick
  EXPECT_EQ(TimeOfStart(2, 10000), 8000);  // six ticks
  ASSERT_GE(label1.size(), 6u);
  EXPECT_EQ(std::vector<std::string>(label1.end() - 6, label1.end()),
            (std::vector<std::string>{"5", "4", "3", "2", "1", "0"}));
  EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("b.exe") + " /min"}));
  EXPECT_EQ(fakes.launcher.started[0].showState, 1);
  EXPECT_EQ(fakes.launcher.started[1].showState, 6);
  EXPECT_EQ(f.Label2.Caption(), "Done: b.exe");
  EXPECT_TRUE(E(1).Done);
  EXPECT_TRUE(E(2).Done);
  EXPECT_EQ(f.LogText, "");  // normal launches are not logged
  EXPECT_TRUE(Ended());
}

TEST_F(SequencerTest, TheLabelsOfAWaitCountDownAndGrowADotPerPass) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 2)});
  run::Form1& f = LoadWatched();
  Advance(1000);
  EXPECT_EQ(f.Label2.Caption(), "Next -> (1) a.exe.");
  Advance(1000);
  EXPECT_EQ(f.Label1.Caption(), "1");
  EXPECT_EQ(f.Label2.Caption(), "Next -> (1) a.exe..");
  EXPECT_EQ(f.Caption(), "1 Next -> (1) a.exe");
}

TEST_F(SequencerTest, PauseAndResumeDuringTheCountdown) {
  Settings({"InitialStartupTime=5"}, {Entry(1, "a.exe", 0)});
  run::Form1& f = LoadWatched();
  Advance(2000);
  f.Command4.RaiseClick();
  EXPECT_EQ(f.Command4.Picture(), f.PlayTmpPix);
  EXPECT_EQ(f.Label1.Caption(), "PAUSE");
  EXPECT_EQ(f.Label1.ForeColor(), 128u);
  EXPECT_EQ(f.Caption(), "Pause - Sequora 1.3 Beta");
  EXPECT_TRUE(f.Paused);
  EXPECT_FALSE(f.Timer1.Enabled() || f.Timer2.Enabled());
  Advance(30000);
  EXPECT_EQ(f.Countdown, 3);

  f.Command4.RaiseClick();
  EXPECT_EQ(f.Command4.Picture(), f.PauseTmpPix);
  EXPECT_EQ(f.Label1.Caption(), "Resume..");
  EXPECT_EQ(f.Label1.ForeColor(), 8388608u);
  EXPECT_EQ(f.Caption(), "Sequora 1.3 Beta");
  EXPECT_FALSE(f.Paused);
  EXPECT_TRUE(f.Timer1.Enabled() && f.Timer2.Enabled() && f.Command2.Enabled());
  Advance(2000);
  EXPECT_EQ(f.Phase(), run::RunPhase::Countdown);
  EXPECT_TRUE(Started().empty());
  Advance(1000);  // the third tick after resuming starts the run
  EXPECT_NE(f.Phase(), run::RunPhase::Countdown);
  EXPECT_LE(TimeOfStart(1, 2000), 36000);
}

TEST_F(SequencerTest, ResumingAPausedWaitStartsTheRunOverAtThePendingEntry) {
  Settings({"InitialStartupTime=1", "SkipWindowsAutoRunPrograms=1"},
           {Entry(1, "a.exe", 0), Entry(2, "b.exe", 5), Entry(3, "c.exe", 0)});
  run::Form1& f = LoadWatched();
  w->autostart.insert("c:\\p\\c.exe");
  Advance(2000);  // run at 1000, a.exe at 2000, then b.exe's wait
  EXPECT_EQ(Started(), std::vector<std::string>{P("a.exe")});
  EXPECT_EQ(LogCount("Prog. Nr.3 Not started:"), 1);
  Advance(2500);
  EXPECT_EQ(f.Label1.Caption(), "3");
  f.Command4.RaiseClick();
  EXPECT_EQ(f.Caption(), "Pause - 3 Next -> (2) b.exe");
  Advance(20000);
  EXPECT_EQ(Started().size(), 1u);

  f.Command4.RaiseClick();  // at 24500
  EXPECT_EQ(f.Caption(), "3 Next -> (2) b.exe");
  label1.clear();
  Advance(1000);  // the countdown timer's tick starts the run over
  EXPECT_EQ(LogCount("Prog. Nr.3 Not started:"), 2);
  EXPECT_EQ(w->Count("UnloadImportForm"), 2);
  ASSERT_GE(label1.size(), 2u);
  EXPECT_EQ(label1[0], "-1");
  EXPECT_EQ(label1[1], "5");  // b.exe is waited for from the beginning
  EXPECT_FALSE(f.Timer1.Enabled());
  const std::int64_t bStarted = TimeOfStart(2, 10000);
  EXPECT_GE(bStarted, 29500);
  EXPECT_LE(bStarted, 30500);
  Advance(10000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("b.exe")}));
  EXPECT_EQ(fakes.windows.endCalls, 1);
}

TEST_F(SequencerTest, CutShortDuringTheCountdownStartsAtTheNextTickWithoutTheFirstDelay) {
  Settings({"InitialStartupTime=10"}, {Entry(1, "a.exe", 5), Entry(2, "b.exe", 2)});
  run::Form1& f = LoadWatched();
  Advance(500);
  f.Command2.RaiseClick();
  EXPECT_EQ(f.Countdown, 0);
  EXPECT_TRUE(f.AbortWait);
  EXPECT_TRUE(f.Command2.Enabled());
  Advance(500);
  EXPECT_EQ(Started(), std::vector<std::string>{P("a.exe")});
  EXPECT_FALSE(f.AbortWait);
  EXPECT_EQ(TimeOfStart(2, 10000), 4000);  // b.exe keeps its own delay
}

TEST_F(SequencerTest, CutShortDuringAWaitLaunchesAtOnce) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 9), Entry(2, "b.exe", 0)});
  run::Form1& f = LoadWatched();
  Advance(3500);
  EXPECT_TRUE(Started().empty());
  f.Command2.RaiseClick();
  EXPECT_EQ(Started(), std::vector<std::string>{P("a.exe")});
  EXPECT_EQ(f.Label2.Caption(), "Next -> (2) b.exe.");
  EXPECT_EQ(TimeOfStart(2, 5000), 4000);  // the next wait's first pass ends at the next tick
}

TEST_F(SequencerTest, CutShortWhilePausedOnlyEndsTheCountdown) {
  Settings({"InitialStartupTime=10"}, {Entry(1, "a.exe", 3)});
  run::Form1& f = LoadWatched();
  f.Command4.RaiseClick();
  f.Command2.RaiseClick();
  EXPECT_EQ(f.Countdown, 0);
  EXPECT_FALSE(f.AbortWait);
  EXPECT_FALSE(f.Command2.Enabled());
  f.Command4.RaiseClick();
  EXPECT_TRUE(f.Command2.Enabled());
  // Run at 1000; Timer2 has run since the resume, so the first pass ends at once: 1000 to 4000.
  EXPECT_EQ(TimeOfStart(1, 10000), 4000);
}

TEST_F(SequencerTest, PassOverDuringTheCountdownMovesTheStartAndTheCountdownToTheChosenEntry) {
  Settings({"InitialStartupTime=10"}, {Entry(1, "a.exe", 2), Entry(2, "b.exe", 3, {"Disabled=1"}),
                                       Entry(3, "c.exe", 4), Entry(4, "d.exe", 0)});
  run::Form1& f = LoadWatched();
  f.Command12.RaiseClick();
  EXPECT_EQ(f.CurrentEntry, 3);
  EXPECT_TRUE(E(1).Done && E(2).Done);
  EXPECT_FALSE(E(3).Done);
  EXPECT_EQ(f.Label2.Caption(), "Next -> (3) c.exe");
  EXPECT_EQ(f.Caption(), "Next -> (3) c.exe");
  EXPECT_EQ(f.Countdown, 4);
  EXPECT_EQ(f.Text1.Text().find("a.exe"), std::string::npos);  // the view starts at entry 2
  EXPECT_NE(f.Text1.Text().find("<->  -->C:\\P\\b.exe  <--  <disabled>"), std::string::npos);
  EXPECT_EQ(TimeOfStart(1, 20000), 9000);  // run at 4000, then five ticks
  Advance(5000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("c.exe"), P("d.exe")}));
  EXPECT_TRUE(Ended());
}

TEST_F(SequencerTest, PassOverDuringAWaitLaunchesTheChosenEntryWhenTheWaitEnds) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 3), Entry(2, "b.exe", 1), Entry(3, "c.exe", 0)});
  run::Form1& f = LoadWatched();
  Advance(1500);
  f.Command12.RaiseClick();
  EXPECT_EQ(f.Label2.Caption(), "Next -> (2) b.exe");
  EXPECT_EQ(TimeOfStart(1, 10000), 5000);  // a.exe's wait runs on unchanged
  EXPECT_EQ(Started(), std::vector<std::string>{P("b.exe")});
  EXPECT_EQ(TimeOfStart(2, 10000), 6000);
  EXPECT_EQ(Started()[1], P("c.exe"));
}

TEST_F(SequencerTest, PassOverWithNothingLeftEndsTheProgram) {
  Settings({"InitialStartupTime=5", "SystemTray=1"}, {Entry(1, "a.exe", 0), Entry(2, "b.exe", 0, {"Disabled=1"})});
  run::Form1& f = LoadWatched();
  Advance(1000);
  ASSERT_NE(fakes.tray.Shown(), nullptr);
  f.Command12.RaiseClick();
  EXPECT_TRUE(Ended());
  EXPECT_TRUE(fakes.tray.icons.empty());  // the icon goes first
  EXPECT_EQ(f.Phase(), run::RunPhase::Ended);
  Advance(20000);
  EXPECT_TRUE(Started().empty());
  EXPECT_EQ(fakes.windows.endCalls, 1);
}

TEST_F(SequencerTest, DisabledEntriesStartOnlyWhenTheirGroupWasConfirmedWithRunAll) {
  Settings({"InitialStartupTime=1"},
           {Entry(1, "d0.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(2, "d1.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(3, "d2.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(4, "d3.exe", 1, {"Disabled=1", "ConfirmMessageBoxNr=7"}),
            Entry(5, "e0.exe", 0, {"ConfirmMessageBoxNr=8"}), Entry(6, "e2.exe", 0, {"ConfirmMessageBoxNr=9"}),
            Entry(7, "e3.exe", 0, {"ConfirmMessageBoxNr=9"})});
  LoadWatched();
  EXPECT_EQ(w->Count("OpenGroupConfirmation 1 7"), 1);  // asked during the countdown
  for (int n = 1; n <= 4; ++n) E(n).ConfirmState = static_cast<std::int16_t>(n - 1);
  E(6).ConfirmState = 2;
  E(7).ConfirmState = 3;
  EXPECT_EQ(TimeOfStart(1, 10000), 3000);  // the confirmed one waits its own delay
  Advance(10000);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("d1.exe"), P("e0.exe"), P("e3.exe")}));
  EXPECT_EQ(w->Count("OpenGroupConfirmation 5 8"), 2);  // before and after its rebuild
  EXPECT_EQ(w->Count("OpenGroupConfirmation 1 "), 1);
  EXPECT_TRUE(E(1).Skip && E(3).Skip && E(4).Skip && E(6).Skip);
  EXPECT_EQ(form->LogText, "");
}

TEST_F(SequencerTest, OnlyAnEntryStillFlaggedRunningThatTheSkipTestLetThroughIsLogged) {
  const std::uint32_t b = fakes.processes.AddRunningProgram("b.exe", "B");
  fakes.processes.AddRunningProgram("c.exe", "C");
  Settings({"InitialStartupTime=1", "CheckRunningProgramTasks=1"},
           {Entry(1, "a.exe", 2), Entry(2, "b.exe", 0), Entry(3, "c.exe", 0)});
  LoadWatched();
  Advance(1500);
  EXPECT_TRUE(E(2).IsRunning);
  std::erase_if(fakes.processes.processes, [&](const auto& p) { return p.processId == b; });  // b.exe exits
  Advance(5000);
  EXPECT_EQ(Started(), std::vector<std::string>{P("a.exe")});
  EXPECT_EQ(LogCount("(Skipped) Process already running: "), 1);
  EXPECT_EQ(LogCount("(Skipped) Process already running: C:\\P\\b.exe"), 1);
  EXPECT_TRUE(E(3).Skip);  // passed over by the skip test, silently
  EXPECT_TRUE(Ended());

  Settings({"InitialStartupTime=1", "CheckRunningProgramTasks=0"}, {Entry(1, "c.exe", 0)});
  LoadWatched();
  Advance(3000);
  EXPECT_EQ(Started().back(), P("c.exe"));  // without detection it starts all the same
}

TEST_F(SequencerTest, ProgramsWindowsStartsItselfAreLoggedOnceAndNeverStarted) {
  for (const char* removal : {"0", "1"}) {
    fakes.launcher.started.clear();
    Settings({"InitialStartupTime=1", "SkipWindowsAutoRunPrograms=1",
              std::string("AutoRemoveDoublesFromWindowsAutostart=") + removal},
             {Entry(1, "a.exe", 0), Entry(2, "b.exe", 0), Entry(3, "c.exe", 0)});
    run::Form1& f = LoadWatched();
    w->autostart.insert("c:\\p\\b.exe");
    Advance(1000);
    const bool remove = removal[0] == '1';
    EXPECT_EQ(w->Count("CheckWindowsAutostart "), 3);
    EXPECT_EQ(w->Count(std::string("CheckWindowsAutostart C:\\P\\b.exe") + (remove ? " remove" : "")), 1);
    EXPECT_EQ(f.LogText, std::string("Prog. Nr.2 Not started:\r\n  C:\\P\\b.exe\r\n") +
                             (remove ? "  -> Program is now removed from the Registry / Autostart. Program skipped this time!"
                                     : "  -> Program is already in Windows Autostart or Registry (run). Program skipped!") +
                             "\r");
    Advance(1000);
    EXPECT_EQ(f.RunPaths[2][1], "b.exe");  // refilled by the rebuilds, still passed over
    Advance(5000);
    EXPECT_EQ(Started(), (std::vector<std::string>{P("a.exe"), P("c.exe")}));
  }
  fakes.launcher.started.clear();
  Settings({"InitialStartupTime=1", "SkipWindowsAutoRunPrograms=0"}, {Entry(1, "b.exe", 0)});
  LoadWatched();
  w->autostart.insert("c:\\p\\b.exe");
  Advance(5000);
  EXPECT_EQ(w->Count("CheckWindowsAutostart"), 0);
  EXPECT_EQ(Started(), std::vector<std::string>{P("b.exe")});
}

TEST_F(SequencerTest, AMissingProgramIsLoggedAndTheRunGoesOn) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "gone.exe", 0), Entry(2, "b.exe", 0)});
  fakes.fileSystem.RemoveFile(P("gone.exe"));
  run::Form1& f = LoadWatched();
  Advance(5000);
  EXPECT_EQ(LogCount("Error: File not found - C:\\P\\gone.exe"), 1);
  EXPECT_EQ(Started(), (std::vector<std::string>{P("gone.exe"), P("b.exe")}));  // attempted all the same
  EXPECT_TRUE(f.Command15.Enabled());
  EXPECT_TRUE(Ended());
}

TEST_F(SequencerTest, TheEndOfTheRunRemovesTheIconAndNothingOfTheRunGoesOnAfterIt) {
  Settings({"InitialStartupTime=2", "SystemTray=1"}, {Entry(1, "a.exe", 1)});
  run::Form1& f = LoadWatched();
  auto tip = [&] { return fakes.tray.Shown() ? fakes.tray.Shown()->tip : std::string("<no icon>"); };
  EXPECT_FALSE(f.Visible());  // only the icon
  Advance(1000);
  EXPECT_EQ(tip(), "Sequora 1.3 Beta");
  Advance(2000);  // run at 2000, first pass ends at 3000
  EXPECT_EQ(tip(), "1 Next -> (1) a.exe");
  Advance(1000);
  EXPECT_EQ(Started(), std::vector<std::string>{P("a.exe")});
  EXPECT_TRUE(fakes.tray.icons.empty());
  EXPECT_TRUE(f.TrayRemoved);
  EXPECT_EQ(fakes.windows.endCalls, 1);
  EXPECT_EQ(fakes.windows.exitCode, 0);
  EXPECT_FALSE(f.Timer1.Enabled() || f.Timer2.Enabled());

  // The fake's EndProgram returns: the run must still be over.
  const std::string label = f.Label1.Caption();
  const size_t trayCalls = fakes.tray.calls.size();
  f.Command4.RaiseClick();
  f.Command2.RaiseClick();
  f.Command12.RaiseClick();
  f.RunStartupList();
  Advance(10000);
  EXPECT_EQ(Started().size(), 1u);
  EXPECT_EQ(fakes.windows.endCalls, 1);
  EXPECT_EQ(fakes.tray.calls.size(), trayCalls);
  EXPECT_EQ(f.Label1.Caption(), label);
}

TEST_F(SequencerTest, ExitDuringAWaitStopsTheRun) {
  Settings({"InitialStartupTime=1"}, {Entry(1, "a.exe", 3)});
  run::Form1& f = LoadWatched();
  Advance(1500);
  f.Command1.RaiseClick();
  Advance(10000);
  EXPECT_TRUE(Started().empty());
  EXPECT_EQ(f.Phase(), run::RunPhase::Ended);
}
