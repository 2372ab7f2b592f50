#include "autostart/AutostartScanner.h"

#include <unordered_map>

#include "autostart/ProgramIdentity.h"
#include "autostart/Registry.h"
#include "autostart/Shortcuts.h"
#include "autostart/StartupFolders.h"
#include "base/Paths.h"
#include "base/StringOps.h"

namespace sequora::autostart {

namespace {

// Windows' startup settings keep one binary value per switched item; an odd first byte means
// switched off. Names are looked up lower-cased.
class StartupApproved {
 public:
  StartupApproved(platform::Registry& reg, RegKey root, const char* subKey) {
    for (const RegistryValue& v : EnumRegistryValues(reg, root, std::string(kStartupApprovedKey) + subKey)) {
      if (v.type == platform::reg::kTypeBinary && !v.data.empty() && (v.data[0] & 1))
        disabled_.emplace(ToLower(v.name), true);
    }
  }
  bool Disabled(const std::string& name) const { return disabled_.count(ToLower(name)) != 0; }

 private:
  std::unordered_map<std::string, bool> disabled_;
};

bool EndsWithLnk(const std::string& name) {
  return name.size() >= 4 && EqualsNoCase(std::string_view(name).substr(name.size() - 4), ".lnk");
}

void Search(platform::FileSystem& fs, const std::string& folder, int depth, std::vector<std::string>& out) {
  std::string dir = folder;
  if (dir.back() != '\\' && dir.back() != '/') dir += '\\';
  auto listing = fs.ListDirectory(dir + "*.*");
  if (!listing) return;
  // One listing serves both: the pattern "*.lnk" would also match a longer extension through its
  // 8.3 alias, which is not a shortcut.
  for (const platform::DirEntry& e : *listing)
    if (!e.isDirectory && EndsWithLnk(e.name)) out.push_back(dir + e.name);
  if (depth >= kMaxStartupFolderDepth) return;
  for (const platform::DirEntry& e : *listing) {
    if (!e.isDirectory || e.isReparsePoint || e.name == "." || e.name == "..") continue;
    Search(fs, dir + e.name, depth + 1, out);
  }
}

}  // namespace

std::vector<std::string> FindShortcutFiles(platform::FileSystem& fs, const std::string& folder) {
  std::vector<std::string> found;
  if (!folder.empty()) Search(fs, folder, 0, found);
  return found;
}

AutostartScan AutostartScanner::Scan(const ScanOptions& options) {
  AutostartScan scan;
  scan.shortcuts = ScanStartupFolders(options);
  scan.registry = ScanRegistry(options);
  return scan;
}

std::vector<AutostartItem> AutostartScanner::ScanRegistry(const ScanOptions& options) {
  std::vector<AutostartItem> items;
  if (options.currentUser) ScanHive("HKEY_CURRENT_USER", items);
  if (options.allUsers) ScanHive("HKEY_LOCAL_MACHINE", items);
  return items;
}

void AutostartScanner::ScanHive(const std::string& hive, std::vector<AutostartItem>& out) {
  const RegKey root = RootKeyFromFullName(hive);
  const size_t firstOfHive = out.size();
  for (const char* runKey : {kRunKey32, kRunKey}) {
    const bool view32 = runKey == kRunKey32;
    const std::string keyPath = std::string(runKey + 1);  // without the leading "\"
    const auto values = EnumRegistryValues(p_.registry, root, keyPath);
    if (values.empty()) continue;
    const StartupApproved approved(p_.registry, root, view32 ? "Run32" : "Run");
    for (const RegistryValue& v : values) {
      if (!v.IsText()) continue;  // Windows starts text values only
      std::string data = v.Text();
      if (data.empty()) continue;
      bool seen = false;
      for (size_t i = firstOfHive; i < out.size() && !seen; ++i)
        seen = EqualsNoCase(out[i].name, v.name) && out[i].command == data;
      if (seen) continue;
      AutostartItem item;
      item.kind = AutostartKind::RegistryValue;
      item.allUsers = root == platform::reg::kLocalMachine;
      item.container = hive + runKey;
      item.location = item.container + v.name;
      item.name = v.name;
      item.program = ProgramOfCommand(p_.fileSystem, p_.environment, data);
      item.command = std::move(data);
      item.valueType = v.type;
      item.disabledInWindows = approved.Disabled(v.name);
      out.push_back(std::move(item));
    }
  }
}

std::vector<AutostartItem> AutostartScanner::ScanStartupFolders(const ScanOptions& options) {
  std::vector<AutostartItem> items;
  if (!options.currentUser && !options.allUsers) return items;
  const StartupFolders folders = GetStartupFolders(p_.shellFolders, p_.registry, p_.environment);
  if (options.currentUser) ScanFolder(folders.currentUser, false, items);
  // A machine whose two folders are one (an odd profile set-up) lists each shortcut once.
  if (options.allUsers && !(options.currentUser && EqualsNoCase(folders.allUsers, folders.currentUser)))
    ScanFolder(folders.allUsers, true, items);
  return items;
}

void AutostartScanner::ScanFolder(const std::string& folder, bool allUsers, std::vector<AutostartItem>& out) {
  const std::vector<std::string> files = FindShortcutFiles(p_.fileSystem, folder);
  if (files.empty()) return;
  const StartupApproved approved(p_.registry, allUsers ? platform::reg::kLocalMachine : platform::reg::kCurrentUser,
                                 "StartupFolder");
  for (const std::string& file : files) {
    ShortcutInfo info = ReadShortcut(p_.shellLinks, file);
    AutostartItem item;
    item.kind = AutostartKind::Shortcut;
    item.allUsers = allUsers;
    item.location = file;
    item.name = GetFileNamePart(file);
    item.container = file.substr(0, file.size() - item.name.size());
    item.command = Trim(info.TargetPath + " " + info.Arguments);
    item.program = ExpandEnvironmentText(p_.environment, info.TargetPath);
    // Windows' switches name the shortcuts that lie in the Startup folder itself.
    item.disabledInWindows = EqualsNoCase(item.container, folder) && approved.Disabled(item.name);
    out.push_back(std::move(item));
  }
}

}  // namespace sequora::autostart
