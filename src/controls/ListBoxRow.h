#pragma once
// One row of the row list control: the ten elements that stand side by side in it. Row r holds
// instance r of each element family (Text1(r), Command1(r), ...). The elements are ui models on the
// row's own surface, a ui::Form that is never shown (never the host's form, so no window is made
// for them); the control's Win32 part draws them. A surface per row keeps creating and destroying
// rows cheap however long the list is.
#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"

namespace sequora::controls {

// The ten element kinds of a row, in the order of SetPositions' arguments.
enum class RowElement { Text1, Text2, Check1, Check2, Command1, Command2, Picture1, Picture2, Picture3, Label1 };
inline constexpr int kRowElementCount = 10;

struct ListBoxRow {
  // Row 0 (design == nullptr) takes the design geometry; a later row starts as a copy of row 0's
  // sizes, borders and fonts, hidden, as a new instance of an element family does.
  ListBoxRow(int row, const ListBoxRow* design);

 private:
  ui::Form surface_;  // declared before the elements, which register on it

 public:
  ui::TextBox Text1;
  ui::TextBox Text2;
  ui::CheckBox Check1;
  ui::CheckBox Check2;
  ui::Button Command1;
  ui::Button Command2;
  ui::PictureBox Picture1;
  ui::PictureBox Picture2;
  ui::PictureBox Picture3;
  ui::Label Label1;

  // Set by the vertical layout: the row stands in the view (its elements are placed for it).
  bool InView = false;

  ui::Control& Element(RowElement kind);
  const ui::Control& Element(RowElement kind) const;
  void HideAll();
};

}  // namespace sequora::controls
