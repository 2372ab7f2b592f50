// Random imports, restores and duplicate checks on the fakes, with name collisions, nearly full
// record sets and injected failures of moves, deletes, registry writes and settings writes. After
// every step each autostart item ever made is in exactly one place (its Windows location, or a
// record whose file or value exists), and an item out of Windows has its program in the list.
#include <map>
#include <random>

#include "AutostartFixture.h"
#include "autostart/WindowsAutostartCheck.h"
#include "base/StringOps.h"

using namespace sequora::autostart;
using namespace sequora::autostart::testing;
using sequora::platform::FakeFileSystem;
using sequora::platform::FakeRegistry;
using sequora::storage::BackupRecords;
namespace reg = sequora::platform::reg;

namespace {

constexpr int kSteps = 1000;
constexpr int kMaxLiveItems = 40;

const std::vector<std::string> kPrograms = {
    "C:\\Program Files\\Apps\\alpha.exe", "C:\\Program Files\\Apps\\beta app.exe", "C:\\Tools\\gamma.exe",
    "C:\\Tools\\delta.exe", "C:\\Tools\\Long Folder Name\\epsilon.exe"};
const std::vector<std::string> kRunKeys = {kUserRun, kUserRun32, kMachineRun, kMachineRun32};
const std::vector<std::string> kValueNames = {"App", "Tool", "Updater"};
const std::vector<std::string> kFolders = {kUserStartup, kCommonStartup, kUserStartup + "Sub\\"};
const std::vector<std::string> kLinkNames = {"App.lnk", "Tool.lnk", "Helper.lnk"};
const std::string kForeign = "a file of the user's own";

// An autostart item made during the simulation; `id` makes its text unique.
struct Original {
  int id = 0;
  bool shortcut = false;
  std::string key, name;  // registry: Run key and value name
  std::string location;   // full value path, or the shortcut file
  std::string command;
  std::uint32_t type = reg::kTypeString;
  std::string bytes;  // shortcut: the file
};

class AutostartSimulation : public AutostartMachine, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    rng.seed(static_cast<unsigned>(GetParam()) * 7919u + 17u);
    for (const std::string& p : kPrograms) Program(p);
    fs.SetShortName("C:\\Program Files", "PROGRA~1");
    fs.SetShortName("C:\\Tools\\Long Folder Name", "LONGFO~1");
    fs.SetShortName("C:\\Program Files\\Apps\\beta app.exe", "BETAAP~1.EXE");
    fs.PutFile(kBackupDir + "App.lnk", kForeign);  // the first backup name is taken from the start
    list.capacity = GetParam() % 5 == 0 ? 2 : 101;
    list.entries = {kPrograms[2] + " /user-added"};
    // Every fourth seed starts with nearly every shortcut slot used, another with nearly every
    // registry slot, leaving four scattered free ones.
    std::vector<int> slots(300);
    for (int i = 0; i < 300; ++i) slots[static_cast<size_t>(i)] = i + 1;
    std::shuffle(slots.begin(), slots.end(), rng);
    std::string ini = "[MainSettings]\r\nSystemTray=0\r\n\r\n[Backup]\r\n";
    for (int i = 0; i < 296 && GetParam() % 4 >= 2; ++i) {
      const std::string n = std::to_string(slots[static_cast<size_t>(i)]);
      ini += GetParam() % 4 == 2 ? "AutoStart" + n + "BackupDir=C:\\Junk\\" + n + ".lnk\r\nAutoStart" + n +
                                       "BackupFilename=junk " + n + ".lnk\r\n"
                                 : "Registry" + n + "Backup=HKEY_CURRENT_USER\\Software\\Junk\\" + n +
                                       "\r\nRegistry" + n + "BackupValue=junk.exe\r\n";
    }
    fs.PutFile(kIni, ini);
  }

  int Pick(size_t n) { return static_cast<int>(std::uniform_int_distribution<size_t>(0, n - 1)(rng)); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng); }
  template <typename T>
  const T& Any(const std::vector<T>& v) {
    return v[static_cast<size_t>(Pick(v.size()))];
  }

  bool Live(const Original& o) const {
    if (o.shortcut) return fs.Contents(o.location) == o.bytes;
    auto v = registry.GetValue(o.key, o.name);
    return v && v->type == o.type &&
           std::string(v->data.begin(), std::find(v->data.begin(), v->data.end(), 0)) == o.command;
  }
  bool Occupied(const std::string& key, const std::string& name, bool shortcut) {
    return shortcut ? fs.Exists(name) : registry.GetValue(key, name).has_value();
  }

  void NewItem() {
    Original o;
    o.id = ++lastId;
    o.shortcut = Chance(0.5);
    // Now and then where an item taken out came from, so its restore finds the place taken.
    const Original* out = nullptr;
    if (Chance(0.3)) {
      for (const Original& x : items)
        if (x.shortcut == o.shortcut && !Live(x)) out = &x;
    }
    const std::string program = Any(kPrograms);
    const std::string args = " -id " + std::to_string(o.id);
    if (o.shortcut) {
      o.location = out ? out->location : Any(kFolders) + Any(kLinkNames);
      if (Occupied("", o.location, true)) return;
      Shortcut(o.location, program, args.substr(1));
      o.bytes = *fs.Contents(o.location);
      o.command = program + args;
      const std::string folder = o.location.substr(0, o.location.rfind('\\') + 1);
      const std::string file = o.location.substr(folder.size());
      if (folder == kUserStartup) Switch("HKEY_CURRENT_USER", "StartupFolder", file, Chance(0.15));
      if (folder == kCommonStartup) Switch("HKEY_LOCAL_MACHINE", "StartupFolder", file, Chance(0.15));
    } else {
      o.key = out ? out->key : Any(kRunKeys);
      o.name = out ? out->name : Any(kValueNames);
      if (Occupied(o.key, o.name, false)) return;
      o.location = o.key + "\\" + o.name;
      const int form = Pick(3);
      if (form == 0) o.command = "\"" + program + "\"" + args;
      if (form == 1) o.command = program + args;
      if (form == 2 && program.rfind("C:\\Program Files\\", 0) == 0) {
        o.command = "%ProgramFiles%" + program.substr(16) + args;
        o.type = reg::kTypeExpandString;
      }
      if (o.command.empty()) o.command = program + args;
      registry.PutString(o.key, o.name, o.command, o.type);
      const std::string hive = o.key.substr(0, o.key.find('\\'));
      Switch(hive, o.key.find("Wow6432Node") != std::string::npos ? "Run32" : "Run", o.name, Chance(0.15));
    }
    items.push_back(o);
  }

  void ImportStep(bool all) {
    AutostartImport import(Platform(), list, kIni, kBackupDir);
    ImportModeLists lists = import.LoadImportMode({Chance(0.8), Chance(0.5)});
    const auto& rows = Chance(0.5) ? lists.registryItems : lists.shortcutItems;
    if (rows.empty()) return;
    std::vector<AutostartItem> chosen = all ? rows : std::vector<AutostartItem>{Any(rows)};
    for (const ImportResult& r : import.ImportAll(chosen, 1 + Pick(5))) takeOuts += r.status == ImportStatus::Imported;
  }

  void RestoreStep(bool all) {
    AutostartImport import(Platform(), list, kIni, kBackupDir);
    RestoreModeLists lists = import.LoadRestoreMode();
    ASSERT_FALSE(lists.message);
    std::vector<RestoreResult> results;
    if (Chance(0.5) && !lists.registryRecords.empty()) {
      results = all ? import.RestoreAll(lists.registryRecords)
                    : std::vector<RestoreResult>{import.Restore(Any(lists.registryRecords))};
    } else if (!lists.shortcutRecords.empty()) {
      results = all ? import.RestoreAll(lists.shortcutRecords)
                    : std::vector<RestoreResult>{import.Restore(Any(lists.shortcutRecords))};
    }
    for (const RestoreResult& r : results) restores += r.ok();
  }

  // A run: one check object, every list entry asked, written as the list may hold it.
  void RunStep() {
    std::vector<std::string> offBefore;
    const AutostartScan before = AutostartScanner(Platform()).Scan({true, false});
    for (const auto* kind : {&before.registry, &before.shortcuts})
      for (const AutostartItem& i : *kind)
        if (i.disabledInWindows) offBefore.push_back(i.location);

    WindowsAutostartCheck check(Platform(), kIni, kBackupDir);
    const bool remove = Chance(0.7);
    const std::vector<std::string> entries = list.entries;
    for (const std::string& entry : entries) {
      std::string call = ProgramOfCommand(fs, env, entry);
      switch (Pick(4)) {
        case 0:
          call = sequora::ToUpper(call);
          break;
        case 1:
          call = fs.ShortPathName(call).empty() ? call : fs.ShortPathName(call);
          break;
        case 2:
          if (call.rfind("C:\\Program Files\\", 0) == 0) call = "%ProgramFiles%" + call.substr(16);
          break;
        default:
          break;
      }
      takeOuts += check.CheckWindowsAutostart(call, remove).takenOut;
    }
    for (const std::string& location : offBefore) {
      bool stillThere = location.rfind("HKEY_", 0) == 0
                            ? registry
                                  .GetValue(location.substr(0, location.rfind('\\')),
                                            location.substr(location.rfind('\\') + 1))
                                  .has_value()
                            : fs.FileExists(location);
      EXPECT_TRUE(stillThere) << "switched-off item taken out: " << location;
    }
  }

  void ArmOneFailure() {
    switch (Pick(5)) {
      case 0:
        fs.FailNext(FakeFileSystem::Op::MovePath);
        break;
      case 1:
        fs.FailNext(FakeFileSystem::Op::RenameOver);
        break;  // a settings write
      case 2:
        fs.FailMutation(1 + Pick(6));
        break;  // any write, move or folder
      case 3:
        registry.FailCall(FakeRegistry::Op::SetValue, 1 + Pick(2));
        break;
      default:
        registry.FailCall(FakeRegistry::Op::DeleteValue, 1 + Pick(2));
        break;
    }
  }
  void Disarm() {
    fs.FailNext(FakeFileSystem::Op::MovePath, 0);
    fs.FailNext(FakeFileSystem::Op::RenameOver, 0);
    fs.FailMutation(0);
    registry.FailCall(FakeRegistry::Op::SetValue, 0);
    registry.FailCall(FakeRegistry::Op::DeleteValue, 0);
  }

  void CheckInvariants(int step) {
    auto records = BackupRecords(fs, kIni).Load();
    ASSERT_TRUE(records) << "step " << step;
    // What the records hold, by the key of the place they would restore to.
    std::multimap<std::string, std::string> recorded;
    for (const auto& r : records->registry)
      recorded.emplace(sequora::ToLower(r.path), r.value + "|" + std::to_string(r.type));
    for (const auto& r : records->shortcuts) recorded.emplace(sequora::ToLower(r.sourcePath), r.backupName);
    for (const Original& o : items) {
      const bool live = Live(o);
      int places = live ? 1 : 0;
      auto [from, to] = recorded.equal_range(sequora::ToLower(o.location));
      for (auto it = from; it != to; ++it)
        places += o.shortcut ? fs.Contents(kBackupDir + it->second) == o.bytes
                             : it->second == o.command + "|" + std::to_string(o.type);
      ASSERT_EQ(places, 1) << "step " << step << ", item " << o.id << " at " << o.location;
      if (!live)
        ASSERT_TRUE(list.Contains(o.command))
            << "step " << step << ": out of Windows, not listed: " << o.command;
    }
    ASSERT_EQ(fs.Contents(kBackupDir + "App.lnk"), kForeign) << "step " << step;
  }

  std::mt19937 rng;
  std::vector<Original> items;
  int lastId = 0;
  int takeOuts = 0, restores = 0;
};

}  // namespace

TEST_P(AutostartSimulation, EveryItemIsInExactlyOnePlaceAfterEveryStep) {
  for (int step = 1; step <= kSteps; ++step) {
    int live = 0;
    for (const Original& o : items) live += Live(o);
    const int action = Pick(100);
    if (action < 18 && live < kMaxLiveItems) {
      NewItem();
    } else {
      if (Chance(0.35)) ArmOneFailure();
      if (action < 40)
        ImportStep(false);
      else if (action < 46)
        ImportStep(true);
      else if (action < 64)
        RestoreStep(false);
      else if (action < 70)
        RestoreStep(true);
      else if (action < 92)
        RunStep();
      else if (action < 96)
        list.refuseAll = !list.refuseAll;
      else
        list.capacity = list.capacity == 101 ? static_cast<int>(list.entries.size()) : 101;
      Disarm();
    }
    CheckInvariants(step);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(takeOuts, 0);
  EXPECT_GT(restores, 0);
  EXPECT_GT(fs.InjectedFailures() + registry.InjectedFailures(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, AutostartSimulation, ::testing::Range(1, 21));
