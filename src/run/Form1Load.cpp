// The load handler of the main window: paths, single instance, settings, countdown.
#include <algorithm>
#include <string>

#include "autostart/Registry.h"
#include "base/StringOps.h"
#include "run/Form1.h"
#include "platform/FilePaths.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::run {

std::string Form1::ReadSetting(const std::string& key, const std::string& defaultValue) {
  return storage::Ini(platform_.fileSystem).ReadIni(storage::section::kMainSettings, key, IniPath, defaultValue, true);
}

void Form1::Form_Load() {
  // 1-2: nothing here reads or writes a file, so a second instance can still leave untouched.
  ConfirmWindowOpen = false;
  AbortWait = false;
  PrepareEditor();
  VersCaption.SetCaption(std::string("Vers. ") + kVersion);
  SetCaption(std::string("Sequora ") + kVersion);
  TrayRemoved = false;
  CurrentEntry = 1;
  SetUpdateLink();

  // 3
  if (EndIfPreviousInstance()) return;

  // 4
  TickCount = 0;
  Text4.SetText("0");
  Text5.SetText("");
  Text6.SetText("");

  // 5-6
  platform::FileSystem& fs = platform_.fileSystem;
  AppDir = AddPathSeparator(platform_.environment.AppPath());
  IniPath = AppDir + "Sequora.ini";
  BackupDir = AppDir + "Backup\\";
  IconsDir = AppDir + "Icons\\";
  fs.MakeDirectory(IconsDir);  // an existing folder is fine
  LogPath = AppDir + platform_.environment.ExeName() + "_LogFile.log";
  SetupIconList();

  // 7
  NewSettingsFile = false;
  if (!fs.FileExists(IniPath)) {
    storage::WriteDefaultIni(fs, IniPath);
    NewSettingsFile = true;
    OpenSettingsPanel();
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
  }

  // 8-9
  ReadMainSettings();
  Text2.SetText(std::to_string(Countdown));
  Text3.SetText(std::to_string(DefaultDelay));

  // 10: the countdown runs from here.
  Timer1.SetInterval(1000);
  Timer1.SetEnabled(true);

  // 11
  OpenSettingsPanel();
  int first = CurrentEntry;
  FillText1Text(first);
  SetupIconList();
  BaseCaption = Caption();

  // 12
  Text4.SetText("0");
  Command9.SetEnabled(false);
  Command7_Click();
  if (NewSettingsFile) Command14_Click();
  // Hidden until a setting changes; it stays usable so that it works once it is shown.
  Command5.SetVisible(false);
  QuestionCombo.Clear();
  for (int group = 1; group <= 99; ++group) QuestionCombo.AddItem(std::to_string(group));
  RefreshGroupList();

  // 13: the first undecided group is asked during the countdown.
  for (int n = std::max(CurrentEntry, 1); n <= storage::ProgramList::kLast; ++n) {
    const storage::ProgramEntry* entry = ProgramList.At(n);
    if (entry->ConfirmMessageBoxNr > 0 && entry->ConfirmState == 0) {
      OpenGroupConfirmation(n, entry->ConfirmMessageBoxNr);
      break;
    }
  }

  // 14
  Show();
  std::optional<double> minimized = ToNumber(ReadSetting(storage::key::kStartMinimized, "0"));
  if (minimized && *minimized != 0) {
    SetState(ui::WindowState::Minimized);
    Check1.SetValue(1);
  }

  // 15-16
  if (SystemTrayCheck.Value() == 1) SetTrayMode(true);
  CloseFrameBtn_Click();
}

bool Form1::EndIfPreviousInstance() {
  platform::Windows& windows = platform_.windows;
  if (windows.ClaimSingleInstance(kAppTitle)) return false;
  windows.ActivateFirstInstance(kAppTitle);
  windows.EndProgram(0);
  return true;
}

void Form1::ReadMainSettings() {
  if (ReadSetting(storage::key::kCheckRunningProgramTasks, "0") != "0") RunningPrgr.SetValue(1);
  if (ReadSetting(storage::key::kDeleteLogfileOnStartup, "0") == "1") DeleteLogFileOnStartup();
  if (StartupShortcutExists()) AutoStartMeChk.SetValue(1);

  SystemTrayCheck.SetValue(0);
  if (ReadSetting(storage::key::kSystemTray, "0") != "0") SystemTrayCheck.SetValue(1);

  if (ReadSetting(storage::key::kSkipWindowsAutoRunPrograms, "1") != "0") {
    SkipRegistry.SetValue(1);
    if (ReadSetting(storage::key::kAutoRemoveDoublesFromWindowsAutostart, "0") != "0") AutoRemoveCheck.SetValue(1);
  }

  // A value that is no 16-bit number leaves the member as it was.
  if (auto seconds = ToInt16(ReadSetting(storage::key::kInitialStartupTime, "20"))) Countdown = *seconds;
  SetLabel1(std::to_string(Countdown));
  if (auto delay = ToInt16(ReadSetting(storage::key::kProgramDelayDefault, "2"))) DefaultDelay = *delay;

  if (ReadSetting(storage::key::kGenerateLogFile, "1") == "1" && platform_.fileSystem.FileExists(LogPath))
    ShowLogFileBtn.SetEnabled(true);
}

void Form1::DeleteLogFileOnStartup() {
  platform_.fileSystem.RemoveFile(LogPath);
  platform_.fileSystem.WriteFile(LogPath, "");
}

// Sequora's own shortcut in the Startup folder of the default user profile.
bool Form1::StartupShortcutExists() {
  std::string folder = autostart::ReadRegistryPath(
      platform_.registry,
      "HKEY_USERS\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\startup");
  if (Trim(folder).empty()) return false;  // no value: no folder to look in
  folder = ReplaceText(AddPathSeparator(folder), "%UserProfile%",
                       platform_.environment.GetVariable("UserProfile"), false);
  return platform_.fileSystem.FileExists(folder + platform_.environment.ExeName() + ".lnk");
}

}  // namespace sequora::run
