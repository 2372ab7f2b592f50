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
//   Sequencer*.cpp     the startup run: RunStartupList and its entry loop (SequencerRun.cpp),
//                      WaitStartupDelay and the wait tick Timer2 (SequencerWait.cpp), pause,
//                      cut-short and pass-over (SequencerButtons.cpp); design in run/Sequencer.h
//   StatusView.cpp     FillText1Text, RunPaths, the E_ListBox_ handlers of the row list control
//   Form1ListFill.cpp  the rows of ListBoxExtended1: list fill, one row, row lookups, the countdown
//                      in the current entry's row
//   Form1ListFrame.cpp the list frame's geometry (wide, or narrow beside a side panel), closing
//                      the side panel (CloseFrameBtn)
//   Form1Status.cpp    running checks and entry status on the program list (module Prozess)
//   Form1Launch.cpp    run-now of the editor and of a list row (module RunFile)
//   Log.cpp            AddLog, GetLog and the log buttons
//   Form1Confirm.cpp   group confirmation: opening MsgBoxForm, the groups' decisions
//   Form1Tray.cpp      the notification-area icon (SystemTray), unloading the other windows
//   Form1Seams.cpp     calls into parts not built yet, each with one line that later work replaces;
//                      they are virtual so that tests can watch the calls
//
// Named pictures used here (the renderer draws them as vector glyphs):
//   "pause"   pause the run (Command4 while running, PauseTmpPix)
//   "play"    resume the run (Command4 while paused, PlayTmpPix)
//   "next"    start the next program now, cutting the wait short (Command2)
//   "skip"    pass over the next program (Command12)
//   "import"  import from the Windows autostart (Command14)
//   "tray"    go to the notification area (Command13)
//   "save"    save (Command5, Command9)
//   "run"     run the entry now (RunCurrentBtn, the run button of every list row)
//   "settings" open the settings panel (Command11); "close" close the side panel (CloseFrameBtn)
//   "program" an entry's icon until the program icons exist; "enabled", "disabled", "running",
//             "groupask", "groupyes", "groupno", "groupdefault" the status pictures of a list row
#include <array>
#include <cstdint>
#include <string>

#include "controls/ListBoxExtended.h"
#include "controls/ListBoxHost.h"
#include "platform/Platform.h"
#include "run/MsgBoxForm.h"
#include "run/Prozess.h"
#include "run/Sequencer.h"
#include "forms/tray/SystemTray.h"
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

// RunPaths: per entry (rows 1..101 used) the folder with its separator, the program file and the
// parameters, as the run starts them.
using RunPathRow = std::array<std::string, 3>;
using RunPathTable = std::array<RunPathRow, 104>;

class Form1 : public ui::Form, public controls::ListBoxHost {
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
  RunPathTable RunPaths{};  // filled by FillText1Text
  int left = 0;             // status view: entries left to start
  int disabled = 0;         // status view: entries passed over

  // ---- Operations other windows call ---------------------------------------------------------
  const std::string& GetStartPfad() const { return AppDir; }
  const std::string& GetIniName() const { return IniPath; }
  const std::string& getBackupDir() const { return BackupDir; }

  // Log (Log.cpp).
  void AddLog(const std::string& text);
  std::string GetLog();

  // Launcher (Form1Launch.cpp): see run/LaunchProgram.h.
  void LaunchProgram(const std::string& command, int style, const std::string& params, std::string& dir);
  void RunCurrentBtn_Click();

  // Startup sequencer (Sequencer*.cpp, run/Sequencer.h).
  void RunStartupList();
  void WaitStartupDelay(int delay);
  void PAUSE_SWITCH();
  void MarkEntrySkipped(int entry);
  bool RunEnded() const { return sequencer_.phase == RunPhase::Ended; }
  RunPhase Phase() const { return sequencer_.phase; }

  // Status view (StatusView.cpp). `firstEntry` below 0 is replaced by CurrentEntry.
  void FillText1Text(int& firstEntry);
  // Greys (or blackens) the first text of the row of control entry `controlEntry` (entry - 1).
  void e_ListBox_SetTextDisabled(int controlEntry, bool grey);

