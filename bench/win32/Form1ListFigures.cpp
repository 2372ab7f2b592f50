// Figures for the program list in the real main window, printed (run by hand under Wine): the
// list fill of 101 entries with the repaint that follows, the whole status-view rebuild that
// contains it, and the window handles and GDI objects of the window. The settings come from the
// fake file system.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "FigureClock.h"
#include "GdiCount.h"
#include "UiTestSupport.h"
#include "base/BmpFile.h"
#include "platform/fake/FakeIcons.h"
#include "controls/win32/ListBoxExtendedPart.h"
#include "platform/fake/FakePlatform.h"
#include "forms/main/Form1.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using sequora::test::CountWindows;
using sequora::bench::Now;
using sequora::test::Pump;
using sequora::test::WindowsOfThread;

namespace {

// 80 programs (every 7th disabled, every 11th in group 2) and 21 free slots.
std::string Settings() {
  std::string text = "[MainSettings]\r\nInitialStartupTime=600\r\nSystemTray=0\r\n[ProgramList]\r\n";
  for (int n = 1; n <= 80; ++n) {
    const std::string k = "Program" + std::to_string(n), number = std::to_string(n);
    text += k + "=tool" + number + ".exe\r\n" + k + "Dir=C:\\Programs\\Tool " + number + "\\\r\n";
    text += k + "StartupDelay=" + std::to_string(n % 9) + "\r\n";
    if (n % 7 == 0) text += k + "Disabled=1\r\n";
    if (n % 11 == 0) text += k + "ConfirmMessageBoxNr=2\r\n";
  }
  return text;
}

}  // namespace

int main() {
  sequora::test::StartUi();
  controls::win32::RegisterListBoxExtendedPart();
  platform::FakePlatform fakes;
  fakes.fileSystem.MakeDirs("C:\\Sequora");
  fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini", Settings());
  // Every program has its icon file, so the rows draw 80 bitmaps.
  fakes.fileSystem.MakeDirs("C:\\Sequora\\Icons");
  for (int n = 1; n <= 80; ++n)
    fakes.fileSystem.PutFile("C:\\Sequora\\Icons\\Icon" + std::to_string(n) + ".bmp",
                             EncodeBmp(platform::FakeIcons::Image(0x030507u * static_cast<std::uint32_t>(n), 32)));

  forms::Form1 form(fakes.platform);
  auto window = std::make_unique<ui::win32::FormWindow>(form);
  form.Load();
  Pump();
  HWND list = window->HandleOf(form.ListBoxExtended1);
  HWND top = ui::win32::WindowHandleOf(form);
  if (!(list && top)) return 1;
  if ((form.ListBoxExtended1.GetListCount()) != (101)) return 1;

  const int windowsBefore = WindowsOfThread();
  const unsigned long gdiBefore = figures::GdiObjectsOfProcess();
  constexpr int kRounds = 30;
  double fill = 0, fillPaint = 0, rebuild = 0, rebuildPaint = 0;
  unsigned long gdiFirst = 0;  // after the first round: what the first paints cache stays
  for (int i = 0; i < kRounds; ++i) {
    double t0 = Now();
    form.FillExtendedList(0);
    double t1 = Now();
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    double t2 = Now();
    fill += t1 - t0;
    fillPaint += t2 - t1;

    t0 = Now();
    form.FillText1Text(1);
    t1 = Now();
    ::RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    t2 = Now();
    rebuild += t1 - t0;
    rebuildPaint += t2 - t1;
    if (i == 0) gdiFirst = figures::GdiObjectsOfProcess();
  }
  Pump();

  const int windowsAfter = WindowsOfThread();
  int listWindows = CountWindows(list);
  auto* part = dynamic_cast<controls::win32::ListBoxExtendedPart*>(ui::win32::Window::FromHandle(list));
  if (part && part->ToolTipHandle()) ++listWindows;
  const unsigned long gdiAfter = figures::GdiObjectsOfProcess();

  std::printf("main window, program list of 101 entries (%d rows):\n", form.ListBoxExtended1.GetListCount());
  std::printf("  list fill (FillExtendedList: ClearAll, layout, 101 AddToExtendedList, select): %.0f us\n",
              fill / kRounds);
  std::printf("  repaint of the list after it (RedrawWindow, RDW_UPDATENOW):                 %.0f us\n",
              fillPaint / kRounds);
  std::printf("  status-view rebuild (FillText1Text: file read, list fill, status text):    %.0f us\n",
              rebuild / kRounds);
  std::printf("  repaint of the whole window after it:                                      %.0f us\n",
              rebuildPaint / kRounds);
  std::printf("  window handles: the list %d, the main window %d, the thread %d before the fills, %d after\n",
              listWindows, CountWindows(top), windowsBefore, windowsAfter);
  std::printf("  GDI objects of the process: %lu before the fills, %lu after the first two, %lu after all %d\n",
              gdiBefore, gdiFirst, gdiAfter, 2 * kRounds);
  form.Unload();
  window.reset();
  Pump();
  return 0;
}
