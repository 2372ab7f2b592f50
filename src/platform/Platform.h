#pragma once
// Every operating-system service Sequora uses, handed to the windows as one bundle of
// references. The application fills it with the Win32 implementations (app/), the tests with
// the fakes (platform/fake/FakePlatform.h). To add a service, add its reference here and fill it
// in both places.
#include "platform/Dialogs.h"
#include "platform/Download.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Icons.h"
#include "platform/Launcher.h"
#include "platform/PopupMenus.h"
#include "platform/Processes.h"
#include "platform/Registry.h"
#include "platform/ShellFolders.h"
#include "platform/ShellLinks.h"
#include "platform/Tray.h"
#include "platform/Windows.h"

namespace sequora::platform {

struct Platform {
  FileSystem& fileSystem;
  Environment& environment;
  Dialogs& dialogs;
  Processes& processes;
  Launcher& launcher;
  Windows& windows;
  Registry& registry;
  ShellLinks& shellLinks;
  Tray& tray;
  Icons& icons;
  ShellFolders& shellFolders;
  Download& download;
  PopupMenus& popupMenus;
};

}  // namespace sequora::platform
