#include "forms/main/ProgramListColumns.h"

namespace sequora::forms {

void SetProgramListColumns(controls::ListBoxExtended& list) {
  list.SetPositions(5, 4, -1, -1, 7, -1, 2, 3, 6, 1);
  list.SetPicturePosSize(1, 70, -20, 490, 490);
  list.SetPicturePosSize(2, 100, 150, 300, 380);
  list.SetPicturePosSize(3, 10, 130, 480, 580);
  list.SetTextBoxPosSize(1, 5970, 0);
  list.SetTextBoxPosSize(2, 800, 0);
}

}  // namespace sequora::forms
