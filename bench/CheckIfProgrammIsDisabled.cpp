// The entry status test over a full program list (101 entries, "Detect running Instance" on) on a
// busy machine: 300 processes, 200 top-level windows. Reports the platform calls per pass and the
// time per pass; the single-entry forms are measured beside it for comparison.
//   build/native/bench/bench_CheckIfProgrammIsDisabled
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/fake/FakePlatform.h"
#include "run/Form1.h"

using namespace sequora;

namespace {

struct BusyMachine {
  platform::FakePlatform fakes;
  std::unique_ptr<run::Form1> form;

  BusyMachine() {
    fakes.environment.appPath = "C:\\Sequora";
    fakes.fileSystem.MakeDirs("C:\\Sequora");
    std::string ini = "[MainSettings]\r\nCheckRunningProgramTasks=1\r\n[ProgramList]\r\n";
    for (int n = 1; n <= 101; ++n) {
      std::string k = "Program" + std::to_string(n);
      ini += k + "=Program" + std::to_string(n) + ".exe\r\n" + k + "Dir=C:\\Programs\\Vendor " + std::to_string(n) +
             "\\\r\n" + k + "Disabled=" + (n % 7 == 0 ? "1" : "0") + "\r\n";
    }
    fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini", ini);
    // 300 processes; every fifth entry's program among them. 200 windows: titled, untitled and
    // hidden ones of the first 150 processes.
    for (int i = 0; i < 300; ++i) {
      std::string name = i % 15 == 0 ? "program" + std::to_string(i / 3 + 1) + ".exe" : "service" + std::to_string(i) + ".exe";
      std::uint32_t id = fakes.processes.AddProcess(name);
      if (i < 150)
        fakes.processes.AddWindow(id, i % 3 == 0 && i % 15 != 0 ? "" : "Window " + std::to_string(i), i % 5 != 4);
      if (i < 50) fakes.processes.AddWindow(id, "Default IME", false);
    }
    form = std::make_unique<run::Form1>(fakes.platform);
    form->Load();
  }
};

void ReportCalls(benchmark::State& state, const platform::FakeProcesses& processes) {
  state.counters["snapshots_per_pass"] = processes.snapshotCalls;
  state.counters["enumerations_per_pass"] = processes.windowListCalls;
}

void StatusPassWithOneScan(benchmark::State& state) {
  BusyMachine m;
  int skipped = 0;
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    run::ProcessScan scan(m.fakes.processes);
    skipped = 0;
    for (int n = 1; n <= 101; ++n) {
      run::EntryStatus status;
      m.form->CheckIfProgrammIsDisabled(n, scan, status);
      skipped += status.skip;
    }
    benchmark::DoNotOptimize(skipped);
  }
  ReportCalls(state, m.fakes.processes);
  state.counters["skipped"] = skipped;
}
BENCHMARK(StatusPassWithOneScan)->Unit(benchmark::kMicrosecond);

void StatusPassEntryByEntry(benchmark::State& state) {
  BusyMachine m;
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    for (int n = 1; n <= 101; ++n) {
      run::EntryStatus status;
      m.form->CheckIfProgrammIsDisabled(n, status);
      benchmark::DoNotOptimize(status);
    }
  }
  ReportCalls(state, m.fakes.processes);
}
BENCHMARK(StatusPassEntryByEntry)->Unit(benchmark::kMicrosecond);

// The list reload that every status-view rebuild does: 101 entries from the file and two running
// checks per entry.
void ReloadWithRunningChecks(benchmark::State& state) {
  BusyMachine m;
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    m.form->ReloadProgrammListeObj();
  }
  ReportCalls(state, m.fakes.processes);
}
BENCHMARK(ReloadWithRunningChecks)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