  // The rows of the program list (Form1ListFill.cpp). The list control numbers its entries from 0:
  // a "control entry" is the entry number - 1. The forms with a ProcessScan share one look at the
  // processes with their caller.
  // Refills every row from ProgramList, then selects and highlights control entry `selectEntry`
  // (when it has no row: the entry selected before, else the first row).
  void FillExtendedList(int selectEntry);
  void FillExtendedList(int selectEntry, const ProcessScan& scan);
  // Adds or refills the row of entry n (1..101); `redraw` makes it the selected row.
  void AddToExtendedList(int n, bool redraw);
  void AddToExtendedList(int n, bool redraw, const ProcessScan& scan);
  int ListRowOfEntry(int controlEntry);         // Get_INTERNALListIndex; -1 without a row
  void HighlightListRow(int controlEntry);      // select, bring into view and highlight its row
  ui::TextBox* ListRowText1(int controlEntry);  // the row's first text; nullptr without a row

  // Calls of the row list control, with its entry number of the row (entry - 1).
  void E_ListBox_Button1_Click(int row) override;  // Form1Launch.cpp: ask, then run the entry
  void E_ListBox_Button2_Click(int row) override;
  void E_ListBox_Picture1_Click(int row) override;
  void E_ListBox_Picture2_Click(int row) override;
  void E_ListBox_Picture3_Click(int row) override;
  void E_ListBox_Check1_Click(int row, int value) override;
  void E_ListBox_Check2_Click(int row, int value) override;
  void E_ListBox_Text1_GotFocus(int row, const std::string& text) override;
  void E_ListBox_Text2_GotFocus(int row, const std::string& text) override;
  void E_ListBox_Text1_LostFocus(int row, const std::string& text) override;
  void E_ListBox_Text2_LostFocus(int row, const std::string& text) override;

  // Program list and entry status (Form1Status.cpp). The forms with a ProcessScan are for
  // callers that test many entries: they share one look at the processes and windows.
  void ReloadProgrammListeObj();
  void ReloadProgrammListeObj(const ProcessScan& scan);
  void CheckProgramRunning(int entry);
  void CheckProgramRunning(int entry, const ProcessScan& scan);
  void CheckIfProgrammIsDisabled(int entry, EntryStatus& status);
  void CheckIfProgrammIsDisabled(int entry, const ProcessScan& scan, EntryStatus& status);

  // Group confirmation (Form1Confirm.cpp), with the window msgBoxForm. Virtual where tests of
  // the run watch the calls.
  virtual void OpenGroupConfirmation(int entry, int group);
  void ShowNextConfirmDialog(bool& result);
  void SetConfirmStatus(int group, int state);
  void SetConfirmMessageVisible(bool flag) { ConfirmWindowOpen = flag; }

  // Notification area (Form1Tray.cpp), with the window systemTray.
  virtual void SetTrayMode(bool hide);
  virtual void ChangeToolTipText(const std::string& text);
  virtual void RemoveTrayIcon();

  // Program icons: the icon of entry n into `target` (from `path` when given); the path of entry
  // n's icon file when that file does not exist, "" when it does.
  void LoadProgrIcon(int n, ui::PictureBox& target, const std::string& path = "");
  std::string IsIconAvailable(int n);

  // Label1 (seconds left, or a word such as "PAUSE") in a font that fits its width: the big one
  // for up to four characters, a smaller one for longer texts.
  void SetLabel1(const std::string& text);

  // ---- Handlers ------------------------------------------------------------------------------
  void Form_Load();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void Form_Unload();
  void Command1_Click();  // "E&xit"
  void Timer1_Timer();    // countdown tick
  void Timer2_Timer();    // wait tick
  void Command2_Click();   // cut the wait short
  void Command12_Click();  // pass over the next program
  // Closes the side panel: the list takes the whole window, the status text goes
  // (Form1ListFrame.cpp). Also the load handler's last step.
  void CloseFrameBtn_Click();
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
  ui::Button Command11{*this, "Command11"};     // open the settings panel
  ui::Button Command15{*this, "Command15"};     // "Warnings!"
  ui::Button Command1{*this, "Command1"};       // "E&xit"

