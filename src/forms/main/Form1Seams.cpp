// Calls from the main window into parts of Sequora that are not built yet. Each body stands in
// until the work named beside it replaces it (and moves it to that work's own file).
#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::PrepareEditor() {}            // entry editor and program icons
void Form1::SetupIconList() {}            // program icons
void Form1::Command7_Click() {}           // entry editor
void Form1::Command14_Click() {}          // import window
void Form1::RefreshGroupList() {}         // confirmation groups
void Form1::ShowEntryInEditor(int) {}     // entry editor
Picture Form1::ProgramIconList(int) { return Picture::Named("program"); }  // program icons
// Entry editor (SetNewIndex). Until it exists the row only shows the selection, as the editor's
// ShowEntryInEditor will.
void Form1::SelectEntryInEditor(int entry) { HighlightListRow(entry - 1); }
void Form1::ShowGroupSetup(int) {}        // confirmation groups
// Program icons: until they exist every entry shows the placeholder and has no icon file.
void Form1::LoadProgrIcon(int, ui::PictureBox& target) { target.SetPicture(Picture::Named("program")); }
std::string Form1::IsIconAvailable(int n) { return paths_.IconsDir + "Icon" + std::to_string(n) + ".bmp"; }

}  // namespace sequora::forms
