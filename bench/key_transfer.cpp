// The serial key transfer of an 8192-byte image through the simulated adapter on a
// pseudo-terminal, paced at 9600 baud, with a few milliseconds for the key to store each block:
// the whole write and the whole read, beside the time the line itself needs for their bytes.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "model/AtomicFile.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "tests/support/KeyAdapterSim.h"
#include "transfer/Austauschdateien.h"
#include "transfer/SeriellerZugriff.h"
#include "transfer/Wartezeiten.h"

namespace {

constexpr int kBaud = 9600;
constexpr int kSchreibMs = 5;
constexpr int kBloecke = 8192 / 16;

void ensureApp() {
  static int argc = 1;
  static char name[] = "bench_key_transfer";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

void lauf(benchmark::State& state, const char* richtung, double leitungsbytes) {
  ensureApp();
  qv::resetAllState();
  qv::Setze_TexteDeutsch();
  qv::profile().Uhrentyp = 280;
  qv::settings().Lpt = 4;
  QTemporaryDir dir;
  QDir::setCurrent(dir.path());
  qv::writeFileAtomically(QStringLiteral("prog.qvl"), qv::test::Programmtext(qv::test::Pruefabbild(8192)));
  qv::writeFileAtomically(QStringLiteral("quorvel.msg"),
                          qv::Schreibe_Anfrage({QString::fromLatin1(richtung), 4, 8, 400, 1, QStringLiteral("prog.qvl")}));
  qv::test::KeyAdapterSim sim(8192);
  sim.setBaud(kBaud);
  sim.setSchreibdauerMs(kSchreibMs);
  qv::SerialLink link;
  QString fehler;
  if (!link.open(sim.device(), kBaud, &fehler)) {
    state.SkipWithError(fehler.toStdString().c_str());
    return;
  }
  qv::Wartezeiten& w = qv::wartezeiten();
  w.pauseMs = 0;
  const double draht = leitungsbytes * 10 / kBaud + (richtung[0] == 's' ? kBloecke * kSchreibMs / 1000.0 : 0);
  for (auto _ : state) {
    QElapsedTimer uhr;
    uhr.start();
    const int r = qv::SeriellerZugriff(link, nullptr);
    const double s = uhr.nsecsElapsed() / 1e9;
    if (r != 0) state.SkipWithError("transfer failed");
    state.counters["seconds"] = s;
    state.counters["wire_seconds"] = draht;
    state.counters["ratio"] = s / draht;
    state.counters["effective_Bps"] = 8192 / s;
    state.counters["line_Bps"] = kBaud / 10.0;
    std::printf("%s 8192 bytes: %.2f s, line time %.2f s (x%.2f); %.0f bytes/s effective, line %d bytes/s\n",
                richtung[0] == 's' ? "write" : "read", s, draht, s / draht, 8192 / s, kBaud / 10);
  }
}

// Write: the probe, 512 frames of 20 bytes with 2-byte answers, the 5-byte check with its
// 19-byte answer. Read: the probe and the key-type check's three sends, then 512 frames of
// 5 bytes with 19-byte answers.
void BM_KeyWrite8K(benchmark::State& state) { lauf(state, "s", 2 * 24 + kBloecke * (20 + 2)); }
void BM_KeyRead8K(benchmark::State& state) { lauf(state, "l", 4 * 24 + kBloecke * (5 + 19)); }
BENCHMARK(BM_KeyWrite8K)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_KeyRead8K)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
