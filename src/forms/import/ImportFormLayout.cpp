// The look of the import window (twips, client area 12250 x 7740).
//
//   +- Import Windows startup Programs --------------------------------------------------+
//   | [pic]                                        [x] Current User   [ ] All Users       |
//   | Windows autorun (Registry)                                                          |
//   | +- List2: command lines ------------------------------+ +- List1: paths --------+   |
//   | +-----------------------------------------------------+ +-----------------------+   |
//   | Program info                                                                         |
//   | Doubleclick = Remove   Startposition in Programlist (opt.): [1]  [Add >] [Add all >>] |
//   | Windows Autorun (Directory):                                                         |
//   | +- List4 ---------------------------------------------+ +- List3 ---------------+   |
//   | ...                                                                                  |
//   | [Restore Settings <<]                                           [Reload]  [Close]    |
//   +--------------------------------------------------------------------------------------+
//
// In restore mode the heading "Restore the original Windows Startup Settings" stands in the
// place of the check boxes, and the restore buttons in the place of the add buttons.
#include "autostart/ImportTexts.h"
#include "forms/import/ImportForm.h"

namespace sequora::forms {

namespace {

namespace text = autostart::text;

constexpr int kMargin = 120;
constexpr int kListTop[2] = {1020, 4260};  // registry, folders
constexpr int kListHeight = 1800;

void Place(ui::Control& c, int left, int top, int width, int height) { c.Move(left, top, width, height); }

void ActionButton(ui::Button& b, const char* caption, const char* picture, const char* tip) {
  b.SetCaption(caption);
  b.SetPicture(Picture::Named(picture));
  b.SetToolTipText(tip);
}

}  // namespace

std::string ImportForm::WithAltKey(const std::string& caption, char letter) {
  const size_t at = caption.find(letter);
  return at == std::string::npos ? caption : caption.substr(0, at) + "&" + caption.substr(at);
}

void ImportForm::Layout() {
  SetCaption(text::kWindowTitle);
  SetBorder(ui::BorderStyle::FixedDialog);
  Move(-1, -1, 12490, 8340);

  Place(Picture1, kMargin, 120, 480, 480);
  Picture1.SetPicture(Picture::Named("import"));
  Place(RestoreUeberschrift, 4800, 240, 7330, 300);
  RestoreUeberschrift.SetCaption(text::kRestoreHeading);
  RestoreUeberschrift.SetFont(10, true);
  RestoreUeberschrift.SetForeColor(ui::kDarkRed);
  RestoreUeberschrift.SetAlignment(ui::Align::Right);
  Place(CurUserCheck, 8400, 240, 1700, 285);
  CurUserCheck.SetCaption(WithAltKey(text::kCurrentUser, 'U'));
  CurUserCheck.SetToolTipText("Look in the current user's Run keys and Startup folder");
  Place(AllUsrCheck, 10300, 240, 1830, 285);
  AllUsrCheck.SetCaption(WithAltKey(text::kAllUsers, 'A'));
  AllUsrCheck.SetToolTipText("Look in the Run keys and the Startup folder of all users too");

  struct Section {
    ui::Label& heading;
    ui::ListBox& left;
    ui::ListBox& right;
    ui::Label& info;
    ui::Label& hint;
    ui::Label& startLabel;
    ui::TextBox& startBox;
    ui::Button& addThis;
    ui::Button& addAll;
    ui::Button& restoreThis;
    ui::Button& restoreAll;
    std::string headingText;
    char startKey;  // the Alt key of the start position box
  };
  const Section sections[2] = {
      {Label3, List2, List1, Label1, DoubcLayer, Label5, StartPosReg, AddThisRegBtn, AddBtn,
       RestoreThisRegBtn, RegistryRestoreBtn, WithAltKey(text::kRegistryHeading, 'g'), 'p'},
      {Label2, List4, List3, Label4, Label7, Label6, StartPosDir, AddThisAutostartBtn, AddAutostartBtn,
       RestoreThisAutostartBtn, AutoRunRestoreBtn, WithAltKey(text::kFolderHeading, 'D'), 'l'},
  };
  for (int i = 0; i < 2; ++i) {
    const Section& s = sections[i];
    const int top = kListTop[i];
    Place(s.heading, kMargin, top - 300, 6000, 285);
    s.heading.SetCaption(s.headingText);
    s.heading.SetUseMnemonic(true);  // its Alt key moves to the list below it
    s.heading.SetFont(0, true);
    Place(s.left, kMargin, top, kWideList, kListHeight);
    Place(s.right, kMargin + kWideList + kListGap, top, kNarrowList, kListHeight);
    s.left.SetToolTipText(i == 0 ? "What the value starts" : "What the shortcut starts");
    s.right.SetToolTipText(i == 0 ? "Where the value is in the registry" : "Where the shortcut file is");
    Place(s.info, kMargin, top + kListHeight + 60, 12010, 480);
    s.info.SetCaption(text::kProgramInfo);
    Place(s.hint, kMargin, top + kListHeight + 600, 2400, 285);
    s.hint.SetCaption(text::kDoubleClickHint);
    s.hint.SetForeColor(ui::kGrey);
    Place(s.startLabel, 2600, top + kListHeight + 600, 4560, 285);
    s.startLabel.SetCaption(WithAltKey(text::kStartPosition, s.startKey));
    s.startLabel.SetUseMnemonic(true);
    s.startLabel.SetAlignment(ui::Align::Right);
    Place(s.startBox, 7260, top + kListHeight + 560, 600, 315);
    s.startBox.SetText("1");
    s.startBox.SetAlignment(ui::Align::Right);
    s.startBox.SetBackColor(ui::kLightGrey);
    s.startBox.SetToolTipText("The first entry number the imported programs may take");
    const int buttonTop = top + kListHeight + 500;
    Place(s.addThis, 8630, buttonTop, 1500, 420);
    Place(s.restoreThis, 8630, buttonTop, 1500, 420);
    Place(s.addAll, 10230, buttonTop, 1900, 420);  // room for "Restore All >>" beside its picture
    Place(s.restoreAll, 10230, buttonTop, 1900, 420);
    ActionButton(s.addThis, text::kAddOne, "add",
                 "Add the selected program to the program list and take it out of the Windows autostart");
    ActionButton(s.addAll, text::kAddAll, "import",
                 "Add every listed program to the program list and take them out of the Windows autostart");
    ActionButton(s.restoreThis, text::kRestoreOne, "restore", "Put the selected item back into Windows");
    ActionButton(s.restoreAll, text::kRestoreAll, "restore", "Put every listed item back into Windows");
  }

  Place(RestoreBtn, kMargin, 7200, 2800, 420);
  RestoreBtn.SetPicture(Picture::Named("restore"));
  RestoreBtn.SetToolTipText("Switch between importing and restoring what was taken out");
  Place(ReloadBtn, 9255, 7200, 1380, 420);
  ReloadBtn.SetCaption("&Reload");
  ReloadBtn.SetToolTipText("Look again");
  Place(CancelBtn, 10750, 7200, 1380, 420);
  CancelBtn.SetCaption(WithAltKey(text::kClose, 'C'));
  CancelBtn.SetCancel(true);  // Esc
}

}  // namespace sequora::forms
