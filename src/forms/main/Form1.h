#pragma once
// Form1, the main window. Loading it starts Sequora (there is no other entry routine): it finds
// the program's files, reads the settings, counts down and hands the run to the sequencer; the
// window shows the run (countdown, next program, the program list) and hosts the settings panel
// (Frame1) and the entry editor (Frame2). It owns the run's parts (startup/) and the windows it
// opens (the group confirmation MsgBoxForm, the notification icon SystemTray, the import window
// ImportForm), and reaches the operating system only through platform::Platform.
//
// What the run shows arrives through startup::RunView; what the confirmation window asks arrives
// through ConfirmHost; the row list control calls the E_ListBox_ procedures (ListBoxHost).
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
//   "info"    the About box (AboutBox)
//   "program" the icon of a program that has none of its own; "enabled", "disabled", "running",
//             "skip", "warning", "groupask", "groupyes", "groupno", "groupdefault" the status
//             pictures of a list row
#include <array>
#include <string>

#include "autostart/Registry.h"
#include "controls/ListBoxExtended.h"
#include "controls/ListBoxHost.h"
#include "forms/confirm/ConfirmHost.h"
#include "forms/confirm/MsgBoxForm.h"
#include "forms/editor/EditorHost.h"
#include "forms/editor/Frame2.h"
#include "forms/import/ImportForm.h"
#include "forms/settings/Frame1.h"
#include "forms/settings/SettingsHost.h"
#include "forms/tray/SystemTray.h"
#include "platform/Platform.h"
#include "startup/AutostartRunCheck.h"
#include "startup/Launcher.h"
#include "startup/Log.h"
#include "startup/RunView.h"
#include "startup/Sequencer.h"
#include "startup/StartupList.h"
#include "storage/AppPaths.h"
#include "storage/Settings.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace sequora::forms {

inline constexpr const char* kVersion = "1.3 Beta";
// The application title: names the single-instance slot.
inline constexpr const char* kAppTitle = "Sequora";

