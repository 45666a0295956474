// The device image of the largest type (8 KB, a full slot): encoding it from the program and
// turning a stored image back into decoded order; and sorting the full slot both ways.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "bench/VollesProgramm.h"
#include "model/Abbild.h"
#include "model/Sortierung.h"

namespace {

void BM_ImageEncode(benchmark::State& state) {
  qv::bench::fullProgram();
  for (auto _ : state) benchmark::DoNotOptimize(qv::Kodiere_Abbild());
  state.SetBytesProcessed(state.iterations() * qv::profile().SpeicherGroesse);
}
BENCHMARK(BM_ImageEncode)->Unit(benchmark::kMicrosecond);

void BM_ImageDecode(benchmark::State& state) {
  qv::bench::fullProgram();
  const qv::AbbildFormat& f = *qv::imageFormat(qv::profile().Uhrentyp);
  const qv::TAbbild stored = qv::Kodiere_Abbild();
  for (auto _ : state) {
    if (!qv::checksumOk(stored)) state.SkipWithError("checksum");
    benchmark::DoNotOptimize(qv::toDecodedOrder(f, stored));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(stored.size()));
}
BENCHMARK(BM_ImageDecode)->Unit(benchmark::kMicrosecond);

// modus 1 sorts into display order, 0 into time order; every pass starts from the same shuffle.
void BM_SortFullSlot(benchmark::State& state) {
  qv::bench::fullProgram();
  qv::ProgramState& p = qv::program();
  const int n = p.AnzGesamt[0];
  std::vector<qv::TSz> shuffled(p.Sz[0], p.Sz[0] + n);
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(17));
  for (auto _ : state) {
    std::copy(shuffled.begin(), shuffled.end(), p.Sz[0]);
    qv::SortiereSz(static_cast<int>(state.range(0)), 0);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_SortFullSlot)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
