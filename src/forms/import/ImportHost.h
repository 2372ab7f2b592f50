#pragma once
// What the import window asks of the window that opens it (the main window): the program list to
// add imported programs to and remove restored ones from, whether that list is full, and the
// news that the import window closed (the run waits while it is open).
#include "autostart/AutostartImport.h"

namespace sequora::forms {

class ImportHost : public autostart::ProgramListEditor {
 public:
  // No free slot for another program.
  virtual bool ProgramListFull() = 0;
  // The import window was unloaded.
  virtual void ImportWindowClosed() = 0;
};

}  // namespace sequora::forms
