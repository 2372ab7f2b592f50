// The main window's side of the import window: opening it with the run's timers held, and the
// program list the import adds to and the restore removes from (through the entry editor).
#include "forms/main/Form1.h"
#include "storage/EntryEdit.h"

namespace sequora::forms {

void Form1::Command14_Click() {
  if (importForm.Loaded()) return;
  // An import shows its new entry in the editor: what was typed there is offered for saving now,
  // not in a question behind the import window.
  if (!editor.OfferToSave()) return;
  // Nothing starts while the user decides what Windows keeps.
  heldCountdown_ = Timer1.Enabled();
  heldWait_ = Timer2.Enabled();
  importHoldsTimers_ = true;
  Timer1.SetEnabled(false);
  Timer2.SetEnabled(false);
  importForm.ShowModal();
}

void Form1::ImportWindowClosed() {
  if (!importHoldsTimers_) return;
  importHoldsTimers_ = false;
  Timer1.SetEnabled(heldCountdown_);
  Timer2.SetEnabled(heldWait_);
}

autostart::ProgramListEditor::AddResult Form1::AddProgram(const autostart::AutostartItem& item,
                                                          int startPosition) {
  // A program that is listed already is not added a second time (it would start twice); the
  // import window says itself when the list is full.
  const storage::AddAnyway never = [](const std::string&, int) { return false; };
  const storage::AddOutcome outcome =
      item.kind == autostart::AutostartKind::RegistryValue
          ? editor.AddNewProgram(item.command, item.location, startPosition, never, false,
                                 item.disabledInWindows)
          : editor.AddNewAutostartProgram(item.command, item.location, startPosition, never, false,
                                          item.disabledInWindows);
  if (outcome.result == storage::AddResult::Added) return AddResult::Added;
  if (outcome.result != storage::AddResult::AlreadyListed) return AddResult::Refused;
  // Listed, but switched off in the list: taken out of Windows it would start nowhere.
  const storage::ProgramEntry* listed = startupList.At(outcome.entry);
  if (!item.disabledInWindows && listed && listed->Disabled != 0) return AddResult::SwitchedOff;
  return AddResult::AlreadyListed;
}

void Form1::RemoveProgram(const std::string& commandLine) { editor.RemoveProgramFromList(commandLine); }

bool Form1::ProgramListFull() { return storage::FindFreeSlot(startupList.ProgramList, 1) == 0; }

}  // namespace sequora::forms
