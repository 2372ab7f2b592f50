// One rebuild of the startup list status view (FillText1Text) with all 101 entries filled, on a
// busy machine: 300 processes, 200 top-level windows, "Detect running Instance" on. Reports the
// platform calls per rebuild (file reads, long-form lookups, process snapshots, window
// enumerations) and the time.
//   build/native/bench/bench_FillText1Text
#include <benchmark/benchmark.h>

#include "BusyMachine.h"

using namespace sequora;

namespace {

const char* const kSettings = "CheckRunningProgramTasks=1\r\nInitialStartupTime=600\r\n";

void Rebuild(benchmark::State& state) {
  bench::BusyMachine m(kSettings, true);
  int writes = 0;
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    m.fakes.fileSystem.ResetCalls();
    const int mutationsBefore = m.fakes.fileSystem.MutationCount();
    m.form->FillText1Text(1);
    writes = m.fakes.fileSystem.MutationCount() - mutationsBefore;
    benchmark::DoNotOptimize(m.form->Text1.Text().size());
  }
  using Op = platform::FakeFileSystem::Op;
  state.counters["file_reads"] = m.fakes.fileSystem.Calls(Op::ReadFile);
  state.counters["file_exists"] = m.fakes.fileSystem.Calls(Op::FileExists);
  // A long form looks at every folder of a path: slow on a real file system, so only for a file
  // that is missing (its message names it).
  state.counters["long_path_lookups"] = m.fakes.fileSystem.Calls(Op::LongPathName);
  state.counters["file_writes"] = writes;
  state.counters["snapshots"] = m.fakes.processes.snapshotCalls;
  state.counters["enumerations"] = m.fakes.processes.windowListCalls;
  state.counters["text_bytes"] = static_cast<double>(m.form->Text1.Text().size());
}
BENCHMARK(Rebuild)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
