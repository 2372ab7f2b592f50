#pragma once
// The startup run without a window: the run's parts on the fake machine, a view that records what
// the run shows, and a manual clock for the run's two timers. Start() does what the main window's
// load does for the run: the countdown, the first status rebuild, the countdown timer on.
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/StringOps.h"
#include "startup/Launcher.h"
#include "startup/Log.h"
#include "startup/RunView.h"
#include "startup/Sequencer.h"
#include "startup/StartupList.h"
#include "storage/Settings.h"
#include "support/FakeMachine.h"
#include "support/ManualClock.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace sequora::test {

class RecordingRunView : public startup::RunView {
 public:
  ui::Form host{"Run"};
  ui::Timer countdown{host, "Timer1", 1000, false};
  ui::Timer wait{host, "Timer2", 1000, false};

  std::vector<std::string> seconds;  // every text the seconds showed
  std::string caption;
  std::string next;
  bool paused = false;
  bool startNow = true;
  std::vector<std::pair<int, int>> confirmations;  // entry, group
  std::vector<int> skipped;
  int statusFirst = 0;
  int finished = 0;
  bool noticeShown = false;             // what ShowEndNotice answers
  std::vector<std::string> endNotices;  // every end notice asked for

  void ShowSeconds(const std::string& text) override { seconds.push_back(text); }
  void ShowCaption(const std::string& text) override { caption = text; }
  void ShowNext(const std::string& text) override { next = text; }
  void ShowPaused(bool p) override { paused = p; }
  void EnableStartNow(bool enabled) override { startNow = enabled; }
  bool TimerOn(startup::RunTimer t) const override { return Of(t).Enabled(); }
  void SetTimer(startup::RunTimer t, bool on) override { Of(t).SetEnabled(on); }
  void ShowStatus(int first, const startup::StatusView&) override { statusFirst = first; }
  void EntrySkipped(int entry) override { skipped.push_back(entry); }
  void OpenGroupConfirmation(int entry, int group) override { confirmations.emplace_back(entry, group); }
  void ShowTrayTip(const std::string&) override {}
  void RefreshTrayIcon() override {}
  bool ShowEndNotice(const std::string& text) override {
    endNotices.push_back(text);
    return noticeShown;
  }
  void RunFinished() override { ++finished; }

  int Confirmations(int entry, int group) const {
    return static_cast<int>(std::count(confirmations.begin(), confirmations.end(), std::make_pair(entry, group)));
  }

 private:
  ui::Timer& Of(startup::RunTimer t) const {
    return const_cast<ui::Timer&>(t == startup::RunTimer::Countdown ? countdown : wait);
  }
};

// Programs Windows "starts itself", by lower-case program call.
class FakeAutostart : public startup::AutostartCheck {
 public:
  std::set<std::string> programs;
  std::vector<std::string> asked;  // program call, and " take out" with the flag
  int finished = 0;
  bool CheckWindowsAutostart(const std::string& call, bool takeOut) override {
    asked.push_back(call + (takeOut ? " take out" : ""));
    return programs.count(ToLower(call)) > 0;
  }
  void Finished() override { ++finished; }
};

// Everything one run holds; a new Start() makes all of it anew.
struct RunParts {
  RunParts(platform::FakePlatform& fakes, const storage::AppPaths& paths, const storage::MainSettings& settings,
           startup::AutostartCheck& autostart)
      : log(fakes.fileSystem, fakes.environment, fakes.launcher, fakes.dialogs, paths, settings),
        list(fakes.fileSystem, fakes.environment, fakes.processes, paths, settings, log),
        launcher(fakes.fileSystem, fakes.environment, fakes.launcher, paths, settings, log),
        run(list, settings, log, launcher, autostart, view) {}
  startup::StartupLog log;
  startup::StartupList list;
  startup::ProgramLauncher launcher;
  RecordingRunView view;
  startup::Sequencer run;
};

class RunTest : public FakeMachine {
 protected:
  storage::AppPaths paths = storage::AppPaths::For("C:\\Sequora", "Sequora");
  storage::MainSettings settings;
  FakeAutostart autostart;
  std::unique_ptr<RunParts> parts;
  std::unique_ptr<ManualClock> clock;  // declared after the parts: detaches before they die

  // A fresh run on the settings file as it is now.
  startup::Sequencer& Start() {
    clock.reset();
    parts.reset();
    settings = storage::ReadMainSettings(fakes.fileSystem, paths.IniPath).value_or(storage::MainSettings{});
    autostart.asked.clear();
    autostart.finished = 0;
    parts = std::make_unique<RunParts>(fakes, paths, settings, autostart);
    RecordingRunView& v = parts->view;
    parts->run.SetCountdown(settings.InitialStartupTime);
    v.ShowStatus(1, parts->list.Rebuild(1));
    parts->run.SetBaseCaption("Sequora 1.3 Beta");
    v.countdown.Tick = [this] { parts->run.Tick(startup::RunTimer::Countdown); };
    v.wait.Tick = [this] { parts->run.Tick(startup::RunTimer::Wait); };
    clock = std::make_unique<ManualClock>();
    clock->Watch(v.host);
    v.countdown.SetEnabled(true);
    return parts->run;
  }
  startup::Sequencer& Run() { return parts->run; }
  RecordingRunView& View() { return parts->view; }
  const std::string& LogText() const { return parts->log.LogText(); }
  void Advance(int ms) { clock->Advance(ms); }
  storage::ProgramEntry& E(int n) { return *parts->list.At(n); }
  // The log's entries in order. Each ends in a CR; an entry's own line breaks are CR LF.
  std::vector<std::string> Logged() const {
    std::vector<std::string> entries;
    std::string entry;
    const std::string& all = LogText();
    for (size_t i = 0; i < all.size(); ++i) {
      if (all[i] == '\r' && (i + 1 == all.size() || all[i + 1] != '\n')) {
        entries.push_back(std::move(entry));
        entry.clear();
      } else {
        entry += all[i];
      }
    }
    return entries;
  }
  int LogCount(const std::string& text) const {
    const std::string& all = LogText();
    int count = 0;
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) ++count;
    return count;
  }
  // Advances the clock one millisecond at a time up to `ms` from now, and returns the time at which
  // the number of started programs first reached `count` (-1 when it did not).
  std::int64_t TimeOfStart(size_t count, int ms) {
    for (int i = 0; i < ms; ++i) {
      if (fakes.launcher.started.size() >= count) return clock->Now();
      clock->Advance(1);
    }
    return fakes.launcher.started.size() >= count ? clock->Now() : -1;
  }
};

}  // namespace sequora::test
