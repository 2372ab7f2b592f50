// The startup list status view: FillText1Text rebuilds, from the settings file, the status text
// Text1, the hidden sort list, the rows of the list control and RunPaths; and the calls of the
// row list control that are not the editor's.
#include <string>
#include <vector>

#include "base/StringOps.h"
#include "run/Form1.h"
#include "platform/FilePaths.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

namespace sequora::run {

namespace {
constexpr const char* kCrLf = "\r\n";
constexpr std::size_t kDashes = 188;
}  // namespace

void Form1::FillText1Text(int& first) {
  if (first < 0) first = CurrentEntry;
  // One look at the processes and windows for the reload and every line below.
  ProcessScan scan(platform_.processes);
  ReloadProgrammListeObj(scan);

  FillExtendedList(OnlyActiveCheck.Value() == 1 && first >= 1 ? first : 0, scan);
  if (first >= 1 && ListRowOfEntry(first - 1) >= 0) HighlightListRow(first - 1);

  left = 0;
  disabled = 0;
  std::vector<std::string> sortLines;
  std::string lines;
  if (first < 102) {
    sortLines.reserve(storage::ProgramList::kLast);
    lines.reserve(16 * 1024);
    const bool detectRunning = RunningPrgr.Value() == 1;
    for (int n = storage::ProgramList::kFirst; n <= storage::ProgramList::kLast; ++n) {
      storage::ProgramEntry& entry = *ProgramList.At(n);
      RunPathRow& row = RunPaths[static_cast<size_t>(n)];
      if (entry.Dir.empty()) {
        // Cleared, not kept: an entry that lost its folder (edited, or moved in the list) must not
        // start the program that stood there before.
        row = RunPathRow{};
        sortLines.emplace_back();
        continue;
      }
      row = RunPathRow{AddPathSeparator(entry.Dir), entry.Program, entry.Param};
      const std::string line = row[0] + row[1] + " " + row[2];
      const std::string number = std::to_string(n);
      const bool shown = n >= first;
      if ((entry.Disabled < 1 && !entry.Skip) || entry.ConfirmState == 1) {
        sortLines.push_back(line);
        if (!shown) continue;
        if (detectRunning && !Trim(row[0]).empty() && FindProgramWindow(scan, row[0] + row[1]) >= 2) {
          entry.IsRunning = true;
          lines += "<-> (already running) " + number + ": " + line;
          ++disabled;
        } else if (entry.ConfirmState != 1 && entry.ConfirmState != 3) {
          lines += number + ": " + line;
          ++left;
        } else if (entry.Disabled != 1) {
          lines += number + ": " + line + " <--  <Confirmed!>";
          ++left;
        } else {  // a disabled entry of a group confirmed with "&Run all"
          lines += "<+> " + number + ": " + line + " <--  <Confirmed!>";
          ++left;
        }
        lines += kCrLf;
      } else {
        std::string marked = "<->  -->" + line + (entry.Skip ? " <--  <Confirmed!>" : " <--  <disabled>");
        if (shown) {
          lines += marked + kCrLf;
          ++disabled;
        }
        sortLines.push_back(std::move(marked));
      }
    }
  }
  SortierList.SetItems(std::move(sortLines));
  Text1.SetText("Startup list   (" + std::to_string(left) + " left / " + std::to_string(disabled) + " disabled):" +
                kCrLf + std::string(kDashes, '-') + kCrLf + lines);
}

void Form1::e_ListBox_SetTextDisabled(int controlEntry, bool grey) {
  if (controlEntry < 0 || ListRowOfEntry(controlEntry) < 0) return;
  if (ui::TextBox* text = ListRowText1(controlEntry)) text->SetForeColor(grey ? ui::kGrey : ui::kBlack);
}

// The disabled picture of a row: switches the entry on or off.
void Form1::E_ListBox_Picture2_Click(int row) {
  const int n = row + 1;
  storage::ProgramEntry* entry = row >= 0 ? ProgramList.At(n) : nullptr;
  if (!entry) return;
  if (RunningPrgr.Value() == 1 && entry->IsRunning) {
    platform_.dialogs.MsgBox("Program is already running!", "Already started!", platform::msgbox::kInformation);
    return;
  }
  entry->Disabled = entry->Disabled == 1 ? 0 : 1;
  entry->ConfirmState = 0;
  // Stored at once: every rebuild of the status view re-reads the list from the file, which would
  // otherwise undo the click within a second.
  storage::Ini(platform_.fileSystem)
      .WriteIni(storage::section::kProgramList, storage::key::ProgramDisabled(n), std::to_string(entry->Disabled),
                IniPath, true);
  AddToExtendedList(n, true);
  if (OnlyActiveCheck.Value() == 1) FillExtendedList(n);
}

// The group picture of a row: the group set-up, for an entry that has a group.
void Form1::E_ListBox_Picture3_Click(int row) {
  const storage::ProgramEntry* entry = row >= 0 ? ProgramList.At(row + 1) : nullptr;
  if (entry && entry->ConfirmMessageBoxNr > 0) ShowGroupSetup(row + 1);
}

// The icon and the two texts of a row select the entry in the editor.
void Form1::E_ListBox_Picture1_Click(int row) {
  if (row >= 0) SelectEntryInEditor(row + 1);
}
void Form1::E_ListBox_Text1_GotFocus(int row, const std::string&) {
  if (row >= 0) SelectEntryInEditor(row + 1);
}
void Form1::E_ListBox_Text2_GotFocus(int row, const std::string&) {
  if (row >= 0) SelectEntryInEditor(row + 1);
}

// Columns the main window hides, and focus leaving a row: nothing to do.
void Form1::E_ListBox_Button2_Click(int) {}
void Form1::E_ListBox_Check1_Click(int, int) {}
void Form1::E_ListBox_Check2_Click(int, int) {}
void Form1::E_ListBox_Text1_LostFocus(int, const std::string&) {}
void Form1::E_ListBox_Text2_LostFocus(int, const std::string&) {}

}  // namespace sequora::run
