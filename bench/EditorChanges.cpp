// What the entry editor's changes cost on the fakes: one save of an entry (with the status
// rebuild that follows), and 100 programs added in a row (what "Add all" of the import does),
// with the list refresh that follows them. Reports file reads, file replacements, process snapshots and the
// time.
//   build/native/bench/bench_EditorChanges
#include <benchmark/benchmark.h>

#include "BusyMachine.h"

using namespace sequora;
using Op = platform::FakeFileSystem::Op;

namespace {

const char* const kSettings = "CheckRunningProgramTasks=1\r\nInitialStartupTime=600\r\n";

void SaveEntry(benchmark::State& state) {
  bench::BusyMachine m(kSettings, true);
  m.form->E_ListBox_Text1_GotFocus(4, "");  // entry 5 in the editor
  forms::Frame2& editor = m.form->editor;
  int round = 0;
  for (auto _ : state) {
    editor.Text8.RaiseTextChanged("/tray --profile " + std::to_string(++round % 2));
    m.fakes.processes.ResetCalls();
    m.fakes.fileSystem.ResetCalls();
    editor.Command9.RaiseClick();
  }
  state.counters["file_reads"] = m.fakes.fileSystem.Calls(Op::ReadFile);
  state.counters["replacements"] = m.fakes.fileSystem.Calls(Op::RenameOver) + m.fakes.fileSystem.Calls(Op::MovePath);
  state.counters["snapshots"] = m.fakes.processes.snapshotCalls;
}
BENCHMARK(SaveEntry)->Unit(benchmark::kMicrosecond);

void Add100(benchmark::State& state) {
  int reads = 0, replacements = 0, added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    bench::BusyMachine m(kSettings, false);
    std::string empty = "[MainSettings]\r\n" + std::string(kSettings) + "[ProgramList]\r\n";
    m.fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini", empty);
    m.form->FillText1Text();
    m.fakes.fileSystem.ResetCalls();
    state.ResumeTiming();
    added = 0;
    for (int n = 1; n <= 100; ++n) {
      const auto outcome = m.form->editor.AddNewProgram(
          "\"C:\\Program Files\\Vendor " + std::to_string(n) + "\\tool.exe\" /tray", "", 1,
          [](const std::string&, int) { return false; }, false);
      added += outcome.result == storage::AddResult::Added;
    }
    m.form->editor.ListRefresh.RaiseTick();  // the rows and the status view, once after the adds
    reads = m.fakes.fileSystem.Calls(Op::ReadFile);
    replacements = m.fakes.fileSystem.Calls(Op::RenameOver) + m.fakes.fileSystem.Calls(Op::MovePath);
  }
  state.counters["added"] = added;
  state.counters["file_reads"] = reads;
  state.counters["replacements"] = replacements;
}
BENCHMARK(Add100)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
