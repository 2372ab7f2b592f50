#include "ui/WindowHandling.h"

namespace sequora::ui {

void StartWindowDrag(Form& window, int button) {
  // A right button would start the system's move loop with no button held, which then follows
  // the mouse until a click: not what the user asked for.
  if (button != 1 || !window.Loaded()) return;
  window.BeginDrag();
}

}  // namespace sequora::ui
