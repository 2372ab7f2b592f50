#pragma once
// What Windows starts by itself at logon: the values of the Run keys and the shortcuts in the
// Startup folders, each with where it was found and whether Windows' own startup settings switched
// it off. The import window lists the scan; the run's duplicate check looks things up in it.
//
// Sequora is a 64-bit program, so HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\...\Run (the 32-bit
// programs' key) and HKEY_LOCAL_MACHINE\SOFTWARE\...\Run are two keys for it: both are scanned, in
// that order, per hive. A value seen through both (same name, same data) is listed once, under
// the first. An item's location serves to delete it and to restore it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/ShellFolders.h"
#include "platform/ShellLinks.h"

namespace sequora::autostart {

// The services the autostart code uses, handed over together.
struct AutostartPlatform {
  platform::Registry& registry;
  platform::FileSystem& fileSystem;
  platform::ShellLinks& shellLinks;
  platform::Environment& environment;
  platform::ShellFolders& shellFolders;
};

inline constexpr char kRunKey[] = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline constexpr char kRunKey32[] = "\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline constexpr char kStartupApprovedKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\";
// A Startup folder is searched this many levels of sub-folders deep, no deeper.
inline constexpr int kMaxStartupFolderDepth = 16;

enum class AutostartKind { RegistryValue, Shortcut };

struct AutostartItem {
  AutostartKind kind = AutostartKind::RegistryValue;
  bool allUsers = false;  // from HKEY_LOCAL_MACHINE or the all-users Startup folder
  // Registry: the full value path "HKEY_CURRENT_USER\SOFTWARE\...\Run\Name"; shortcut: the file's
  // full path.
  std::string location;
  // Registry: the key's full path with its trailing "\"; shortcut: its folder with the separator.
  std::string container;
  std::string name;     // the value name, or the shortcut's file name
  std::string command;  // the value's data, or the shortcut's target, a blank and its arguments, trimmed
  std::string program;  // the program file the command starts (variables expanded)
  std::uint32_t valueType = platform::reg::kTypeNone;  // REG_SZ or REG_EXPAND_SZ; none for a shortcut
  bool disabledInWindows = false;  // switched off in Windows' startup settings
};

struct ScanOptions {
  bool currentUser = true;  // "Current User"
  bool allUsers = false;    // "All Users"
};

struct AutostartScan {
  std::vector<AutostartItem> registry;   // Run values with text data, in scan order
  std::vector<AutostartItem> shortcuts;  // .lnk files: a folder's own in listing order, then its sub-folders
};

class AutostartScanner {
 public:
  explicit AutostartScanner(AutostartPlatform platform) : p_(platform) {}

  AutostartScan Scan(const ScanOptions& options);
  std::vector<AutostartItem> ScanRegistry(const ScanOptions& options);
  std::vector<AutostartItem> ScanStartupFolders(const ScanOptions& options);

 private:
  void ScanHive(const std::string& hive, std::vector<AutostartItem>& out);
  void ScanFolder(const std::string& folder, bool allUsers, std::vector<AutostartItem>& out);

  AutostartPlatform p_;
};

// The .lnk files below `folder` (with its separator): its own first, in listing order, then each
// sub-folder's, depth first; reparse points (junctions, links) are not entered, and nothing deeper
// than kMaxStartupFolderDepth levels is searched.
std::vector<std::string> FindShortcutFiles(platform::FileSystem& fs, const std::string& folder);

}  // namespace sequora::autostart
