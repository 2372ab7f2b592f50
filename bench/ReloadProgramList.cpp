// ReloadProgrammListeObj on a full settings file (101 entries) over the in-memory file system:
// time per reload and file opens per reload, against the same 707 reads made key by key.
#include <benchmark/benchmark.h>

#include "platform/fake/FakeFileSystem.h"
#include "storage/Ini.h"
#include "storage/ProgramList.h"
#include "storage/SettingsFile.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;

namespace {

const char kIni[] = "C:\\Sequora\\Sequora.ini";

void FillFullList(FakeFileSystem& fs) {
  fs.PutFile(kIni, DefaultIniText());
  Ini ini(fs);
  for (int n = 1; n <= 101; ++n) {
    ini.WriteIniValues(section::kProgramList,
                       {{key::Program(n), "program" + std::to_string(n) + ".exe"},
                        {key::ProgramDir(n), "C:\\Program Files\\Vendor " + std::to_string(n) + "\\"},
                        {key::ProgramParam(n), "/background --profile=" + std::to_string(n)},
                        {key::ProgramStartupDelay(n), n % 3 ? std::to_string(n % 7) : ""},
                        {key::ProgramMinimized(n), std::to_string(n % 2)},
                        {key::ProgramDisabled(n), "0"},
                        {key::ProgramConfirmMessageBoxNr(n), std::to_string(n % 5 - 1)}},
                       kIni, true);
  }
}

void BM_ReloadFromOneRead(benchmark::State& state) {
  FakeFileSystem fs;
  FillFullList(fs);
  ProgramListContext context{fs, kIni, [] { return std::int16_t{2}; }, {}};
  ProgramList list;
  fs.ResetCalls();
  for (auto _ : state) {
    ReloadProgrammListeObj(context, list);
    benchmark::DoNotOptimize(list);
  }
  state.counters["file_opens_per_reload"] =
      benchmark::Counter(fs.Calls(FakeFileSystem::Op::ReadFile), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReloadFromOneRead)->Unit(benchmark::kMicrosecond);

// The same reload made of 101 ReadProgramEntry calls, seven file reads each.
void BM_ReloadKeyByKey(benchmark::State& state) {
  FakeFileSystem fs;
  FillFullList(fs);
  ProgramListContext context{fs, kIni, [] { return std::int16_t{2}; }, {}};
  ProgramList list;
  fs.ResetCalls();
  for (auto _ : state) {
    for (int n = 1; n <= 101; ++n) *list.At(n) = ReadProgramEntry(context, list, n);
    benchmark::DoNotOptimize(list);
  }
  state.counters["file_opens_per_reload"] =
      benchmark::Counter(fs.Calls(FakeFileSystem::Op::ReadFile), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReloadKeyByKey)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
