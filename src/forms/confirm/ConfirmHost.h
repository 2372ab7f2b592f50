#pragma once
// What the group confirmation window needs from the window that opens it: the answers go there,
// the seconds it mirrors come from there, and a click on them pauses the run there.
#include <string>

#include "ui/Colour.h"
#include "storage/ProgramList.h"
#include "ui/Controls.h"

namespace sequora::forms {

class ConfirmHost {
 public:
  virtual ~ConfirmHost() = default;

  // Every entry of the group takes the answer; the status view shows it.
  virtual void SetConfirmStatus(int group, storage::ConfirmState state) = 0;
  // Opens the window for the next group not yet asked (from the run's current entry on); false
  // when there is none.
  virtual bool ShowNextConfirmDialog() = 0;
  // Whether the window counts as shown.
  virtual void SetConfirmMessageVisible(bool visible) = 0;

  // The group's display text in the group selector (its name, or its number).
  virtual std::string GroupText(int group) = 0;
  // The icon of entry n into `target`.
  virtual void LoadProgrIcon(int n, ui::PictureBox& target) = 0;

  // The seconds as the main window shows them (text and colour), and pausing or resuming the run.
  virtual std::string SecondsText() = 0;
  virtual ui::Colour SecondsColour() = 0;
  virtual void PAUSE_SWITCH() = 0;
};

}  // namespace sequora::forms
