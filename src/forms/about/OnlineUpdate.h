#pragma once
// The online update: hands Sequora over to its updater, a separate program that fetches the new
// sequora.exe, replaces the running one and starts it. The updater is fetched first when it is not
// beside sequora.exe yet. It is started as
//     "<folder>\Update.exe" [URL]<address of the new program> [PATH]<Sequora.exe>
// in Sequora's folder, and Sequora ends so that its file can be replaced.
//
// Both addresses must pass platform::IsPermittedDownloadUrl (https; http to the loopback address
// only): a refused address stops the update before any connection. The updater is downloaded into
// a temporary file beside it and takes its name only once it arrived complete, so a broken
// transfer never leaves a half "Update.exe" that a later update would start.
#include <string>

#include "platform/Platform.h"

namespace sequora::forms {

// The program's own update addresses (MainSettings UpdateUrl and UpdaterUrl replace them).
inline constexpr char kUpdateUrl[] = "https://update.sequora.invalid/Sequora.exe";
inline constexpr char kUpdaterUrl[] = "https://update.sequora.invalid/Update.exe";
inline constexpr char kUpdaterFile[] = "Update.exe";

struct UpdateRequest {
  std::string folder;         // Sequora's folder, with a trailing separator: the updater lives here
  std::string newProgramUrl;  // handed to the updater after [URL]
  std::string programFile;    // the running program's file name, handed over after [PATH]
  std::string updaterFile;    // the updater's file name in `folder`
  std::string updaterUrl;     // where the updater comes from when it is missing
};

// Fetches the updater when missing, starts it and ends the program; true when the updater was
// started (the program has been told to end then). False after a message box saying what failed:
// "Download Failed! " for an updater that could not be fetched; the program goes on.
bool UpdateProgram(const platform::Platform& platform, const UpdateRequest& request);

}  // namespace sequora::forms
