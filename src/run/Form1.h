#pragma once
// Form1, the main window, and with it the application: loading it starts Sequora (there is no
// other entry routine), and it owns all run-time state (paths, counters, flags, the program
// list). It reaches the operating system only through platform::Platform.
//
// Where the code lives (one job per file, all in run/):
//   Form1.cpp          construction, event wiring, path accessors
//   Form1Layout.cpp    geometry, captions, tool tips and pictures of every control
//   Form1Load.cpp      the load handler, the previous-instance check
//   Form1Shutdown.cpp  query-unload, unload, "E&xit"
//   Form1Countdown.cpp the countdown tick (Timer1)
//   Form1Status.cpp    running checks and entry status on the program list (module Prozess)
//   Form1Launch.cpp    run-now of the editor and of a list row (module RunFile)
//   Log.cpp            AddLog, GetLog and the log buttons
//   Form1Seams.cpp     calls into parts not built yet, each with one line that later work replaces
//
// Named pictures used here (the renderer draws them as vector glyphs):
//   "pause"   pause the run (Command4 while running, PauseTmpPix)
//   "play"    resume the run (Command4 while paused, PlayTmpPix)
//   "next"    start the next program now, cutting the wait short (Command2)
//   "skip"    pass over the next program (Command12)
//   "import"  import from the Windows autostart (Command14)
//   "tray"    go to the notification area (Command13)
//   "save"    save (Command5, Command9)
//   "run"     run the entry now (RunCurrentBtn)
#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "run/Prozess.h"
#include "storage/ProgramList.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace sequora::run {

inline constexpr const char* kVersion = "1.3 Beta";
// The application title: names the single-instance slot.
inline constexpr const char* kAppTitle = "Sequora";

// Result of CheckIfProgrammIsDisabled. Codes: 0 normal start, 1 start confirmed for its group,
// 2 start refused by confirmation (or disabled while the group runs by own settings), 4 already
// running, 5 disabled in its settings, 6 normal start decided by a "defaults" confirmation.
struct EntryStatus {
  std::int16_t code = 0;
  std::string text;
  bool skip = false;
};

class Form1 : public ui::Form {
 public:
  explicit Form1(platform::Platform platform);
  ~Form1() override;

  // ---- Run-time state --------------------------------------------------------------------
  std::string AppDir;     // program folder, ends in a separator
  std::string IniPath;    // AppDir + "Sequora.ini"
  std::string BackupDir;  // AppDir + "Backup\"
  std::string IconsDir;   // AppDir + "Icons\"
  std::string LogPath;    // AppDir + executable name + "_LogFile.log"
  int CurrentEntry = 1;   // entry the run is at (1..101)
  int Countdown = 0;      // seconds left before the run starts
  int DefaultDelay = 0;   // default per-entry delay (ProgramDelayDefault)
  std::int32_t TickCount = 0;
  bool Paused = false;
  bool AbortWait = false;
  bool TickSeen = false;
  bool ConfirmWindowOpen = false;
  bool TrayRemoved = false;
  bool NewSettingsFile = false;
  std::string BaseCaption;
  std::string LogText;  // every log entry since start, each followed by CR
  storage::ProgramList ProgramList;

  // ---- Operations other windows call ---------------------------------------------------------
  const std::string& GetStartPfad() const { return AppDir; }
  const std::string& GetIniName() const { return IniPath; }
  const std::string& getBackupDir() const { return BackupDir; }

  // Log (Log.cpp).
  void AddLog(const std::string& text);
  std::string GetLog();

  // Launcher (Form1Launch.cpp): see run/LaunchProgram.h.
  void LaunchProgram(const std::string& command, int style, const std::string& params, std::string& dir);
  // Run button of list row `row` (zero-based; entry row + 1).
  void E_ListBox_Button1_Click(int row);
  void RunCurrentBtn_Click();

  // Program list and entry status (Form1Status.cpp). The forms with a ProcessScan are for
  // callers that test many entries: they share one look at the processes and windows.
  void ReloadProgrammListeObj();
  void CheckProgramRunning(int entry);
  void CheckProgramRunning(int entry, const ProcessScan& scan);
  void CheckIfProgrammIsDisabled(int entry, EntryStatus& status);
  void CheckIfProgrammIsDisabled(int entry, const ProcessScan& scan, EntryStatus& status);

  // ---- Handlers ------------------------------------------------------------------------------
  void Form_Load();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void Form_Unload();
  void Command1_Click();  // "E&xit"
  void Timer1_Timer();    // countdown tick
  void ShowLogFileBtn_Click();
  void Command15_Click();  // "Warnings!"

