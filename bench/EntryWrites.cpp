// Entry changes over the in-memory file system, on a settings file with a full list: what one
// save, one move and an "Add all" of 100 programs cost in time, file reads and file replacements.
#include <benchmark/benchmark.h>

#include "platform/fake/FakeFileSystem.h"
#include "base/BmpFile.h"
#include "platform/fake/FakeIcons.h"
#include "storage/EntryEdit.h"
#include "storage/Ini.h"
#include "storage/SettingsFile.h"

using namespace sequora::storage;
using sequora::platform::FakeFileSystem;
using sequora::platform::FakeIcons;

namespace {

const char kIni[] = "C:\\Sequora\\Sequora.ini";

ProgramListContext Context(FakeFileSystem& fs) { return {fs, kIni, [] { return std::int16_t{2}; }, {}}; }

void FillFullList(FakeFileSystem& fs) {
  fs.PutFile(kIni, DefaultIniText());
  Ini ini(fs);
  for (int n = 1; n <= 101; ++n) {
    ini.WriteIniValues(section::kProgramList,
                       {{key::Program(n), "program" + std::to_string(n) + ".exe"},
                        {key::ProgramDir(n), "C:\\Program Files\\Vendor " + std::to_string(n) + "\\"},
                        {key::ProgramParam(n), "/background --profile=" + std::to_string(n)}},
                       kIni, true);
  }
}

void Count(benchmark::State& state, FakeFileSystem& fs, const char* per) {
  state.counters[std::string("file_reads_per_") + per] =
      benchmark::Counter(fs.Calls(FakeFileSystem::Op::ReadFile), benchmark::Counter::kAvgIterations);
  state.counters[std::string("replacements_per_") + per] =
      benchmark::Counter(fs.Calls(FakeFileSystem::Op::RenameOver), benchmark::Counter::kAvgIterations);
}

void BM_SaveEntry(benchmark::State& state) {
  FakeFileSystem fs;
  FillFullList(fs);
  const ProgramListContext context = Context(fs);
  ProgramList list;
  ReloadProgrammListeObj(context, list);
  EntryFields fields;
  fields.program = "editor.exe";
  fields.dir = "C:\\Program Files\\Editor\\";
  fields.param = "--new-window";
  fields.startupDelay = "5";
  fields.group = 3;
  fs.ResetCalls();
  int n = 0;
  for (auto _ : state) {
    fields.program = "editor" + std::to_string(n) + ".exe";  // always a change to write
    benchmark::DoNotOptimize(SaveEntry(context, list, n % 101 + 1, fields));
    ++n;
  }
  Count(state, fs, "save");
}
BENCHMARK(BM_SaveEntry)->Unit(benchmark::kMicrosecond);

void BM_SwapEntries(benchmark::State& state) {
  FakeFileSystem fs;
  FakeIcons icons;
  FillFullList(fs);
  IconStore store(fs, icons, "C:\\Sequora\\Icons\\");
  const ProgramListContext context = Context(fs);
  ProgramList list;
  ReloadProgrammListeObj(context, list);
  fs.ResetCalls();
  int n = 0;
  for (auto _ : state) {
    const int a = n % 100 + 1;
    benchmark::DoNotOptimize(SwapEntries(context, list, &store, a, a + 1));
    ++n;
  }
  Count(state, fs, "move");
}
BENCHMARK(BM_SwapEntries)->Unit(benchmark::kMicrosecond);

// "Add all" of the import: 100 programs, one after another, into a fresh settings file.
void BM_AddAll100(benchmark::State& state) {
  FakeFileSystem fs;
  FakeIcons icons;
  IconStore store(fs, icons, "C:\\Sequora\\Icons\\");
  const ProgramListContext context = Context(fs);
  ProgramList list;
  std::vector<std::string> commandLines;
  for (int i = 1; i <= 100; ++i) {
    commandLines.push_back("\"C:\\Program Files\\Vendor " + std::to_string(i) + "\\tool" + std::to_string(i) +
                           ".exe\" --tray --config \"C:\\Users\\me\\AppData\\tool" + std::to_string(i) + ".ini\"");
  }
  int added = 0;
  int64_t reads = 0, replacements = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs.PutFile(kIni, DefaultIniText());
    ReloadProgrammListeObj(context, list);
    fs.ResetCalls();
    state.ResumeTiming();
    for (const std::string& line : commandLines) {
      added += AddProgramToList(context, list, &store, line, 1, {}).result == AddResult::Added;
    }
    state.PauseTiming();
    reads += fs.Calls(FakeFileSystem::Op::ReadFile);
    replacements += fs.Calls(FakeFileSystem::Op::RenameOver);
    state.ResumeTiming();
  }
  state.counters["added_per_add_all"] = benchmark::Counter(added, benchmark::Counter::kAvgIterations);
  state.counters["file_reads_per_add_all"] = benchmark::Counter(static_cast<double>(reads), benchmark::Counter::kAvgIterations);
  state.counters["replacements_per_add_all"] =
      benchmark::Counter(static_cast<double>(replacements), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AddAll100)->Unit(benchmark::kMillisecond);

// The list's icons for 101 entries that all have their bitmap saved, at 96 DPI (32 pixels: the
// bitmaps alone) and at 144 DPI (48 pixels: each program is asked for its 32-pixel icon, to
// compare the bitmap with, and its 48-pixel one to show).
void BM_IconList(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  FakeFileSystem fs;
  FakeIcons icons;
  FillFullList(fs);
  IconStore store(fs, icons, "C:\\Sequora\\Icons\\");
  const ProgramListContext context = Context(fs);
  ProgramList list;
  ReloadProgrammListeObj(context, list);
  for (int n = 1; n <= 101; ++n) {
    const std::string program = list.At(n)->Dir + list.At(n)->Program;
    icons.SetIcon(program, static_cast<std::uint32_t>(n * 0x010203));
    fs.PutFile(store.IconPath(n), sequora::EncodeBmp(FakeIcons::Image(static_cast<std::uint32_t>(n * 0x010203), 32)));
  }
  ProgramIconList pictures;
  fs.ResetCalls();
  icons.requests.clear();
  for (auto _ : state) {
    pictures.Initialize(store, list, size);
    benchmark::DoNotOptimize(pictures);
  }
  state.counters["file_reads_per_list"] =
      benchmark::Counter(fs.Calls(FakeFileSystem::Op::ReadFile), benchmark::Counter::kAvgIterations);
  state.counters["icon_requests_per_list"] =
      benchmark::Counter(static_cast<double>(icons.requests.size()), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IconList)->Arg(32)->Arg(48)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
