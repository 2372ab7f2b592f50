#pragma once
// The main window with its calls into unbuilt parts (and the group confirmation) watched, for the tests of the startup run and
// the status view. Programs live in C:\P\ and exist unless a test says otherwise; the window
// records what Label1 and its caption showed, tick by tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Form1Fixture.h"
#include "base/StringOps.h"

namespace sequora::test {

class WatchedForm1 : public run::Form1 {
 public:
  using run::Form1::Form1;

  std::vector<std::string> calls;    // seam calls in order, e.g. "OpenGroupConfirmation 3 2"
  std::set<std::string> autostart;   // program calls (lower case) Windows "starts itself"

  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [&](const std::string& c) { return c.starts_with(prefix); }));
  }

 private:
  void Note(std::string call) { calls.push_back(std::move(call)); }
  void CheckWindowsAutostart(const std::string& path, bool remove, bool& found) override {
    Note("CheckWindowsAutostart " + path + (remove ? " remove" : ""));
    found = autostart.count(ToLower(path)) > 0;
  }
  void UnloadImportForm() override { Note("UnloadImportForm"); }
  void OpenGroupConfirmation(int entry, int group) override {
    Note("OpenGroupConfirmation " + std::to_string(entry) + " " + std::to_string(group));
  }
  void SelectEntryInEditor(int entry) override { Note("SelectEntryInEditor " + std::to_string(entry)); }
  void ShowGroupSetup(int entry) override { Note("ShowGroupSetup " + std::to_string(entry)); }
};

// Every caption the window showed, in order.
class CaptionHistory : public ui::FormView {
 public:
  std::vector<std::string> captions;
  void FormChanged(ui::Form& form, ui::FormProperty what) override {
    if (what == ui::FormProperty::Caption) captions.push_back(form.Caption());
  }
  void FocusRequested(ui::Control&) override {}
};

class SequencerTest : public Form1Test {
 protected:
  WatchedForm1* w = nullptr;
  CaptionHistory captionHistory;
  std::vector<std::string> label1;  // every text Label1 showed

  ~SequencerTest() override {
    if (form) {
      form->AttachView(nullptr);
      form->Label1.Change = nullptr;
    }
  }

  // The keys of entry n: program `file` in C:\P\ (created), delay, then any further "Key=value"
  // (without the "Program<n>" prefix, e.g. "Disabled=1").
  static std::vector<std::string> Entry(int n, const std::string& file, int delay,
                                        std::initializer_list<std::string> more = {}) {
    const std::string k = "Program" + std::to_string(n);
    std::vector<std::string> lines{k + "=" + file, k + "Dir=C:\\P\\", k + "StartupDelay=" + std::to_string(delay)};
    for (const auto& m : more) lines.push_back(k + m);
    return lines;
  }
  void Settings(std::initializer_list<std::string> main, std::initializer_list<std::vector<std::string>> entries) {
    std::string text = "[MainSettings]\r\n";
    for (const auto& line : main) text += line + "\r\n";
    text += "[ProgramList]\r\n";
    for (const auto& entry : entries)
      for (const auto& line : entry) {
        text += line + "\r\n";
        const auto eq = line.find('=');
        const std::string key = line.substr(0, eq);
        if (key.find_first_not_of("Program0123456789") == std::string::npos && eq + 1 < line.size())
          fakes.fileSystem.PutFile("C:\\P\\" + line.substr(eq + 1), "MZ");
      }
    PutIni(text);
  }

  run::Form1& LoadWatched() {
    clock.reset();
    auto made = std::make_unique<WatchedForm1>(fakes.platform);
    w = made.get();
    form = std::move(made);
    form->AttachView(&captionHistory);
    form->Label1.Change = [this, shown = form->Label1.Change] {  // the window's own handler first
      if (shown) shown();
      label1.push_back(form->Label1.Caption());
    };
    clock = std::make_unique<test::ManualClock>();
    clock->Watch(*form);
    form->Load();
    return *form;
  }

  // Command lines started so far.
  std::vector<std::string> Started() const {
    std::vector<std::string> lines;
    for (const auto& s : fakes.launcher.started) lines.push_back(s.commandLine);
    return lines;
  }
  static std::string P(const std::string& file) { return "C:\\P\\" + file; }
  storage::ProgramEntry& E(int n) { return *form->ProgramList.At(n); }
  bool Ended() const { return fakes.windows.Ended(); }
  int LogCount(const std::string& text) const {
    const std::string& log = form->LogText;
    int count = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++count;
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
