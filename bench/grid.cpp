// Filling the main grid with the full program: the switching-time and priority lists built from
// the slot (display list, cell texts), and the same content copied into the grid's table.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/VollesProgramm.h"
#include "model/Ansicht.h"
#include "views/Filter.h"
#include "views/Gridinhalt.h"
#include "views/ui/GrdDisplSz.h"

namespace {

void BM_GridContent(benchmark::State& state) {
  qv::bench::fullProgram();
  qv::Filter_Startwerte();
  qv::viewState().AktAnsicht = static_cast<int16_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(qv::Baue_Gridinhalt(0));
  state.SetItemsProcessed(state.iterations() * qv::viewState().AnzGridZeilen);
}
BENCHMARK(BM_GridContent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_GridFill(benchmark::State& state) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_grid";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  qv::bench::fullProgram();
  qv::Filter_Startwerte();
  qv::viewState().AktAnsicht = 0;
  qv::GrdDisplSz grid(nullptr);
  for (auto _ : state) grid.fuelle(qv::Baue_Gridinhalt(0));
  state.SetItemsProcessed(state.iterations() * qv::viewState().AnzGridZeilen);
}
BENCHMARK(BM_GridFill)->Unit(benchmark::kMillisecond);

}  // namespace
