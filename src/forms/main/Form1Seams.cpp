// Calls from the main window into parts of Sequora that are not built yet. Each body stands in
// until the work named beside it replaces it (and moves it to that work's own file).
#include "forms/main/Form1.h"

namespace sequora::forms {

void Form1::SetUpdateLink() {}            // About box and online update
void Form1::OpenSettingsPanel() {}        // main settings panel (Command11)

}  // namespace sequora::forms
