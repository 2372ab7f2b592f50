// Refilling the program list in the real main window again and again leaves the window handles
// as they were: the list is one window and its tool tip, whatever the number of rows.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "UiTestSupport.h"
#include "controls/win32/ListBoxExtendedPart.h"
#include "forms/main/Form1.h"
#include "platform/fake/FakePlatform.h"
#include "ui/win32/FormWindow.h"

using namespace sequora;
using sequora::test::CountWindows;
using sequora::test::Pump;
using sequora::test::WindowsOfThread;

TEST(ListHandles, RebuildsOf101EntriesKeepTheWindowHandles) {
  sequora::test::StartUi();
  controls::win32::RegisterListBoxExtendedPart();
  platform::FakePlatform fakes;
  fakes.fileSystem.MakeDirs("C:\\Sequora");
  std::string ini = "[MainSettings]\r\nInitialStartupTime=600\r\n[ProgramList]\r\n";
  for (int n = 1; n <= 80; ++n)
    ini += "Program" + std::to_string(n) + "=tool" + std::to_string(n) + ".exe\r\nProgram" + std::to_string(n) +
           "Dir=C:\\Programs\\Tool " + std::to_string(n) + "\\\r\n";
  fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini", ini);

  forms::Form1 form(fakes.platform);
  auto window = std::make_unique<ui::win32::FormWindow>(form);
  form.Load();
  Pump();
  HWND list = window->HandleOf(form.ListBoxExtended1);
  ASSERT_TRUE(list);
  ASSERT_EQ(form.ListBoxExtended1.GetListCount(), 101);

  const int windowsBefore = WindowsOfThread();
  for (int i = 0; i < 20; ++i) {
    form.FillExtendedList(0);
    form.FillText1Text(1);
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  Pump();
  int listWindows = CountWindows(list);
  auto* part = dynamic_cast<controls::win32::ListBoxExtendedPart*>(ui::win32::Window::FromHandle(list));
  if (part && part->ToolTipHandle()) ++listWindows;
  EXPECT_EQ(listWindows, 2);
  EXPECT_EQ(WindowsOfThread(), windowsBefore);
  EXPECT_TRUE(fakes.dialogs.shown.empty());
  form.Unload();
  window.reset();
  Pump();
}
