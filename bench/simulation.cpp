// The yearly operating hours of one channel, and of all sixteen, on the 16-channel type with a full program table:
// 365 day models, each with its astro switchings, sorts and segment list.
#include <benchmark/benchmark.h>

#include "calendar/Jahresprogramm.h"
#include "bench/VollesProgramm.h"

namespace {

void BM_YearSimulationAstroChannel(benchmark::State& state) {
  qv::bench::fullProgram();
  for (auto _ : state) benchmark::DoNotOptimize(qv::Jahresbetriebsstunden(1, 2024));
}
BENCHMARK(BM_YearSimulationAstroChannel)->Unit(benchmark::kMillisecond);

void BM_YearSimulationPlainChannel(benchmark::State& state) {
  qv::bench::fullProgram();
  for (auto _ : state) benchmark::DoNotOptimize(qv::Jahresbetriebsstunden(9, 2024));
}
BENCHMARK(BM_YearSimulationPlainChannel)->Unit(benchmark::kMillisecond);

void BM_YearSimulationAllChannels(benchmark::State& state) {
  qv::bench::fullProgram();
  for (auto _ : state)
    for (int kanal = 1; kanal <= 16; ++kanal) benchmark::DoNotOptimize(qv::Jahresbetriebsstunden(kanal, 2024));
  state.SetItemsProcessed(state.iterations() * 16);
}
BENCHMARK(BM_YearSimulationAllChannels)->Unit(benchmark::kMillisecond);

}  // namespace
