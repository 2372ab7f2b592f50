#pragma once
// What the entry editor needs from the window that hosts it: the program list it edits, where the
// settings file is, and the views that follow a change (the rows, the hidden sort list, the status
// view, the countdown label).
#include <cstdint>
#include <string>

#include "storage/ProgramList.h"

namespace sequora::forms {

class EditorHost {
 public:
  virtual ~EditorHost() = default;

  // The in-memory table the run and the rows use, and how to reach the settings file.
  virtual storage::ProgramList& EditedList() = 0;
  virtual storage::ProgramListContext EditedListContext() = 0;
  virtual std::int16_t DefaultDelay() = 0;

  // The settings panel holds the place on the right: the editor stays hidden.
  virtual bool SettingsPanelOpen() = 0;
  // The editor became visible: the list narrows beside it and the close button shows.
  virtual void EditorShown() = 0;
  // Select and highlight entry n's row of the program list (nothing when it has no row).
  virtual void HighlightEntry(int n) = 0;
  // The hidden sort list: its selected row (-1 when none), and selecting one.
  virtual int SortRow() = 0;
  virtual void SelectSortRow(int row) = 0;
  // Entry n was saved (its row, the status view); `announce` shows "N saved" in the big label.
  virtual void EntrySaved(int n, bool announce) = 0;
  // Entries changed places or were added or removed: the rows and the status view again, with
  // entry n selected when the editor shows it.
  virtual void EntriesChanged(int n) = 0;
  // A change the user made could not be written to `path`: says so, once.
  virtual void ShowSaveFailed(const std::string& path) = 0;
  // Opens the group confirmation window for a group, as a test.
  virtual void RunConfirmCombo(int group) = 0;
};

}  // namespace sequora::forms
