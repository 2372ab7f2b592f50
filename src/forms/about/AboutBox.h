#pragma once
// The About box: the product line and version in an information box. The run's two timers are
// held while it is open, so the countdown does not go on behind it, and are put back as they were.
#include <string>

#include "platform/Dialogs.h"
#include "ui/Timer.h"

namespace sequora::forms {

// The box's text: "Tessarin  -  Vers.: <version>", then the notice lines.
std::string AboutText(const std::string& version);

void ShowAboutBox(platform::Dialogs& dialogs, ui::Timer& countdown, ui::Timer& wait, const std::string& version);

}  // namespace sequora::forms
