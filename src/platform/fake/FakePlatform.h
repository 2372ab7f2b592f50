#pragma once
// Every fake service in one bundle, for tests that build a window: `fakes.platform` is what the
// window gets, the members are what the test fills and inspects. Not copyable (the bundle refers
// to its own members). New services: add the fake member and its reference below.
#include "platform/lnk/LnkShellLinks.h"
#include "platform/Platform.h"
#include "platform/fake/FakeCodePage.h"
#include "platform/fake/FakeDialogs.h"
#include "platform/fake/FakeDownload.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeIcons.h"
#include "platform/fake/FakeLauncher.h"
#include "platform/fake/FakePopupMenus.h"
#include "platform/fake/FakeProcesses.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShellFolders.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeWindows.h"

namespace sequora::platform {

struct FakePlatform {
  FakePlatform() = default;
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakeFileSystem fileSystem;
  FakeEnvironment environment;
  FakeDialogs dialogs;
  FakeProcesses processes;
  FakeLauncher launcher;
  FakeWindows windows;
  FakeRegistry registry;
  FakeTray tray;
  FakeIcons icons;
  FakeShellFolders shellFolders;
  FakeDownload download{fileSystem};
  FakePopupMenus popupMenus;
  // Shortcuts are real .lnk files in the fake file system, read and written by the portable codec.
  FakeCodePage codePage;
  lnk::LnkShellLinks shellLinks{fileSystem, codePage, &environment};

  Platform platform{fileSystem, environment, dialogs, processes, launcher, windows, registry, shellLinks, tray,
                    icons,      shellFolders, download,  popupMenus};
};

}  // namespace sequora::platform
