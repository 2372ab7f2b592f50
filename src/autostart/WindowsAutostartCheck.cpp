#include "autostart/WindowsAutostartCheck.h"

#include "autostart/ProgramIdentity.h"
#include "base/StringOps.h"

namespace sequora::autostart {

WindowsAutostartCheck::WindowsAutostartCheck(AutostartPlatform platform, std::string iniPath, std::string backupDir)
    : p_(platform), scanner_(platform), backup_(platform, std::move(iniPath), std::move(backupDir)) {}

void WindowsAutostartCheck::ScanIfStale() {
  if (!stale_) return;
  stale_ = false;
  ++scans_;
  AutostartScan scan = scanner_.Scan(ScanOptions{true, false});
  auto keep = [&](std::vector<AutostartItem>& from, std::vector<Known>& to) {
    to.clear();
    for (AutostartItem& item : from) {
      if (item.disabledInWindows || item.command.empty()) continue;
      std::string lower = ToLower(item.command);
      std::string key = ProgramKey(p_.fileSystem, p_.environment, item.program);
      to.push_back({std::move(item), std::move(lower), std::move(key)});
    }
  };
  keep(scan.registry, registry_);
  keep(scan.shortcuts, shortcuts_);
}

const WindowsAutostartCheck::Known* WindowsAutostartCheck::FirstMatch(const std::vector<Known>& items,
                                                                      const std::string& lowerCall,
                                                                      const std::string& key) const {
  for (const Known& k : items) {
    if (k.lowerCommand.find(lowerCall) != std::string::npos || (!key.empty() && k.programKey == key)) return &k;
  }
  return nullptr;
}

AutostartCheckResult WindowsAutostartCheck::CheckWindowsAutostart(const std::string& programCall, bool removeDoubles) {
  AutostartCheckResult result;
  if (Trim(programCall).empty()) return result;
  ScanIfStale();
  const std::string lowerCall = ToLower(programCall);
  const std::string key = ProgramKey(p_.fileSystem, p_.environment, programCall);
  for (const std::vector<Known>* list : {&registry_, &shortcuts_}) {
    const Known* match = FirstMatch(*list, lowerCall, key);
    if (!match) continue;
    result.found = true;
    if (!removeDoubles) continue;
    BackupResult out = backup_.TakeOut(match->item);
    if (out.ok()) {
      ++result.takenOut;
    } else if (out.message) {
      result.messages.push_back(*out.message);
    }
  }
  // What was taken out is gone from Windows: the next question sees a fresh scan.
  if (result.takenOut > 0) stale_ = true;
  return result;
}

}  // namespace sequora::autostart
