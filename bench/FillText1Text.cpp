// One rebuild of the startup list status view (FillText1Text) with all 101 entries filled, on a
// busy machine: 300 processes, 200 top-level windows, "Detect running Instance" on. Reports the
// platform calls per rebuild (file reads, process snapshots, window enumerations) and the time.
//   build/native/bench/bench_FillText1Text
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/fake/FakePlatform.h"
#include "run/Form1.h"

using namespace sequora;

namespace {

struct FullList {
  platform::FakePlatform fakes;
  std::unique_ptr<run::Form1> form;

  FullList() {
    fakes.environment.appPath = "C:\\Sequora";
    fakes.fileSystem.MakeDirs("C:\\Sequora");
    std::string ini = "[MainSettings]\r\nCheckRunningProgramTasks=1\r\nInitialStartupTime=600\r\n[ProgramList]\r\n";
    for (int n = 1; n <= 101; ++n) {
      std::string k = "Program" + std::to_string(n);
      ini += k + "=Program" + std::to_string(n) + ".exe\r\n" + k + "Dir=C:\\Programs\\Vendor " + std::to_string(n) +
             "\\\r\n" + k + "Param=/tray --profile " + std::to_string(n) + "\r\n" + k + "StartupDelay=" +
             std::to_string(n % 5) + "\r\n" + k + "Disabled=" + (n % 7 == 0 ? "1" : "0") + "\r\n" + k +
             "ConfirmMessageBoxNr=" + (n % 11 == 0 ? "3" : "-1") + "\r\n";
    }
    fakes.fileSystem.PutFile("C:\\Sequora\\Sequora.ini", ini);
    for (int i = 0; i < 300; ++i) {
      std::string name =
          i % 15 == 0 ? "program" + std::to_string(i / 3 + 1) + ".exe" : "service" + std::to_string(i) + ".exe";
      std::uint32_t id = fakes.processes.AddProcess(name);
      if (i < 150)
        fakes.processes.AddWindow(id, i % 3 == 0 && i % 15 != 0 ? "" : "Window " + std::to_string(i), i % 5 != 4);
      if (i < 50) fakes.processes.AddWindow(id, "Default IME", false);
    }
    form = std::make_unique<run::Form1>(fakes.platform);
    form->Load();
  }
};

void Rebuild(benchmark::State& state) {
  FullList m;
  int writes = 0;
  for (auto _ : state) {
    m.fakes.processes.ResetCalls();
    m.fakes.fileSystem.ResetCalls();
    const int mutationsBefore = m.fakes.fileSystem.MutationCount();
    int first = 1;
    m.form->FillText1Text(first);
    writes = m.fakes.fileSystem.MutationCount() - mutationsBefore;
    benchmark::DoNotOptimize(m.form->Text1.Text().size());
  }
  using Op = platform::FakeFileSystem::Op;
  state.counters["file_reads"] = m.fakes.fileSystem.Calls(Op::ReadFile);
  state.counters["file_exists"] = m.fakes.fileSystem.Calls(Op::FileExists);
  state.counters["file_writes"] = writes;
  state.counters["snapshots"] = m.fakes.processes.snapshotCalls;
  state.counters["enumerations"] = m.fakes.processes.windowListCalls;
  state.counters["left"] = m.form->left;
  state.counters["disabled"] = m.form->disabled;
  state.counters["text_bytes"] = static_cast<double>(m.form->Text1.Text().size());
}
BENCHMARK(Rebuild)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