class Form1 : public ui::Form,
              public controls::ListBoxHost,
              public ConfirmHost,
              private EditorHost,
              private ImportHost,
              private SettingsHost,
              private startup::RunView {
 public:
  explicit Form1(platform::Platform platform);
  ~Form1() override;

  // ---- State -----------------------------------------------------------------------------------
  bool ConfirmWindowOpen = false;  // the group confirmation window is shown
  bool TrayRemoved = false;        // the notification icon went during shutdown
  bool NewSettingsFile = false;    // the settings file was made at this start

  const storage::AppPaths& Paths() const { return paths_; }
  const std::string& GetStartPfad() const { return paths_.AppDir; }
  const std::string& GetIniName() const { return paths_.IniPath; }
  const std::string& getBackupDir() const { return paths_.BackupDir; }
  // The options read at load; the settings panel changes them when it saves.
  storage::MainSettings& MainSettings() { return settings_; }

 private:
  // Declared before the parts of the run, which refer to them.
  platform::Platform platform_;
  storage::AppPaths paths_;
  storage::MainSettings settings_;
  autostart::AutostartPlatform autostartPlatform_{platform_.registry, platform_.fileSystem,
                                                  platform_.shellLinks, platform_.environment,
                                                  platform_.shellFolders};
  // Per-user app settings (HKEY_CURRENT_USER\Software\Sequora\...): the confirmation window's
  // always-on-top state.
  autostart::AppSettings appSettings_{platform_.registry, platform_.dialogs, [this] { platform_.windows.EndProgram(0); }};

 public:
  // ---- The run's parts -------------------------------------------------------------------------
  startup::StartupLog log{platform_.fileSystem, platform_.environment, platform_.launcher,
                          platform_.dialogs, paths_, settings_};
  startup::StartupList startupList{platform_.fileSystem, platform_.environment, platform_.processes, paths_,
                                   settings_, log};
  startup::ProgramLauncher launcher{platform_.fileSystem, platform_.environment, platform_.launcher,
                                    paths_, settings_, log};
  // "Smart Autorun detect": does Windows start an entry's program itself?
  startup::AutostartRunCheck autostartCheck{autostartPlatform_, platform_.dialogs, paths_};
  startup::Sequencer sequencer{startupList, settings_, log, launcher, autostartCheck, *this};

  // ---- Operations other windows call ---------------------------------------------------------
  void RunCurrentBtn_Click();  // run the editor's entry now

  // Rebuilds the status view from entry `first` on (below 0: the current entry): re-reads the
  // program list, refills the rows, the hidden sort list and RunPaths.
  void FillText1Text(int first = -1);
  // Greys (or blackens) the first text of the row of control entry `controlEntry` (entry - 1).
  void e_ListBox_SetTextDisabled(int controlEntry, bool grey);

  // The rows of the program list (Form1ListFill.cpp). The list control numbers its entries from 0:
  // a "control entry" is the entry number - 1.
  // Refills every row from the program list, then selects and highlights control entry
  // `selectEntry` (when it has no row: the entry selected before, else the first row).
  void FillExtendedList(int selectEntry);
  // Adds or refills the row of entry n (1..101); `redraw` makes it the selected row.
  void AddToExtendedList(int n, bool redraw);
  int ListRowOfEntry(int controlEntry);         // Get_INTERNALListIndex; -1 without a row
  void HighlightListRow(int controlEntry);      // select, bring into view and highlight its row
  ui::TextBox* ListRowText1(int controlEntry);  // the row's first text; nullptr without a row

  // Calls of the row list control, with its entry number of the row (entry - 1).
  void E_ListBox_Button1_Click(int row) override;  // ask, then run the entry
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

  // Group confirmation (Form1Confirm.cpp), with the window msgBoxForm.
  void OpenGroupConfirmation(int entry, int group) override;
  bool ShowNextConfirmDialog() override;
  void SetConfirmStatus(int group, storage::ConfirmState state) override;
  void SetConfirmMessageVisible(bool visible) override { ConfirmWindowOpen = visible; }
  // Closes the confirmation (or moves it on) when its group has nothing left to start.
  void ConfirmationStillNeeded();
  std::string GroupText(int group) override;
  std::string SecondsText() override { return Label1.Caption(); }
  ui::Colour SecondsColour() override { return Label1.ForeColor(); }
  void PAUSE_SWITCH() override { sequencer.PAUSE_SWITCH(); }

  // Notification area (Form1Tray.cpp), with the window systemTray: with `hide` the window goes
  // behind the icon; with tray mode off the icon goes and the window shows.
  void SetTrayMode(bool hide) override;
  void Form_Resize();
  void ChangeToolTipText(const std::string& text);
  void RemoveTrayIcon();
  // The icon's right-click menu: "&Show", "&Pause" or "&Resume", "Start &next now", "S&kip next",
  // a line, "E&xit"; greyed where the run cannot do it (after the run; start-now as its button).
  std::string TrayMenuString() const;
  // The caption chosen in the icon's menu.
  void OnTrayMenu(const std::string& caption);

  // Program icons: the icon of entry n into `target` (from `path` when given); the path of entry
  // n's icon file when that file does not exist, "" when it does.
  void LoadProgrIcon(int n, ui::PictureBox& target) override;
  std::string IsIconAvailable(int n);

  // Label1 (seconds left, or a word such as "PAUSE") in a font that fits its width: the big one
  // for up to four characters, a smaller one for longer texts.
  void SetLabel1(const std::string& text);

  // ---- Handlers ------------------------------------------------------------------------------
  void Form_Load();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);
  void Form_Unload();
  void Command1_Click();  // "E&xit"
  // Closes the side panel: the list takes the whole window, the status text goes.
  void CloseFrameBtn_Click();
  void ShowLogFileBtn_Click();
  void Command15_Click();  // "Warnings!"
  void AboutBox_Click();   // the About box (also F1)
  void wwwLink_Click();    // "Online-Update"

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
  // Foot of the window.
  ui::PictureBox AboutBox{*this, "AboutBox"};   // opens the About box
  ui::Label wwwLink{*this, "wwwLink"};          // "Online-Update"

  // Program list and status text.
  ui::Frame ListFrame{*this, "ListFrame"};
  controls::ListBoxExtended ListBoxExtended1{*this, "ListBoxExtended1", platform_.dialogs};  // in ListFrame
  ui::CheckBox HideEmptyCheck{*this, "HideEmptyCheck"};    // "Hide Empty"
  ui::CheckBox OnlyActiveCheck{*this, "OnlyActiveCheck"};  // "Hide Disabled"
  ui::TextBox Text1{*this, "Text1"};              // status of the startup list
  ui::ListBox SortierList{*this, "SortierList"};  // hidden: one line per entry

  // The side panels, in one place on the right.
  Frame1 settingsPanel{*this, *this, platform_, paths_, settings_};  // settings
  Frame2 editor{*this, *this, platform_.dialogs, platform_.fileSystem, platform_.icons};  // entry editor
  ui::Button CloseFrameBtn{*this, "CloseFrameBtn"};  // close the side panel

  ui::Timer Timer1{*this, "Timer1", 20000, false};  // countdown
  ui::Timer Timer2{*this, "Timer2", 1000, false};   // delay wait

  const Picture PauseTmpPix = Picture::Named("pause");
  const Picture PlayTmpPix = Picture::Named("play");
  // Status pictures of the list rows. DisableIconList: will start, will not start, already
  // running (or started in this run), passed over by the user, will fail (no such program file).
  // Question, by the group's ConfirmState: undecided, "&Run all", "&Skip all", "&Defaults".
  const std::array<Picture, 5> DisableIconList{Picture::Named("enabled"), Picture::Named("disabled"),
                                               Picture::Named("running"), Picture::Named("skip"),
                                               Picture::Named("warning")};
  const std::array<Picture, 4> Question{Picture::Named("groupask"), Picture::Named("groupyes"),
                                       Picture::Named("groupno"), Picture::Named("groupdefault")};
  const Picture EmptyPix;

  // ---- The windows Form1 owns ------------------------------------------------------------------
  // The renderer shows them when they are shown, like Form1 itself.
  MsgBoxForm msgBoxForm{*this, platform_.dialogs, appSettings_};
  SystemTray systemTray{platform_.tray, platform_.popupMenus};
  // Modal; the run's timers are held while it is open.
  ImportForm importForm{*this, platform_.dialogs, autostartPlatform_, paths_};
  void Command14_Click();  // opens the import window

 private:
  // startup::RunView (Form1Run.cpp)
  void ShowSeconds(const std::string& text) override { SetLabel1(text); }
  void ShowCaption(const std::string& caption) override { SetCaption(caption); }
  void ShowNext(const std::string& text) override { Label2.SetCaption(text); }
  void ShowPaused(bool paused) override;
  void EnableStartNow(bool enabled) override { Command2.SetEnabled(enabled); }
  bool TimerOn(startup::RunTimer timer) const override;
  void SetTimer(startup::RunTimer timer, bool on) override;
  void ShowStatus(int first, const startup::StatusView& view) override;
  void EntrySkipped(int entry) override { e_ListBox_SetTextDisabled(entry - 1, true); }
  void ShowTrayTip(const std::string& tip) override { ChangeToolTipText(tip); }
  void RefreshTrayIcon() override { SetTrayMode(false); }
  bool ShowEndNotice(const std::string& text) override;
  void RunFinished() override;
  // SettingsHost, and opening the panel (Form1Settings.cpp)
  void GoToTray() override;
  void SettingsSaved() override;
  void OpenSettingsPanel();  // the settings panel in the editor's place

  void Layout();  // Form1Layout.cpp
  // Places ListFrame, the list and its filter boxes for what is shown beside and below them (a
  // side panel: narrow; the status text Text1: shorter). Form1ListFrame.cpp.
  void ArrangeListFrame();
  void FillExtendedList(int selectEntry, const std::array<startup::EntryStatus, 102>& status);
  void AddToExtendedList(int n, bool redraw, const startup::EntryStatus& status);
  void ShowCountdownInRow();  // Label1's caption into the current row
  bool EndIfPreviousInstance();
  // A change the user made could not be written to the settings file (or to `path`): says so, once.
  void ShowSaveFailed();
  void ShowSaveFailed(const std::string& path) override;

  // EditorHost (Form1Editor.cpp)
  storage::ProgramList& EditedList() override { return startupList.ProgramList; }
  storage::ProgramListContext EditedListContext() override;
  std::int16_t DefaultDelay() override { return settings_.ProgramDelayDefault; }
  bool SettingsPanelOpen() override { return settingsPanel.Visible(); }
  void EditorShown() override;
  void HighlightEntry(int n) override { HighlightListRow(n - 1); }
  int SortRow() override { return SortierList.ListIndex(); }
  void SelectSortRow(int row) override { SortierList.SetListIndex(row); }
  void EntrySaved(int n, bool announce) override;
  void EntriesChanged(int n) override;
 public:
  void RunConfirmCombo(int group) override;
  // The size of a program icon at the window's DPI (32 pixels at 96).
  int IconSizePx() const;

 private:
  void UnloadSecondaryWindows();

  // ImportHost (Form1Import.cpp): the import adds and removes programs through the editor.
  AddResult AddProgram(const autostart::AutostartItem& item, int startPosition) override;
  void RemoveProgram(const std::string& commandLine) override;
  bool ProgramListFull() override;
  void ImportWindowClosed() override;
  bool importHoldsTimers_ = false;             // the import window holds the run's timers
  bool heldCountdown_ = false, heldWait_ = false;  // their state when it opened

  // The entry editor's side (Form1Editor.cpp).
  void PrepareEditor();              // group items, Esc, the sort list and DPI wiring
  void EditSelectedEntry();          // F2: the editor on the selected row's entry
  void SetupIconList();              // the program icon list at the window's DPI
  void Command7_Click();             // the editor's next entry (entry 1 at start)
  void RefreshGroupList();           // the group names in QuestionCombo
  void ShowEntryInEditor(int entry); // fill the editor from the program list's entry
  Picture ProgramIconList(int entry);  // the entry's icon in the rows
  void SelectEntryInEditor(int entry);  // the sort list selects it; the editor shows it
  void ShowGroupSetup(int entry);       // the entry in the editor, its group list focused
};

}  // namespace sequora::forms
