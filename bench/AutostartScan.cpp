// The autostart scan on the fakes: 200 Run values (both registry views of both hives) and 200
// shortcuts in nested Startup folders; and the run's pre-scan of 101 entries through the duplicate
// check, which scans once and again after each question that took something out.
//   build/native/bench/bench_AutostartScan
#include <benchmark/benchmark.h>

#include <memory>

#include "autostart/AutostartScanner.h"
#include "autostart/Shortcuts.h"
#include "autostart/WindowsAutostartCheck.h"
#include "platform/fake/FakeCodePage.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeShellFolders.h"
#include "platform/lnk/LnkShellLinks.h"

using namespace sequora;

namespace {

const std::string kRunKeys[] = {
    "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
    "HKEY_CURRENT_USER\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
};

struct Machine {
  platform::FakeFileSystem fs;
  platform::FakeRegistry registry;
  platform::FakeEnvironment env;
  platform::FakeCodePage codePage;
  platform::FakeShellFolders shell;
  platform::lnk::LnkShellLinks links{fs, codePage, &env};
  autostart::AutostartPlatform p{registry, fs, links, env, shell};

  // Item k starts "C:\Programs\Vendor k\program k.exe": a value in Run key k % 4, a shortcut
  // in the user's (k even) or the common Startup folder.
  Machine() {
    fs.MakeDirs("C:\\Sequora");
    for (int k = 0; k < 200; ++k) {
      const std::string program = Program(k);
      fs.PutFile(program, "MZ");
      registry.PutString(kRunKeys[k % 4], "Value " + std::to_string(k), "\"" + program + "\" /background");
      // Startup folders two levels deep: 10 folders of 10 shortcuts in each of the two.
      const std::string root = k % 2 == 0 ? *shell.startup : *shell.commonStartup;
      const std::string folder = root + "\\Group " + std::to_string(k / 20) + "\\Sub " + std::to_string(k % 5);
      fs.MakeDirs(folder);
      autostart::CreateShortcut(links, program, folder + "\\Link " + std::to_string(k) + ".lnk", "-tray", "", "", "", 0);
    }
  }
  static std::string Program(int k) {
    return "C:\\Programs\\Vendor " + std::to_string(k) + "\\program " + std::to_string(k) + ".exe";
  }
};

void ScanBoth(benchmark::State& state) {
  Machine m;
  autostart::AutostartScanner scanner(m.p);
  size_t items = 0;
  for (auto _ : state) {
    m.fs.ResetCalls();
    m.registry.ResetCalls();
    autostart::AutostartScan scan = scanner.Scan({true, true});
    items = scan.registry.size() + scan.shortcuts.size();
    benchmark::DoNotOptimize(scan);
  }
  state.counters["items"] = static_cast<double>(items);
  state.counters["listings"] = m.fs.Calls(platform::FakeFileSystem::Op::ListDirectory);
  state.counters["file_reads"] = m.fs.Calls(platform::FakeFileSystem::Op::ReadFile);
  state.counters["value_enumerations"] = m.registry.Calls(platform::FakeRegistry::Op::EnumValue);
}
BENCHMARK(ScanBoth)->Unit(benchmark::kMillisecond);

// A run of 101 entries; every fifth entry's program is also in the user's Run key or Startup
// folder. With Auto-Remove each of those is taken out, so the check scans 1 + take-outs times.
void RunPreScan(benchmark::State& state) {
  const bool remove = state.range(0) != 0;
  int scans = 0, takeOuts = 0, found = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto m = std::make_unique<Machine>();
    state.ResumeTiming();
    autostart::WindowsAutostartCheck check(m->p, "C:\\Sequora\\Sequora.ini", "C:\\Sequora\\Backup");
    takeOuts = found = 0;
    for (int entry = 1; entry <= 101; ++entry) {
      // Entries 5, 10, ... name programs of the current user's items (even k, Run key k % 4 == 0).
      const int k = entry % 5 == 0 ? (entry / 5) * 4 : 1000 + entry;
      const std::string path = Machine::Program(k);
      autostart::AutostartCheckResult r = check.CheckWindowsAutostart(path, remove);
      found += r.found;
      takeOuts += r.takenOut;
    }
    scans = check.Scans();
    state.PauseTiming();
    m.reset();
    state.ResumeTiming();
  }
  state.counters["scans"] = scans;
  state.counters["take_outs"] = takeOuts;
  state.counters["found"] = found;
}
BENCHMARK(RunPreScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
