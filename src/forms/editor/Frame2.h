#pragma once
// Frame2, the entry editor: one entry of the program list beside the list, in place of the
// settings panel. The main window hosts it (its controls belong to the main window's form) and
// tells it, through EditorHost, what follows a change.
//
// The shown entry is the number in Text4 ("0" before any was shown). Command9 (save) is enabled
// exactly while the fields hold changes that are not stored: leaving such an entry asks first.
// A save writes the whole entry in one replacement of the settings file; a write that fails says
// so and keeps what was typed.
//
// Files: Frame2.cpp (wiring, fields, show and save), Frame2Layout.cpp, Frame2List.cpp (paste box,
// add, remove, moves), Frame2Groups.cpp, Frame2Icons.cpp.
#include <cstdint>
#include <optional>
#include <string>

#include "forms/editor/EditorHost.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Icons.h"
#include "storage/EntryEdit.h"
#include "storage/IconStore.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace sequora::forms {

// The paste box's text while nothing was pasted.
inline constexpr char kPastePrompt[] = "Add path here";

class Frame2 : public ui::Frame {
 public:
  Frame2(ui::Form& host, EditorHost& editorHost, platform::Dialogs& dialogs, platform::FileSystem& fs,
         platform::Icons& icons);

  // ---- Showing and saving ---------------------------------------------------------------------
  // The sort list's row `newIndex` (0-based) was selected: shows entry newIndex + 1, after asking
  // about unsaved changes. When the answer was Yes and the save failed, the editor stays on its
  // entry.
  void SetNewIndex(int newIndex);
  // Fills the fields from entry n of the program list (1..101; others leave the fields as they are).
  void ShowEntryInEditor(int n);
  // Stores the shown entry; false when nothing was written (no entry shown, or the write failed).
  bool SaveEntry();
  // Unsaved changes: asks "Save Changes?" and saves on Yes. False when the save failed (what was
  // typed stays); true when the entry may be left.
  bool OfferToSave();
  // The sort list's selected row changed (by the user, or by code other than the editor's).
  void SortListClicked(int row);
  void Command7_Click();  // next entry
  void Command8_Click();  // previous entry
  int ShownEntry() const;
  bool Dirty() const { return Command9.Enabled(); }

  // ---- Adding, removing, ordering (Frame2List.cpp) --------------------------------------------
  // A command line into the first free slot from minStartNr on. `addAnyway` answers the
  // duplicate question (empty: the user is asked); with `tellListFull` a full list says so; with
  // `disabled` the new entry is disabled. Afterwards the editor shows the new entry. The result
  // tells whether the program is listed.
  storage::AddOutcome AddProgramToList(const std::string& commandLine, int minStartNr,
                                       const storage::AddAnyway& addAnyway = {}, bool tellListFull = true,
                                       bool disabled = false);
  // The import's two ways in (a Run value, a Startup-folder shortcut); the names are not stored.
  storage::AddOutcome AddNewProgram(const std::string& commandLine, const std::string& registryName, int minStartNr,
                                    const storage::AddAnyway& addAnyway = {}, bool tellListFull = true,
                                    bool disabled = false);
  storage::AddOutcome AddNewAutostartProgram(const std::string& commandLine, const std::string& autoStartLink,
                                             int minStartNr, const storage::AddAnyway& addAnyway = {},
                                             bool tellListFull = true, bool disabled = false);
  // Clears the first entry that holds the command line's program (the restore gives it back to
  // Windows). A write that fails says so.
  storage::RemoveOutcome RemoveProgramFromList(const std::string& commandLine);
  // Exchanges entries a and b (file, table, icons, rows) and shows the entry now at b.
  bool SwapEntries(int a, int b);
  void UpButton_Click();
  void DwnButton_Click();
  // Asks for a command line and adds it as a new entry (the way in without the import).
  void AddButton_Click();

  // ---- Groups (Frame2Groups.cpp) ---------------------------------------------------------------
  void RefreshGroupList();
  void Command16_Click();  // name the selected group, then offer the test

  // ---- Icons (Frame2Icons.cpp) -----------------------------------------------------------------
  // Where the icon files are; loads nothing yet.
  void SetIconsDir(const std::string& iconsDir);
  // Every entry's icon for the rows, at `sizePx` pixels (at start and when the DPI changes).
  void Initialize_Iconlist(int sizePx);
  int IconSize() const { return iconSize_; }
  // Entry n's icon in the rows; a program without an icon of its own shows the generic one.
  Picture ProgramIconList(int n) const;
  // Entry n's icon into any picture box (the confirmation window's).
  void LoadProgrIcon(int n, ui::PictureBox& target);
  std::string IsIconAvailable(int n);
  storage::IconStore* Icons() { return store_ ? &*store_ : nullptr; }

