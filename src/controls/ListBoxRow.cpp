#include "controls/ListBoxRow.h"

namespace sequora::controls {

namespace {

std::string Instance(const char* family, int row) { return std::string(family) + "(" + std::to_string(row) + ")"; }

// Appearance only: contents (texts, captions, pictures, tool tips, values) are filled by the list.
void CopyLook(ui::Control& to, const ui::Control& from) {
  to.Move(from.Left(), from.Top(), from.Width(), from.Height());
  to.SetFont(from.FontSize(), from.FontBold());
  to.SetForeColor(from.ForeColor());
}

void CopyLook(ui::TextBox& to, const ui::TextBox& from) {
  CopyLook(static_cast<ui::Control&>(to), from);
  to.SetBorder(from.Border());
  to.SetLocked(from.Locked());
  to.SetAlignment(from.Alignment());
}

void CopyLook(ui::PictureBox& to, const ui::PictureBox& from) {
  CopyLook(static_cast<ui::Control&>(to), from);
  to.SetBorder(from.Border());
}

void CopyLook(ui::Label& to, const ui::Label& from) {
  CopyLook(static_cast<ui::Control&>(to), from);
  to.SetAlignment(from.Alignment());
}

}  // namespace

ListBoxRow::ListBoxRow(int row, const ListBoxRow* design)
    : surface_(Instance("ListBoxRow", row)),
      Text1(surface_, Instance("Text1", row)),
      Text2(surface_, Instance("Text2", row)),
      Check1(surface_, Instance("Check1", row)),
      Check2(surface_, Instance("Check2", row)),
      Command1(surface_, Instance("Command1", row)),
      Command2(surface_, Instance("Command2", row)),
      Picture1(surface_, Instance("Picture1", row)),
      Picture2(surface_, Instance("Picture2", row)),
      Picture3(surface_, Instance("Picture3", row)),
      Label1(surface_, Instance("Label1", row)) {
  for (int k = 0; k < kRowElementCount; ++k) Element(static_cast<RowElement>(k)).SetBackColor(ui::kWhite);
  Command1.SetBackColor(ui::kButtonFace);
  Command2.SetBackColor(ui::kButtonFace);

  if (!design) {
    // The design instance, in twips. The host's layout calls override the widths that matter.
    // The row texts are read-only: the list shows the entries, the editor beside it changes them.
    Text1.Move(0, 120, 400, 300);
    Text2.Move(0, 150, 200, 270);
    Text1.SetLocked(true);
    Text2.SetLocked(true);
    Check1.Move(0, 120, 1200, 255);
    Check2.Move(0, 0, 1200, 255);
    Command1.Move(0, 100, 495, 420);
    Command2.Move(0, 0, 1000, 360);
    Picture1.Move(0, 0, 480, 480);
    Picture2.Move(0, 0, 375, 375);
    Picture3.Move(0, 0, 375, 375);
    Label1.Move(0, 0, 450, 615);
    Label1.SetAlignment(ui::Align::Center);
    return;
  }
  CopyLook(Text1, design->Text1);
  CopyLook(Text2, design->Text2);
  CopyLook(Check1, design->Check1);
  CopyLook(Check2, design->Check2);
  CopyLook(Command1, design->Command1);
  CopyLook(Command2, design->Command2);
  CopyLook(Picture1, design->Picture1);
  CopyLook(Picture2, design->Picture2);
  CopyLook(Picture3, design->Picture3);
  CopyLook(Label1, design->Label1);
  HideAll();
}

ui::Control& ListBoxRow::Element(RowElement kind) {
  return const_cast<ui::Control&>(static_cast<const ListBoxRow&>(*this).Element(kind));
}

const ui::Control& ListBoxRow::Element(RowElement kind) const {
  switch (kind) {
    case RowElement::Text1: return Text1;
    case RowElement::Text2: return Text2;
    case RowElement::Check1: return Check1;
    case RowElement::Check2: return Check2;
    case RowElement::Command1: return Command1;
    case RowElement::Command2: return Command2;
    case RowElement::Picture1: return Picture1;
    case RowElement::Picture2: return Picture2;
    case RowElement::Picture3: return Picture3;
    case RowElement::Label1: break;
  }
  return Label1;
}

void ListBoxRow::HideAll() {
  for (int k = 0; k < kRowElementCount; ++k) Element(static_cast<RowElement>(k)).SetVisible(false);
  InView = false;
}

}  // namespace sequora::controls
