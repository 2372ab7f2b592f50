// The load handler of the main window: paths, single instance, settings, countdown.
#include <optional>
#include <string>

#include "forms/main/Form1.h"
#include "storage/SettingsFile.h"

namespace sequora::forms {

void Form1::Form_Load() {
  // Nothing before the single-instance check reads or writes a file, so that a second instance
  // can still leave everything untouched.
  ConfirmWindowOpen = false;
  PrepareEditor();
  VersCaption.SetCaption(std::string("Vers. ") + kVersion);
  SetCaption(std::string("Sequora ") + kVersion);
  TrayRemoved = false;

  if (EndIfPreviousInstance()) return;

  editor.Text4.SetText("0");
  editor.Text5.SetText("");
  editor.Text6.SetText("");

  platform::FileSystem& fs = platform_.fileSystem;
  paths_ = storage::AppPaths::For(platform_.environment.AppPath(), platform_.environment.ExeName());
  fs.MakeDirectory(paths_.IconsDir);  // an existing folder is fine
  SetupIconList();

  NewSettingsFile = false;
  if (!fs.FileExists(paths_.IniPath)) {
    switch (storage::CreateDefaultIni(fs, paths_.IniPath)) {
      case platform::FileCreation::Created:
        NewSettingsFile = true;
        OpenSettingsPanel();
        Timer1.SetEnabled(false);
        Timer2.SetEnabled(false);
        break;
      case platform::FileCreation::AlreadyExists:  // it was there after all: the user's file stands
        break;
      case platform::FileCreation::Failed:  // a read-only folder: the run goes by the defaults
        log.AddLog("Error: The settings file could not be created - " + paths_.IniPath);
        break;
    }
  }

  if (std::optional<storage::MainSettings> read = storage::ReadMainSettings(fs, paths_.IniPath))
    settings_ = *read;
  else
    log.AddLog("Error: The settings file could not be read - " + paths_.IniPath);
  if (settings_.DeleteLogfileOnStartup) log.DeleteLogFile();
  if (settingsPanel.OwnAutostartExists()) settingsPanel.AutoStartMeChk.SetValue(1);
  sequencer.SetCountdown(settings_.InitialStartupTime);
  settingsPanel.ShowSettings(settings_, settings_.InitialStartupTime, settings_.ProgramDelayDefault);
  if (settings_.GenerateLogFile && fs.FileExists(paths_.LogPath)) settingsPanel.ShowLogFileBtn.SetEnabled(true);

  // The countdown runs from here.
  Timer1.SetInterval(1000);
  Timer1.SetEnabled(true);

  OpenSettingsPanel();
  FillText1Text();
  SetupIconList();
  sequencer.SetBaseCaption(Caption());

  editor.Text4.SetText("0");
  editor.Command9.SetEnabled(false);
  Command7_Click();
  if (NewSettingsFile) Command14_Click();
  // Hidden until a setting changes; it stays usable so that it works once it is shown.
  settingsPanel.Command5.SetVisible(false);
  RefreshGroupList();

  // The first undecided group is asked during the countdown.
  if (auto entry = startupList.NextUndecidedGroupEntry(sequencer.CurrentEntry()))
    OpenGroupConfirmation(*entry, startupList.At(*entry)->ConfirmMessageBoxNr);

  // The side panel closes before the window shows: nobody sees it open and close again.
  CloseFrameBtn_Click();
  Show();
  if (settings_.StartMinimized) {
    SetState(ui::WindowState::Minimized);
    settingsPanel.Check1.SetValue(1);
  }

  if (settings_.SystemTray) SetTrayMode(true);
}

bool Form1::EndIfPreviousInstance() {
  platform::Windows& windows = platform_.windows;
  if (windows.ClaimSingleInstance(kAppTitle)) return false;
  windows.ActivateFirstInstance(kAppTitle);
  windows.EndProgram(0);
  return true;
}

}  // namespace sequora::forms
