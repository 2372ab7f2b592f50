#pragma once
// ImportForm, "Import Windows startup Programs": what Windows starts by itself at logon (the Run
// values of the registry, the shortcuts of the Startup folders), to take into the program list
// and out of Windows with a backup; and, in restore mode, what was taken out, to put back. The
// main window opens it modally; the run waits while it is open.
//
// Two pairs of lists: List1 / List2 for the registry, List3 / List4 for the Startup folders. The
// right list of a pair (List1, List3) holds where the item is (import mode) or was (restore
// mode); the left one (List2, List4) what it starts, or in restore mode the recorded command line
// and the shortcut's name in the Backup folder. Row i of both lists is one item. A double click
// (or Delete) on a row takes it off the lists only; nothing in Windows changes.
//
// The work is autostart::AutostartImport's: an item leaves Windows only when its program is in the
// program list afterwards, and a restore never overwrites what lies at the item's old place.
//
// Named pictures: "import" (Picture1, add all), "add" (add one), "restore" (restore one, restore
// all, the mode button).
//
// Handlers in ImportForm.cpp, the look in ImportFormLayout.cpp.
#include <optional>
#include <string>
#include <vector>

#include "autostart/AutostartImport.h"
#include "forms/import/ImportHost.h"
#include "platform/Dialogs.h"
#include "storage/AppPaths.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::forms {

class ImportForm : public ui::Form {
 public:
  // The list of a pair that the user is in is the wide one.
  static constexpr int kWideList = 8755;
  static constexpr int kNarrowList = 3155;
  static constexpr int kListGap = 100;

  // `paths` is read when the window loads (the main window fills it at its own load).
  ImportForm(ImportHost& host, platform::Dialogs& dialogs, autostart::AutostartPlatform platform,
             const storage::AppPaths& paths);

  bool RestoreMode() const { return restoreMode_; }
  // Fills all four lists anew for the current mode: the scan of the autostart locations chosen by
  // the check boxes, or the backup records.
  void Initialize();

  // ---- Operations (import mode / restore mode), by row ----------------------------------------
  // One registry item into the program list at StartPosReg's position; its row leaves the lists.
  void AddSingleRegistryProgram(int listNr);
  // One Startup-folder shortcut into the list at StartPosDir's position.
  void AddSingleAutostartProgram(int index);
  void RestoreSingleRegistry(int index);
  void RestoreSingleAutostart(int index);

  // ---- Handlers ------------------------------------------------------------------------------
  void Form_Load();
  void Form_Unload();
  void AddThisRegBtn_Click();
  void AddBtn_Click();  // add all registry items
  void AddThisAutostartBtn_Click();
  void AddAutostartBtn_Click();  // add all shortcuts
  void RestoreThisRegBtn_Click();
  void RegistryRestoreBtn_Click();  // restore all registry values
  void RestoreThisAutostartBtn_Click();
  void AutoRunRestoreBtn_Click();  // restore all shortcuts
  void RestoreBtn_Click();         // switch the mode
  void CurUserCheck_Click();
  void AllUsrCheck_Click();

