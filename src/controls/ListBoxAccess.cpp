// The row list control: the host's access to single elements of a row, tool tips and colours.
#include "controls/ListBoxExtended.h"

namespace sequora::controls {

namespace {
// Index-check identifiers: they tell in the index error message which operation asked.
enum ControlId {
  kSetText = 4,  // also SetButton1Picture
  kSetPicture2 = 5,
  kSetPicture3 = 6,
  kSetPicture1 = 7,
  kGetPicture1 = 8,
  kGetPicture2 = 9,
  kGetPicture3 = 10,
  kGetText1 = 11,
  kGetText2 = 12,
  kGetCheck1 = 13,
  kGetCheck2 = 14,
  kPictureToolTip1 = 20,  // 21, 22 for pictures 2 and 3
  kTextToolTip1 = 25,     // 26
  kCheckToolTip1 = 27,    // 28
  kButtonToolTip1 = 29,   // 30
  kControlText1 = 31,     // 32
  kControlPicture1 = 33,  // 34, 35
  kControlCheck1 = 36,    // 37
  kControlButton1 = 38,   // 39
  kGetLabel1 = 50,
};
}  // namespace

std::optional<int> ListBoxExtended::ResolveRow(int Nr) {
  if (Nr < 0) return selectedRow_;
  return FindRow(Nr);
}

ListBoxRow* ListBoxExtended::CheckedRow(int Nr, int controlId) {
  const std::optional<int> row = ResolveRow(Nr);
  if (!row || !INDEX_OK(*row, *row, controlId) || *row >= InstanceCount()) return nullptr;
  return &Row(*row);
}

ListBoxRow* ListBoxExtended::CheckedObjectRow(int objectNr, int Index, int controlId) {
  const std::optional<int> row = FindRow(Index);
  if (!row || !INDEX_OK(*row, objectNr, controlId) || *row >= InstanceCount()) return nullptr;
  return &Row(*row);
}

// --- Setters and getters of one row ---

void ListBoxExtended::SetButton1Picture(const Picture& Picture, int ExternalIndex) {
  if (ListBoxRow* row = CheckedRow(ExternalIndex, kSetText)) row->Command1.SetPicture(Picture);
}

void ListBoxExtended::SetText1(const std::string& NewText, int ExternalIndex) {
  if (ListBoxRow* row = CheckedRow(ExternalIndex, kSetText)) row->Text1.SetText(NewText);
}

void ListBoxExtended::SetText2(const std::string& NewText, int Nr) {
  if (ListBoxRow* row = CheckedRow(Nr, kSetText)) row->Text2.SetText(NewText);
}

void ListBoxExtended::SetPicture1(const Picture& NewPicture, int Nr) {
  if (ListBoxRow* row = CheckedRow(Nr, kSetPicture1)) row->Picture1.SetPicture(NewPicture);
}

void ListBoxExtended::SetPicture2(const Picture& NewPicture, int Nr) {
  if (ListBoxRow* row = CheckedRow(Nr, kSetPicture2)) row->Picture2.SetPicture(NewPicture);
}

void ListBoxExtended::SetPicture3(const Picture& NewPicture, int Nr) {
  if (ListBoxRow* row = CheckedRow(Nr, kSetPicture3)) row->Picture3.SetPicture(NewPicture);
}

Picture ListBoxExtended::GetPicture1(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetPicture1);
  return row ? row->Picture1.Picture() : Picture{};
}

Picture ListBoxExtended::GetPicture2(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetPicture2);
  return row ? row->Picture2.Picture() : Picture{};
}

Picture ListBoxExtended::GetPicture3(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetPicture3);
  return row ? row->Picture3.Picture() : Picture{};
}

std::string ListBoxExtended::GetLabel1(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetLabel1);
  return row ? row->Label1.Caption() : std::string{};
}

std::string ListBoxExtended::GetText1(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetText1);
  return row ? row->Text1.Text() : std::string{};
}

std::string ListBoxExtended::GetText2(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetText2);
  return row ? row->Text2.Text() : std::string{};
}

int ListBoxExtended::GetCheck1(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetCheck1);
  return row ? row->Check1.Value() : 0;
}

int ListBoxExtended::GetCheck2(int Nr) {
  const ListBoxRow* row = CheckedRow(Nr, kGetCheck2);
  return row ? row->Check2.Value() : 0;
}

