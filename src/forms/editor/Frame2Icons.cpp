// Program icons in the editor: the shown entry's icon, choosing its source, keeping it as the
// entry's bitmap, and the icon list the rows and the confirmation window draw from.
#include "base/StringOps.h"
#include "forms/editor/Frame2.h"

namespace sequora::forms {

void Frame2::SetIconsDir(const std::string& iconsDir) { store_.emplace(fs_, icons_, iconsDir); }

void Frame2::Initialize_Iconlist(int sizePx) {
  iconSize_ = sizePx > 0 ? sizePx : storage::IconStore::kFileSize;
  if (!store_) return;
  iconList_.Initialize(*store_, host_.EditedList(), iconSize_);
  // The editor's own picture at the new size too, unless the user chose one not yet kept.
  if (ShownEntry() > 0 && !shownIcon_.unsaved) LoadEditorIcon("");
}

Picture Frame2::ProgramIconList(int n) const {
  Picture icon = iconList_.At(n);
  const storage::ProgramEntry* entry = host_.EditedList().At(n);
  if (icon.Empty() && entry && n >= storage::ProgramList::kFirst && !(entry->Dir.empty() && entry->Program.empty()))
    icon = Picture::Named("program");
  return icon;
}

void Frame2::LoadProgrIcon(int n, ui::PictureBox& target) { target.SetPicture(ProgramIconList(n)); }

std::string Frame2::IsIconAvailable(int n) { return store_ ? store_->IsIconAvailable(n) : std::string(); }

void Frame2::LoadEditorIcon(const std::string& sourcePath) {
  const int n = ShownEntry();
  const storage::ProgramEntry* entry = n > 0 ? host_.EditedList().At(n) : nullptr;
  iconSource_ = Text5.Text() + Text6.Text();
  shownIcon_ = store_ && entry ? store_->LoadProgrIcon(n, *entry, sourcePath, iconSize_) : storage::EntryIcon{};
  ProgramIcon.SetPicture(shownIcon_.picture);
  AddIcon_Btn.SetVisible(shownIcon_.unsaved && !shownIcon_.picture.Empty());
}

// The icon follows what the folder and program fields name now: none for empty fields (a free
// slot keeps no bitmap), else that program's icon. Nothing changes when they name what it shows.
void Frame2::FollowProgramFields() {
  const std::string program = Text5.Text() + Text6.Text();
  if (program == iconSource_) return;
  if (!Trim(program).empty()) {
    LoadEditorIcon(program);
    return;
  }
  iconSource_ = program;
  shownIcon_ = storage::EntryIcon{};
  ProgramIcon.SetPicture(Picture());
  AddIcon_Btn.SetVisible(false);
}

// The shown icon becomes entry n's bitmap (an empty one removes it) and the row's picture.
bool Frame2::SaveEditorIcon(int n) {
  if (!store_) return true;
  if (!store_->Save_Picture(n, shownIcon_)) return false;
  shownIcon_.unsaved = false;
  shownIcon_.savedEntry = shownIcon_.file ? n : 0;
  iconList_.Set(n, shownIcon_.picture);
  AddIcon_Btn.SetVisible(false);
  return true;
}

void Frame2::ProgramIcon_Click() {
  if (ShownEntry() < 1) return;
  const std::string proposal = Text5.Text() + Text6.Text();
  const std::string answer = dialogs_.InputBox("Enter Icon-Path (Exe/Dll)", "Icon-Path", proposal);
  if (Trim(answer).empty() || answer == proposal) return;
  LoadEditorIcon(Trim(answer));
}

void Frame2::AddIcon_Btn_Click() {
  const int n = ShownEntry();
  if (n < 1) return;
  if (!SaveEditorIcon(n)) {
    if (store_) host_.ShowSaveFailed(store_->IconPath(n));
    return;
  }
  host_.EntrySaved(n, false);
}

}  // namespace sequora::forms
