#pragma once
// Where the main window puts the elements of a program-list row: the order of the columns and the
// sizes of the pictures and text boxes. The list fill applies it before every refill.
#include "controls/ListBoxExtended.h"

namespace sequora::forms {

void SetProgramListColumns(controls::ListBoxExtended& list);

}  // namespace sequora::forms
