// Calls from the main window into parts of Sequora that are not built yet. Each body is one line
// that the work named beside it replaces (and moves to that work's own file).
#include "run/Form1.h"

namespace sequora::run {

void Form1::PrepareEditor() {}      // entry editor and program icons
void Form1::SetUpdateLink() {}      // About box and online update
void Form1::SetupIconList() {}      // program icons
void Form1::OpenSettingsPanel() {}  // main settings panel (Command11)
void Form1::Command7_Click() {}                        // entry editor
void Form1::Command14_Click() {}                       // import window
void Form1::RefreshGroupList() {}                      // confirmation groups
void Form1::CloseFrameBtn_Click() {}                   // entry editor
void Form1::CheckWindowsAutostart(const std::string&, bool, bool& found) { found = false; }  // autorun duplicates
void Form1::UnloadImportForm() {}                      // import window
void Form1::FillExtendedList(int) {}                   // entry editor: list fill
void Form1::AddToExtendedList(int, bool) {}            // entry editor: one row
int Form1::ListRowOfEntry(int) { return -1; }          // row list control in the main window
void Form1::HighlightListRow(int) {}                   // row list control in the main window
ui::TextBox* Form1::ListRowText1(int) { return nullptr; }  // row list control in the main window
void Form1::SelectEntryInEditor(int) {}                // entry editor (SetNewIndex)
void Form1::ShowGroupSetup(int) {}                     // confirmation groups
// Program icons: until they exist every entry shows the placeholder and has no icon file.
void Form1::LoadProgrIcon(int, ui::PictureBox& target, const std::string&) {
  target.SetPicture(ui::Picture::Named("program"));
}
std::string Form1::IsIconAvailable(int n) { return IconsDir + "Icon" + std::to_string(n) + ".bmp"; }

}  // namespace sequora::run