  // ---- Controls ------------------------------------------------------------------------------
  // Head of the window.
  ui::Label Label1{*this, "Label1"};            // seconds left
  ui::Label Label2{*this, "Label2"};            // next / last program
  ui::Label VersCaption{*this, "VersCaption"};  // "Vers. 1.3 Beta"
  ui::Button Command4{*this, "Command4"};       // pause / resume
  ui::Button Command2{*this, "Command2"};       // cut the wait short
  ui::Button Command12{*this, "Command12"};     // pass over the next program
  ui::Button Command14{*this, "Command14"};     // import from the Windows autostart
  ui::Button Command15{*this, "Command15"};     // "Warnings!"
  ui::Button Command1{*this, "Command1"};       // "E&xit"

  // Program list and status text.
  ui::Frame ListFrame{*this, "ListFrame"};
  ui::TextBox Text1{*this, "Text1"};  // status of the startup list
  ui::ListBox SortierList{*this, "SortierList"};  // hidden: one line per entry

  // Settings panel.
  ui::Frame Frame1{*this, "Frame1"};
  ui::Label Label9{*this, "Label9"};
  ui::Label Label3{*this, "Label3"};
  ui::TextBox Text2{*this, "Text2"};  // InitialStartupTime
  ui::CheckBox Check1{*this, "Check1"};
  ui::CheckBox SystemTrayCheck{*this, "SystemTrayCheck"};
  ui::Button Command13{*this, "Command13"};
  ui::CheckBox AutoStartMeChk{*this, "AutoStartMeChk"};
  ui::Label Label7{*this, "Label7"};
  ui::Label Label4{*this, "Label4"};
  ui::TextBox Text3{*this, "Text3"};  // ProgramDelayDefault
  ui::CheckBox RunningPrgr{*this, "RunningPrgr"};
  ui::CheckBox SkipRegistry{*this, "SkipRegistry"};
  ui::CheckBox AutoRemoveCheck{*this, "AutoRemoveCheck"};
  ui::Button ShowLogFileBtn{*this, "ShowLogFileBtn"};
  ui::Button Command3{*this, "Command3"};  // "Show Ini"
  ui::Button Command5{*this, "Command5"};  // save the settings

  // Entry editor.
  ui::Frame Frame2{*this, "Frame2"};
  ui::TextBox Text4{*this, "Text4"};  // entry number
  ui::TextBox Text6{*this, "Text6"};  // program
  ui::TextBox Text5{*this, "Text5"};  // directory
  ui::TextBox Text8{*this, "Text8"};  // parameters
  ui::CheckBox Check2{*this, "Check2"};  // "Minimized"
  ui::ComboBox QuestionCombo{*this, "QuestionCombo"};  // groups 1..99
  ui::Button RunCurrentBtn{*this, "RunCurrentBtn"};
  ui::Button Command9{*this, "Command9"};  // save the entry

  ui::Timer Timer1{*this, "Timer1", 20000, false};  // countdown
  ui::Timer Timer2{*this, "Timer2", 1000, false};   // delay wait

  const ui::Picture PauseTmpPix = ui::Picture::Named("pause");
  const ui::Picture PlayTmpPix = ui::Picture::Named("play");

 private:
  platform::Platform platform_;

  void Layout();                    // Form1Layout.cpp
  bool EndIfPreviousInstance();     // Form1Load.cpp
  void ReadMainSettings();          // load step 8
  bool StartupShortcutExists();     // load step 8
  void DeleteLogFileOnStartup();    // load step 8
  std::string ReadSetting(const std::string& key, const std::string& defaultValue);

  // ---- Seams: calls into parts that are not built yet (Form1Seams.cpp) -----------------------
  void PrepareEditor();                        // image lists, list text area, editor buttons
  void SetUpdateLink();                        // the online-update link's download address
  void SetupIconList();                        // the program icon list
  void OpenSettingsPanel();                    // the action of the settings button Command11
  void FillText1Text(int& firstEntry);         // the status view; reloads the program list
  void Command7_Click();                       // the editor's entry selection (next entry)
  void Command14_Click();                      // the import window, modal, timers held
  void RefreshGroupList();                     // the group names in QuestionCombo
  void OpenGroupConfirmation(int entry, int group);
  void SetTrayMode(bool hide);
  void ChangeToolTipText(const std::string& text);  // the notification icon's tooltip
  void CloseFrameBtn_Click();                  // close the side panel
  void RemoveTrayIcon();
  void UnloadSecondaryWindows();               // MsgBoxForm, SystemTray and ImportForm if loaded
  void UnloadSystemTray();
  void RunStartupList();                       // the startup run
};

}  // namespace sequora::run