  // ---- Controls, in Tab order ------------------------------------------------------------------
  ui::PictureBox Picture1{*this, "Picture1"};
  ui::Label RestoreUeberschrift{*this, "RestoreUeberschrift"};  // restore mode's heading
  ui::CheckBox CurUserCheck{*this, "CurUserCheck"};             // "Current User"
  ui::CheckBox AllUsrCheck{*this, "AllUsrCheck"};               // "All Users"
  // Registry.
  ui::Label Label3{*this, "Label3"};          // "Windows autorun (Registry)"
  ui::ListBox List2{*this, "List2"};          // command lines
  ui::ListBox List1{*this, "List1"};          // value paths
  ui::Label Label1{*this, "Label1"};          // the selected command line
  ui::Label DoubcLayer{*this, "DoubcLayer"};  // "Doubleclick = Remove"
  ui::Label Label5{*this, "Label5"};          // "Startposition in Programlist (opt.):"
  ui::TextBox StartPosReg{*this, "StartPosReg"};
  ui::Button AddThisRegBtn{*this, "AddThisRegBtn"};
  ui::Button AddBtn{*this, "AddBtn"};
  ui::Button RestoreThisRegBtn{*this, "RestoreThisRegBtn"};
  ui::Button RegistryRestoreBtn{*this, "RegistryRestoreBtn"};
  // Startup folders.
  ui::Label Label2{*this, "Label2"};  // "Windows Autorun (Directory):"
  ui::ListBox List4{*this, "List4"};  // command lines, or names in the Backup folder
  ui::ListBox List3{*this, "List3"};  // shortcut files
  ui::Label Label4{*this, "Label4"};  // the selected command line
  ui::Label Label7{*this, "Label7"};  // "Doubleclick = Remove"
  ui::Label Label6{*this, "Label6"};  // "Startposition in Programlist (opt.):"
  ui::TextBox StartPosDir{*this, "StartPosDir"};
  ui::Button AddThisAutostartBtn{*this, "AddThisAutostartBtn"};
  ui::Button AddAutostartBtn{*this, "AddAutostartBtn"};
  ui::Button RestoreThisAutostartBtn{*this, "RestoreThisAutostartBtn"};
  ui::Button AutoRunRestoreBtn{*this, "AutoRunRestoreBtn"};
  // The window.
  ui::Button RestoreBtn{*this, "RestoreBtn"};  // "Restore Settings <<" / "Import Autostarts >>"
  ui::Button ReloadBtn{*this, "ReloadBtn"};
  ui::Button CancelBtn{*this, "CancelBtn"};  // "Close" (Esc)

 private:
  // One pair of lists with what belongs to it.
  struct Pair {
    ui::ListBox& right;
    ui::ListBox& left;
    ui::Label& info;
    ui::Button& addThis;
    ui::Button& restoreThis;
    bool registry;
  };
  Pair RegistryPair() { return {List1, List2, Label1, AddThisRegBtn, RestoreThisRegBtn, true}; }
  Pair FolderPair() { return {List3, List4, Label4, AddThisAutostartBtn, RestoreThisAutostartBtn, false}; }

  void Layout();  // ImportFormLayout.cpp
  // The caption with its Alt key: "&" before the first `letter`.
  static std::string WithAltKey(const std::string& caption, char letter);
  void Wire();
  void ReloadLists();
  void ShowRows(Pair pair, const autostart::ListPairRows& rows);
  size_t RowCount(const Pair& pair) const;
  void RightClicked(Pair pair);
  void LeftClicked(Pair pair);
  void RemoveRow(Pair pair, int index);  // off the lists, nothing else
  void Entered(Pair pair, bool rightList);
  void KeyDown(int keyCode, bool& handled);
  // The focus may not stay on a control that a reload disabled or hid.
  void KeepFocusUsable(Pair pair);

  // Every item of one list into the program list, after the question `ask`.
  void AddAll(std::vector<autostart::AutostartItem> items, const autostart::Message& ask,
              const ui::TextBox& startPosition);
  void Show(const autostart::Message& message);
  void Show(const std::optional<autostart::Message>& message);
  // The messages of imports (a single one, or all of a list), the refused ones together. True
  // when at least one program went into the list.
  bool Report(const std::vector<autostart::ImportResult>& results, const std::vector<std::string>& commands,
              bool single);
  // The messages of restores, each text once. True when at least one item is back in Windows.
  bool Report(const std::vector<autostart::RestoreResult>& results);

  ImportHost& host_;
  platform::Dialogs& dialogs_;
  autostart::AutostartPlatform platform_;
  const storage::AppPaths& paths_;
  std::optional<autostart::AutostartImport> import_;
  bool restoreMode_ = false;
  int loading_ = 0;  // check boxes set from code: no reload
  // What the rows stand for, row i of the lists being element i (import or restore mode).
  std::vector<autostart::AutostartItem> registryItems_, shortcutItems_;
  std::vector<storage::RegistryBackupRecord> registryRecords_;
  std::vector<storage::ShortcutBackupRecord> shortcutRecords_;
};

}  // namespace sequora::forms
