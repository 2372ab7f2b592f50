// The entry status test over a full program list (101 entries, "Detect running Instance" on) on a
// busy machine: 300 processes, 200 top-level windows. Reports the platform calls per pass and the
// time per pass; the single-entry forms are measured beside it for comparison.
//   build/native/bench/bench_CheckIfProgrammIsDisabled
#include <benchmark/benchmark.h>

#include "BusyMachine.h"

using namespace sequora;

namespace {

const char* const kSettings = "CheckRunningProgramTasks=1\r\n";

void ReportCalls(benchmark::State& state, const platform::FakeProcesses& processes) {
  state.counters["snapshots_per_pass"] = processes.snapshotCalls;
  state.counters["enumerations_per_pass"] = processes.windowListCalls;
}

void StatusPassWithOneScan(benchmark::State& state) {
  bench::BusyMachine m(kSettings, false);
  int skipped = 0;
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    const startup::ProcessScan scan(m.fakes.processes);
    skipped = 0;
    for (int n = 1; n <= 101; ++n)
      skipped += startup::CheckIfProgrammIsDisabled(m.form->startupList.ProgramList, n, scan, true).skip;
    benchmark::DoNotOptimize(skipped);
  }
  ReportCalls(state, m.fakes.processes);
  state.counters["skipped"] = skipped;
}
BENCHMARK(StatusPassWithOneScan)->Unit(benchmark::kMicrosecond);

void StatusPassEntryByEntry(benchmark::State& state) {
  bench::BusyMachine m(kSettings, false);
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    for (int n = 1; n <= 101; ++n) benchmark::DoNotOptimize(m.form->startupList.StatusOf(n));
  }
  ReportCalls(state, m.fakes.processes);
}
BENCHMARK(StatusPassEntryByEntry)->Unit(benchmark::kMicrosecond);

// The list reload that every status-view rebuild does: 101 entries from the file and two running
// checks per entry.
void ReloadWithRunningChecks(benchmark::State& state) {
  bench::BusyMachine m(kSettings, false);
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    m.form->startupList.ReloadProgrammListeObj(startup::ProcessScan(m.fakes.processes));
  }
  ReportCalls(state, m.fakes.processes);
}
BENCHMARK(ReloadWithRunningChecks)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
