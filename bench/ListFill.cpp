// The list fill of the main window on the row list control's model: ClearAll, the layout calls,
// 101 Add_NewListentry (the last with redraw) and the selection of an entry. Reports the time per
// fill and how often the control told its view to draw again.
//   build/native/bench/bench_ListFill
#include <benchmark/benchmark.h>

#include <string>

#include "controls/ListBoxExtended.h"
#include "platform/fake/FakeDialogs.h"
#include "forms/main/ProgramListColumns.h"
#include "ui/Form.h"

using namespace sequora;

namespace {

struct CountingView : ui::ControlView {
  long changes = 0;
  void Changed(ui::Control&, ui::Property) override { ++changes; }
  void FocusRequested(ui::Control&) override {}
};

void Fill(controls::ListBoxExtended& list, bool hideEmpty, int select) {
  list.ClearAll();
  forms::SetProgramListColumns(list);
  list.Set_HideEmpty(hideEmpty);
  const Picture icon = Picture::Named("icon"), enabled = Picture::Named("enabled"),
                    group = Picture::Named("nogroup");
  for (int n = 1; n <= 101; ++n) {
    std::string text = n % 3 == 0 ? (hideEmpty ? "" : "-Empty-") : "C:\\Programs\\Tool" + std::to_string(n) + " tool.exe";
    list.Add_NewListentry(n - 1, text, "+" + std::to_string(n) + " sec.", "Check1", "Check2", "", "Btn2", icon,
                          enabled, group, std::to_string(n), n == 101);
  }
  if (list.Get_INTERNALListIndex(select) >= 0) list.Set_ListIndex(select, true);
}

void BM_ListFill(benchmark::State& state) {
  ui::Form form("Form1");
  platform::FakeDialogs dialogs;
  controls::ListBoxExtended list(form, "ListBoxExtended1", dialogs);
  list.Move(0, 0, 9800, 6000);
  CountingView view;
  list.AttachView(&view);
  const bool hideEmpty = state.range(0) != 0;
  for (auto _ : state) Fill(list, hideEmpty, 40);
  state.counters["rows"] = list.GetListCount();
  state.counters["redraws_per_fill"] = static_cast<double>(view.changes) / static_cast<double>(state.iterations());
  if (!dialogs.shown.empty()) state.SkipWithError("a message box was shown");
}
BENCHMARK(BM_ListFill)->Arg(0)->Arg(1)->ArgName("hide_empty")->Unit(benchmark::kMicrosecond);

// Scrolling through the whole filled list with the Down key.
void BM_ScrollThrough(benchmark::State& state) {
  ui::Form form("Form1");
  platform::FakeDialogs dialogs;
  controls::ListBoxExtended list(form, "ListBoxExtended1", dialogs);
  list.Move(0, 0, 9800, 6000);
  Fill(list, false, 0);
  for (auto _ : state) {
    list.ScrollTo(0);
    for (int i = 0; i < 94; ++i) list.UserKeyDown(40);
  }
  state.counters["steps"] = 95;
}
BENCHMARK(BM_ScrollThrough)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
