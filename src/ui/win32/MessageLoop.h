#pragma once
// Start-up of the Win32 user interface and its message loops. The program has one loop
// (RunMessageLoop); a modal form runs the only nested one (RunModalLoop). Both let the form that
// a message is for handle its keys first (Form::OnKeyDown, then Tab/Enter/Esc and mnemonics
// through IsDialogMessage), and both sleep in GetMessage between messages.
#include <windows.h>

#include <functional>

namespace sequora::ui::win32 {

// Common controls (visual styles come from the manifest) and per-monitor DPI awareness for
// programs without the manifest. Call once before the first window.
void InitializeUi();

// Handles one message as both loops do.
void DispatchUiMessage(MSG& msg);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Runs until done() is true (checked after every message). Returns false when WM_QUIT arrived
// first; the quit is posted again for the outer loop.
bool RunModalLoop(const std::function<bool()>& done);

}  // namespace sequora::ui::win32
