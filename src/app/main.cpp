// Entry point of sequora.exe. Starting the program means loading the main window: WinMain makes
// the Windows services, Form1 and the window that shows it, runs Form1's load handler (which
// decides whether the window shows, minimised or only in the notification area, or whether this
// second instance ends at once) and then the message loop until the program ends.
#include <windows.h>

#include "platform/lnk/LnkShellLinks.h"
#include "controls/win32/AlwaysOnTopPart.h"
#include "controls/win32/ListBoxExtendedPart.h"
#include "controls/win32/Win32PopupMenus.h"
#include "platform/Platform.h"
#include "platform/win32/Win32CodePage.h"
#include "ui/win32/Win32Dialogs.h"
#include "platform/win32/Win32Download.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Icons.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellFolders.h"
#include "platform/win32/Win32ShellLinks.h"
#include "platform/win32/Win32Tray.h"
#include "platform/win32/Win32Windows.h"
#include "forms/main/Form1.h"
#include "ui/win32/FormWindow.h"
#include "ui/win32/MessageLoop.h"

using namespace sequora;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ui::win32::InitializeUi();
  controls::win32::RegisterListBoxExtendedPart();
  controls::win32::RegisterAlwaysOnTopPart();

  platform::win32::Win32FileSystem fileSystem;
  platform::win32::Win32Environment environment;
  ui::win32::Win32Dialogs dialogs;
  platform::win32::Win32Processes processes;
  platform::win32::Win32Launcher launcher;
  platform::win32::Win32Windows windows;
  platform::win32::Win32Registry registry;
  platform::win32::Win32CodePage codePage;
  platform::lnk::LnkShellLinks portableLinks(fileSystem, codePage, &environment);
  // Shortcuts are read by the portable reader first (Windows' answers, and fast enough for a scan
  // of many Startup-folder shortcuts); the shell object reads what it cannot, and writes.
  platform::win32::Win32ShellLinks shellLinks(&portableLinks,
                                              platform::win32::Win32ShellLinks::ReadOrder::FallbackFirst);
  platform::win32::Win32Tray tray;
  platform::win32::Win32Icons icons;
  platform::win32::Win32ShellFolders shellFolders;
  platform::win32::Win32Download download;
  controls::win32::Win32PopupMenus popupMenus;
  platform::Platform services{fileSystem, environment, dialogs, processes, launcher, windows, registry, shellLinks,
                              tray,       icons,       shellFolders, download, popupMenus};

  forms::Form1 form(services);
  if (form.Icon().Empty()) form.SetIcon(Picture::Named("sequora"));
  ui::win32::FormWindow window(form);
  window.SetEndsProgramOnUnload(true);
  // Form1's other windows are shown by windows of their own, unowned: the confirmation window
  // must stay on screen while the main window is minimised or in the notification area.
  ui::win32::FormWindow confirmWindow(form.msgBoxForm);
  // The import window is modal over the window that is active when it opens (none at a first
  // start, when it comes before the main window).
  ui::win32::FormWindow importWindow(form.importForm);
  form.Load();
  return ui::win32::RunMessageLoop();
}
