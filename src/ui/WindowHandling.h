#pragma once
// Module WindowHandling: lets the user move a window by pressing the mouse anywhere on it, as if
// on its title bar. Call it from the mouse-button-down events of the window's surface and of the
// controls that should act as its title bar.
#include "ui/Form.h"

namespace sequora::ui {

// `button` is the button that went down (1 left, 2 right); only the left button moves the window,
// as it does on a title bar. Returns when the user has released the button.
void StartWindowDrag(Form& window, int button);

}  // namespace sequora::ui
