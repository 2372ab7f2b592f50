// Figures for the entry editor in the real main window, printed (run by hand under Wine): 100
// programs added in a row through the editor (what "Add all" of the import does), the window
// refreshing after each, with the file replacements it took; then one entry save. The settings
// file is on the fake file system; the window, its rows and their icons are real.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "FigureClock.h"
#include "GdiCount.h"
#include "UiTestSupport.h"
#include "controls/win32/ListBoxExtendedPart.h"
#include "forms/main/Form1.h"
#include "platform/fake/FakePlatform.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using sequora::bench::Now;
using sequora::test::Pump;
using Op = platform::FakeFileSystem::Op;

int main() {
  sequora::test::StartUi();
  controls::win32::RegisterListBoxExtendedPart();
  platform::FakePlatform fakes;
  fakes.fileSystem.MakeDirs("C:\\Sequora");
  fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini",
                           "[MainSettings]\r\nInitialStartupTime=600\r\nSystemTray=0\r\n[ProgramList]\r\n");
  for (int n = 1; n <= 100; ++n) {
    const std::string program = "C:\\Program Files\\Vendor " + std::to_string(n) + "\\tool.exe";
    fakes.fileSystem.PutFile(program, "MZ");
    fakes.icons.SetIcon(program, 0x102030u * static_cast<std::uint32_t>(n));
  }

  forms::Form1 form(fakes.platform);
  auto window = std::make_unique<ui::win32::FormWindow>(form);
  form.Load();
  Pump();
  HWND top = ui::win32::WindowHandleOf(form);
  if (!top) return 1;

  fakes.fileSystem.ResetCalls();
  const int mutationsBefore = fakes.fileSystem.MutationCount();
  const unsigned long gdiBefore = figures::GdiObjectsOfProcess();
  int added = 0;
  double inAdds = 0;
  const double t0 = Now();
  for (int n = 1; n <= 100; ++n) {
    const double a0 = Now();
    const auto outcome = form.editor.AddNewProgram(
        "\"C:\\Program Files\\Vendor " + std::to_string(n) + "\\tool.exe\" /tray", "", 1,
        [](const std::string&, int) { return false; }, false);
    added += outcome.result == storage::AddResult::Added;
    inAdds += Now() - a0;
    Pump();  // what changed is painted, as between two adds of the import
  }
  const double t1 = Now();
  const int replacements = fakes.fileSystem.Calls(Op::RenameOver) + fakes.fileSystem.Calls(Op::MovePath);
  const int reads = fakes.fileSystem.Calls(Op::ReadFile);
  const int mutations = fakes.fileSystem.MutationCount() - mutationsBefore;
  const unsigned long gdiAfter = figures::GdiObjectsOfProcess();

  form.E_ListBox_Text1_GotFocus(4, "");
  form.editor.Text8.RaiseTextChanged("/changed");
  fakes.fileSystem.ResetCalls();
  const double s0 = Now();
  form.editor.Command9.RaiseClick();
  Pump();
  const double s1 = Now();

  std::printf("entry editor in the main window:\n");
  std::printf("  100 adds in a row, the window painting after each: %d added in %.2f s (%.2f s in the adds)\n", added,
              (t1 - t0) / 1e6, inAdds / 1e6);
  std::printf("    settings-file replacements %d, file reads %d, file-system changes %d\n", replacements, reads,
              mutations);
  std::printf("    GDI objects of the process: %lu before, %lu after\n", gdiBefore, gdiAfter);
  std::printf("  one entry save with the status rebuild and its painting: %.1f ms, %d file reads, %d replacements\n",
              (s1 - s0) / 1000, fakes.fileSystem.Calls(Op::ReadFile),
              fakes.fileSystem.Calls(Op::RenameOver) + fakes.fileSystem.Calls(Op::MovePath));
  form.Unload();
  window.reset();
  Pump();
  return 0;
}
