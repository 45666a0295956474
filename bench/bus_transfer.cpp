// A full program (324 records and a full changeover table) written into a bus clock and read back
// over the serial driver and the simulated coupler on a pseudo-terminal, on a clean line paced at
// 9600 baud, with the clock's full waits and a clock that carries a request out 50 ms after it
// came: the time a user waits for each, beside the time it took while the answer to a read of
// the rule or the changeover table was checked by a second read of the mailbox instead of a
// second send of the request (measured side by side on this bench).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "tests/support/EibSimulator.h"
#include "transfer/EibProgramm.h"
#include "transfer/EibSeriell.h"
#include "transfer/EibVerbindung.h"

namespace {

constexpr uint16_t kUhr = 0x1109;
constexpr int kSaetze = 324;

void ensureApp() {
  static int argc = 1;
  static char name[] = "bench_bus_transfer";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

// 324 switching times with distinct minutes and all 20 changeover entries in slot 0.
void vollesProgramm() {
  qv::ProgramState& p = qv::program();
  for (int i = 0; i < kSaetze; ++i) {
    const int minute = (i * 37) % 1440;
    p.Sz[0][i] = {static_cast<uint8_t>(128 + minute / 16), static_cast<uint8_t>((minute % 16) * 16 + i % 5), 0,
                  static_cast<uint8_t>(1 + i % 127), static_cast<uint8_t>(1 + i % 15), static_cast<uint8_t>(i % 2)};
  }
  p.AnzSz[0] = kSaetze;
  p.AnzGesamt[0] = kSaetze;
  p.AnzSw[0] = qv::kSwEntries;
  p.SwKopf[0] = 30;
  for (int i = 0; i < qv::kSwEntries; ++i) p.SwTab[0][i] = {static_cast<uint8_t>(32 + i), 0x53, 0x31, 0xAA};
}

// Seconds for the write and the read with the changeover reads checked by a second mailbox read.
constexpr double kVorherSchreiben = 93.9;
constexpr double kVorherLesen = 154.5;

void lauf(benchmark::State& state, int modus) {
  ensureApp();
  qv::resetAllState();
  qv::Setze_TexteDeutsch();
  qv::profile().MaxSz = kSaetze;
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());
  qv::test::Ft12Koppler koppler;
  koppler.baud = 9600;
  vollesProgramm();
  koppler.mit([modus](qv::test::KopplerKern& k) {
    auto& uhr = k.neu<qv::test::SimSchaltuhr>(kUhr);
    uhr.beschaeftigt = 0;
    uhr.nimmtNachMs = 50;
    if (modus == 1) return;
    // The clock to read holds the program already.
    const qv::ProgramState& p = qv::program();
    for (int i = 0; i < kSaetze; ++i) {
      const qv::TSz& z = p.Sz[0][i];
      uhr.saetze.push_back({uint8_t(z.w0), uint8_t(z.w1), 0, uint8_t(z.w3), uint8_t(z.w4), uint8_t(z.w5)});
    }
    uhr.swKopf = uint8_t(p.SwKopf[0]);
    for (int i = 0; i < qv::kSwEntries; ++i)
      uhr.sw[size_t(i)] = {uint8_t(p.SwTab[0][i].w0), uint8_t(p.SwTab[0][i].w1), uint8_t(p.SwTab[0][i].w2), uint8_t(p.SwTab[0][i].w3)};
  });
  qputenv("QUORVEL_COM1", koppler.slavePath().toLocal8Bit());
  qv::SerielleEibSchnittstelle seriell;
  qv::BusSitzung s(&seriell);
  for (auto _ : state) {
    QElapsedTimer uhr;
    uhr.start();
    const int r = qv::Bus_Programm_Uebertragen(s, kUhr, modus);
    const double sekunden = uhr.nsecsElapsed() / 1e9;
    if (r != 0 || qv::program().AnzGesamt[0] != kSaetze) state.SkipWithError("transfer failed");
    const double vorher = modus == 1 ? kVorherSchreiben : kVorherLesen;
    state.counters["seconds"] = sekunden;
    state.counters["seconds_before"] = vorher;
    state.counters["ratio"] = sekunden / vorher;
    std::printf("%s %d records: %.1f s, before %.1f s (x%.2f)\n", modus == 1 ? "write" : "read", kSaetze, sekunden,
                vorher, sekunden / vorher);
  }
  qunsetenv("QUORVEL_COM1");
}

void BM_BusWrite324(benchmark::State& state) { lauf(state, 1); }
void BM_BusRead324(benchmark::State& state) { lauf(state, 0); }
BENCHMARK(BM_BusWrite324)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_BusRead324)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
