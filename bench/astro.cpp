// The astro table of the 16-channel type: all four astro channels for a year, each at its own
// place, with corrections.
#include <benchmark/benchmark.h>

#include "calendar/Astrotabelle.h"
#include "model/Zustand.h"

namespace {

void BM_AstroTableAllChannels(benchmark::State& state) {
  qv::resetAllState();
  qv::profile().Uhrentyp = 280;
  qv::profile().KeineZeit = 1535;
  const double breiten[qv::kAstroChannels] = {52.5, 48, 40.5, 65};
  for (auto _ : state) {
    for (int k = 0; k < qv::kAstroChannels; ++k)
      qv::Rechne_Astrotabelle(-13.5 + k, breiten[k], -60, 15, -15, k);
    benchmark::DoNotOptimize(qv::astro().AstroTab);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * qv::kAstroChannels * 366);
}
BENCHMARK(BM_AstroTableAllChannels)->Unit(benchmark::kMillisecond);

}  // namespace