  // ---- Controls, in Tab order ------------------------------------------------------------------
  ui::Label NrLabel{Owner(), "NrLabel"};
  ui::TextBox Text4{Owner(), "Text4"};  // entry number (read-only: the buttons and the list change it)
  ui::Button Command8{Owner(), "Command8"};  // previous entry
  ui::Button Command7{Owner(), "Command7"};  // next entry
  ui::Button UpButton{Owner(), "UpButton"};  // move the entry up
  ui::Button DwnButton{Owner(), "DwnButton"};  // move the entry down
  ui::PictureBox ProgramIcon{Owner(), "ProgramIcon"};  // the entry's icon; a click names a source
  ui::Button AddIcon_Btn{Owner(), "AddIcon_Btn"};  // keep the shown icon as the entry's bitmap
  ui::Label PasteLabel{Owner(), "PasteLabel"};
  ui::TextBox Text7{Owner(), "Text7"};  // paste box: a whole command line
  ui::Label ProgramLabel{Owner(), "ProgramLabel"};
  ui::TextBox Text6{Owner(), "Text6"};  // program
  ui::Label DirLabel{Owner(), "DirLabel"};
  ui::TextBox Text5{Owner(), "Text5"};  // folder
  ui::Label ParamLabel{Owner(), "ParamLabel"};
  ui::TextBox Text8{Owner(), "Text8"};  // parameters
  ui::Label DelayLabel{Owner(), "DelayLabel"};
  ui::TextBox WaitTimeTXT{Owner(), "WaitTimeTXT"};  // startup delay
  ui::Label IsDefaultLabel{Owner(), "IsDefaultLabel"};  // "(Default)"
  ui::CheckBox Check2{Owner(), "Check2"};  // "Minimized"
  ui::CheckBox ProgrEnabledCheck{Owner(), "ProgrEnabledCheck"};  // "Disable"
  ui::PictureBox DisabledSettings{Owner(), "DisabledSettings"};
  ui::Label EnabDisabLabel{Owner(), "EnabDisabLabel"};  // "Enabled" / "Disabled"
  ui::CheckBox QuestionCeck{Owner(), "QuestionCeck"};  // "Confirm start  (group)"
  ui::PictureBox QuestionSettings{Owner(), "QuestionSettings"};
  ui::ComboBox QuestionCombo{Owner(), "QuestionCombo"};  // groups 1..99
  ui::Button Command16{Owner(), "Command16"};  // name the group
  ui::Button AddButton{Owner(), "AddButton"};  // add a program as a new entry
  ui::Button Command6{Owner(), "Command6"};  // clear the program fields
  ui::Button RunCurrentBtn{Owner(), "RunCurrentBtn"};  // run the entry now
  ui::Button Command9{Owner(), "Command9"};  // save the entry
  // Adds and removes in a row (the import's "Add all") refresh the rows and the status view
  // together, shortly after, not after each one: at most 25 refreshes a second.
  ui::Timer ListRefresh{Owner(), "ListRefresh", 40, false};

 private:
  void RequestListRefresh(int n);
  void Layout();  // Frame2Layout.cpp
  void Wire();
  void MarkDirty();
  storage::EntryFields Fields() const;
  void ApplyDelayRule();          // the number rule of the delay field
  void ShowDefaultMark();         // IsDefaultLabel beside a delay that is the default
  void ShowDisabledState();       // DisabledSettings and EnabDisabLabel from ProgrEnabledCheck
  void ShowGroupState();          // QuestionCombo, Command16, QuestionSettings from QuestionCeck
  void SyncSortRow(int n);        // the sort list's row follows the shown entry
  void AfterEntryShown(int n);    // up / down buttons for entry n
  void ApplyPaste();              // Text7's command line into the fields (Frame2List.cpp)
  void LoadEditorIcon(const std::string& sourcePath);  // Frame2Icons.cpp
  void FollowProgramFields();
  bool SaveEditorIcon(int n);
  void ProgramIcon_Click();
  void AddIcon_Btn_Click();
  std::string GroupFailedPath() const;

  EditorHost& host_;
  platform::Dialogs& dialogs_;
  platform::FileSystem& fs_;
  platform::Icons& icons_;
  std::optional<storage::IconStore> store_;
  storage::ProgramIconList iconList_;
  storage::EntryIcon shownIcon_;  // the icon of the shown entry as ProgramIcon shows it
  std::string iconSource_;        // folder + program the shown icon was loaded for
  int iconSize_ = 32;
  int loading_ = 0;        // fields set from code: no change counts as the user's
  bool syncingSort_ = false;  // the editor selects the sort list's row itself
  int refreshEntry_ = 0;      // the entry the pending list refresh selects
};

}  // namespace sequora::forms