// --- Tool tips ---

void ListBoxExtended::PictureToolTip(int ObjectNr, int Index, const std::string& Text) {
  if (!FindRow(Index)) return;
  if (ObjectNr < 1 || ObjectNr > 3) {
    ShowMessage("error wrong picture ObjectNr");
    return;
  }
  ListBoxRow* row = CheckedObjectRow(ObjectNr, Index, kPictureToolTip1 + ObjectNr - 1);
  if (!row) return;
  ui::PictureBox& picture = ObjectNr == 1 ? row->Picture1 : ObjectNr == 2 ? row->Picture2 : row->Picture3;
  picture.SetToolTipText(Text);
}

void ListBoxExtended::TextToolTip(int ObjectNr, int Index, const std::string& Text) {
  if (ObjectNr != 1 && ObjectNr != 2) return;
  if (ListBoxRow* row = CheckedObjectRow(ObjectNr, Index, kTextToolTip1 + ObjectNr - 1))
    (ObjectNr == 1 ? row->Text1 : row->Text2).SetToolTipText(Text);
}

void ListBoxExtended::CheckToolTip(int ObjectNr, int Index, const std::string& Text) {
  if (ObjectNr != 1 && ObjectNr != 2) return;
  if (ListBoxRow* row = CheckedObjectRow(ObjectNr, Index, kCheckToolTip1 + ObjectNr - 1))
    (ObjectNr == 1 ? row->Check1 : row->Check2).SetToolTipText(Text);
}

void ListBoxExtended::ButtonToolTip(int ObjectNr, int Index, const std::string& Text) {
  if (ObjectNr != 1 && ObjectNr != 2) return;
  if (ListBoxRow* row = CheckedObjectRow(ObjectNr, Index, kButtonToolTip1 + ObjectNr - 1))
    (ObjectNr == 1 ? row->Command1 : row->Command2).SetToolTipText(Text);
}

// --- The elements themselves ---

ui::TextBox* ListBoxExtended::Get_ControlText(int ObjectNr, int Index_Extern) {
  if (ObjectNr != 1 && ObjectNr != 2) return nullptr;
  ListBoxRow* row = CheckedObjectRow(ObjectNr, Index_Extern, kControlText1 + ObjectNr - 1);
  if (!row) return nullptr;
  return ObjectNr == 1 ? &row->Text1 : &row->Text2;
}

ui::PictureBox* ListBoxExtended::Get_ControlPicture(int ObjectNr, int Index) {
  if (ObjectNr < 1 || ObjectNr > 3) return nullptr;
  ListBoxRow* row = CheckedObjectRow(ObjectNr, Index, kControlPicture1 + ObjectNr - 1);
  if (!row) return nullptr;
  return ObjectNr == 1 ? &row->Picture1 : ObjectNr == 2 ? &row->Picture2 : &row->Picture3;
}

ui::CheckBox* ListBoxExtended::Get_ControlCheck(int ObjectNr, int Index) {
  if (ObjectNr != 1 && ObjectNr != 2) return nullptr;
  ListBoxRow* row = CheckedObjectRow(ObjectNr, Index, kControlCheck1 + ObjectNr - 1);
  if (!row) return nullptr;
  return ObjectNr == 1 ? &row->Check1 : &row->Check2;
}

ui::Button* ListBoxExtended::Get_ControlButton(int ObjectNr, int Index) {
  if (ObjectNr != 1 && ObjectNr != 2) return nullptr;
  ListBoxRow* row = CheckedObjectRow(ObjectNr, Index, kControlButton1 + ObjectNr - 1);
  if (!row) return nullptr;
  return ObjectNr == 1 ? &row->Command1 : &row->Command2;
}

// --- Colours and window drag ---

void ListBoxExtended::Set__BackColor(ui::Colour Color) {
  backColour_ = Color;
  Frame1.SetBackColor(Color);
  Selected_Background.SetBackColor(Color);
  for (auto& row : rows_)
    for (int k = 0; k < kRowElementCount; ++k) row->Element(static_cast<RowElement>(k)).SetBackColor(Color);
}

void ListBoxExtended::SendMouseMoveToForm(ui::Form& TargetForm, int, int, int, int) {
  if (StartWindowDrag) StartWindowDrag(TargetForm);
}

}  // namespace sequora::controls
