// Figures for the row list control on a real window, printed (run by hand under Wine): the list
// fill of 101 entries with the repaint that follows it, a scroll step with its repaint, and what
// the control holds in window handles and GDI objects.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "FigureClock.h"
#include "UiTestSupport.h"
#include "controls/ListBoxExtended.h"
#include "controls/win32/ListBoxExtendedPart.h"
#include "platform/fake/FakeDialogs.h"
#include "forms/main/ProgramListColumns.h"
#include "ui/Form.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using sequora::bench::Now;
using sequora::test::Pump;
using sequora::test::WindowsOfThread;

namespace {

struct MainLike : ui::Form {
  explicit MainLike(platform::Dialogs& dialogs) : Form("Form1"), ListBoxExtended1(*this, "ListBoxExtended1", dialogs) {
    Move(-1, -1, 11000, 7500);
    ListBoxExtended1.Move(120, 120, 10400, 6400);
  }
  controls::ListBoxExtended ListBoxExtended1;
};

void Fill(controls::ListBoxExtended& list) {
  list.ClearAll();
  forms::SetProgramListColumns(list);
  for (int n = 1; n <= 101; ++n)
    list.Add_NewListentry(n - 1, n % 3 ? "C:\\Programs\\Tool" + std::to_string(n) + " tool.exe" : "-Empty-",
                          "+" + std::to_string(n) + " sec.", "Check1", "Check2", "", "Btn2", Picture::Named("play"),
                          Picture::Named("pause"), Picture::Named("play"), std::to_string(n), n == 101);
  list.Set_ListIndex(40, true);
}

}  // namespace

int main() {
  sequora::test::StartUi();
  controls::win32::RegisterListBoxExtendedPart();
  platform::FakeDialogs dialogs;
  MainLike form(dialogs);
  auto window = std::make_unique<ui::win32::FormWindow>(form);
  form.Show();
  Pump();
  controls::ListBoxExtended& list = form.ListBoxExtended1;
  HWND hwnd = window->HandleOf(list);
  if (!(hwnd)) return 1;

  const int windowsBefore = WindowsOfThread();
  const DWORD gdiBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  constexpr int kFills = 40;
  double fillModel = 0, fillPaint = 0;
  for (int i = 0; i < kFills; ++i) {
    const double t0 = Now();
    Fill(list);
    const double t1 = Now();
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    fillModel += t1 - t0;
    fillPaint += Now() - t1;
  }
  Pump();

  double scroll = 0;
  int steps = 0;
  for (int pass = 0; pass < 5; ++pass) {
    ::SendMessageA(hwnd, WM_KEYDOWN, VK_HOME, 0);
    ::UpdateWindow(hwnd);
    for (int i = 0; i < 94; ++i, ++steps) {
      const double t0 = Now();
      ::SendMessageA(hwnd, WM_KEYDOWN, VK_DOWN, 0);
      ::UpdateWindow(hwnd);
      scroll += Now() - t0;
    }
  }

  double repaint = 0;
  constexpr int kRepaints = 50;
  for (int i = 0; i < kRepaints; ++i) {
    const double t0 = Now();
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::UpdateWindow(hwnd);
    repaint += Now() - t0;
  }

  const int windowsAfter = WindowsOfThread();
  int ownWindows = 1;
  ::EnumChildWindows(hwnd, [](HWND, LPARAM p) { ++*reinterpret_cast<int*>(p); return TRUE; },
                     reinterpret_cast<LPARAM>(&ownWindows));
  auto* part = dynamic_cast<controls::win32::ListBoxExtendedPart*>(ui::win32::Window::FromHandle(hwnd));
  if (part && part->ToolTipHandle()) ++ownWindows;
  const DWORD gdiAfter = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);

  std::printf("row list, 101 entries (%d rows):\n", list.GetListCount());
  std::printf("  list fill on the model (ClearAll + layout + 101 Add_NewListentry + select): %.0f us\n",
              fillModel / kFills);
  std::printf("  repaint after the fill (RedrawWindow, RDW_UPDATENOW):                        %.0f us\n",
              fillPaint / kFills);
  std::printf("  scroll step (Down key + UpdateWindow), mean of %d:                           %.0f us\n", steps,
              scroll / steps);
  std::printf("  repaint of the view alone (InvalidateRect + UpdateWindow), mean of %d:         %.0f us\n",
              kRepaints, repaint / kRepaints);
  std::printf("  window handles of the control: %d (thread: %d before the fills, %d after)\n", ownWindows,
              windowsBefore, windowsAfter);
  std::printf("  GDI objects of the process: %lu before the fills, %lu after\n", gdiBefore, gdiAfter);
  window.reset();
  Pump();
  return 0;
}