  // Program list and status text.
  ui::Frame ListFrame{*this, "ListFrame"};
  controls::ListBoxExtended ListBoxExtended1;  // the program list, in ListFrame
  ui::CheckBox HideEmptyCheck{*this, "HideEmptyCheck"};    // "Hide Empty"
  ui::CheckBox OnlyActiveCheck{*this, "OnlyActiveCheck"};  // "Hide Disabled"
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
  ui::Button CloseFrameBtn{*this, "CloseFrameBtn"};  // close the side panel (editor or settings)

  ui::Timer Timer1{*this, "Timer1", 20000, false};  // countdown
  ui::Timer Timer2{*this, "Timer2", 1000, false};   // delay wait

  const Picture PauseTmpPix = Picture::Named("pause");
  const Picture PlayTmpPix = Picture::Named("play");
  // Status pictures of the list rows. DisableIconList: will start, will not start, already
  // running. Question, by the group's ConfirmState: undecided, "&Run all", "&Skip all", "&Defaults".
  const std::array<Picture, 3> DisableIconList{Picture::Named("enabled"), Picture::Named("disabled"),
                                                   Picture::Named("running")};
  const std::array<Picture, 4> Question{Picture::Named("groupask"), Picture::Named("groupyes"),
                                            Picture::Named("groupno"), Picture::Named("groupdefault")};
  const Picture EmptyPix;

 private:
  platform::Platform platform_;

  void Layout();                    // Form1Layout.cpp
  // Places ListFrame, the list and its filter boxes for what is shown beside and below them (a
  // side panel: narrow; the status text Text1: shorter). Form1ListFrame.cpp.
  void ArrangeListFrame();
  void ShowCountdownInRow();        // Form1ListFill.cpp: Label1's caption into the current row
  bool EndIfPreviousInstance();     // Form1Load.cpp
  void ReadMainSettings();          // load step 8
  bool StartupShortcutExists();     // load step 8
  void DeleteLogFileOnStartup();    // load step 8
  std::string ReadSetting(const std::string& key, const std::string& defaultValue);

  // The startup run (Sequencer*.cpp).
  SequencerState sequencer_;
  void AutostartPreScan();
  void RunEntries();
  bool StartEntry(const ProcessScan& scan);
  void BeginWaitPass();
  void WaitTickSeen();
  void FinishWait();
  void LaunchCurrentEntry();
  void EndRun();
  void StopSequencer();

  // ---- Seams: calls into parts that are not built yet (Form1Seams.cpp) -----------------------
  // Virtual so that tests can watch them; the work that replaces one may drop that.
  virtual void PrepareEditor();                // image lists, list text area, editor buttons
  virtual void SetUpdateLink();                // the online-update link's download address
  virtual void SetupIconList();                // the program icon list
  virtual void OpenSettingsPanel();            // the action of the settings button Command11
  virtual void Command7_Click();               // the editor's entry selection (next entry)
  virtual void Command14_Click();              // the import window, modal, timers held
  virtual void RefreshGroupList();             // the group names in QuestionCombo
  virtual void ShowEntryInEditor(int entry);   // fill the editor from ProgramList(entry)
  // Does Windows start `programCall` (folder + file) itself? With `removeDoubles` it also takes
  // the item out of the Windows autostart. Until that test exists: never.
  virtual void CheckWindowsAutostart(const std::string& programCall, bool removeDoubles, bool& found);
  virtual void UnloadImportForm();             // the hidden import window the test used
  virtual Picture ProgramIconList(int entry);      // the entry's icon (program icons)
  virtual void SelectEntryInEditor(int entry);         // show the entry in the editor
  virtual void ShowGroupSetup(int entry);              // the group set-up for the entry's group

  virtual void UnloadSecondaryWindows();  // Form1Tray.cpp: MsgBoxForm, SystemTray, ImportForm if loaded
  virtual void UnloadSystemTray();

 public:
  // ---- The windows Form1 owns (after platform_, which they use) --------------------------------
  // The renderer shows them when they are shown, like Form1 itself.
  MsgBoxForm msgBoxForm{*this, platform_};
  forms::SystemTray systemTray{platform_.tray};
};

}  // namespace sequora::run
