// The largest program file (16-channel type, a full slot): writing it through the atomic writer,
// reading it back whole with its texts, and reading the same image as "card.dat" without them.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bench/VollesProgramm.h"
#include "model/Programmdatei.h"
#include "model/Programmleser.h"

namespace {

struct Folder {
  QTemporaryDir dir;
  QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

void BM_ProgramFileWrite(benchmark::State& state) {
  Folder f;
  qv::bench::fullProgram();
  qv::program().Dateiname[0] = f.file("voll.qvl");
  for (auto _ : state)
    if (qv::SchreibeProgrammDatei() != 1) state.SkipWithError("not written");
  state.SetBytesProcessed(state.iterations() * QFile(f.file("voll.qvl")).size());
}
BENCHMARK(BM_ProgramFileWrite)->Unit(benchmark::kMillisecond);

void readBack(benchmark::State& state, const char* name, int ohneTexte) {
  Folder f;
  qv::bench::fullProgram();
  qv::program().Dateiname[0] = f.file(name);
  if (qv::SchreibeProgrammDatei() != 1) state.SkipWithError("not written");
  for (auto _ : state)
    if (qv::LeseProgrammDatei(f.file(name), ohneTexte, 0) != qv::LeseErgebnis::Geladen) state.SkipWithError("not read");
  state.SetBytesProcessed(state.iterations() * QFile(f.file(name)).size());
}

void BM_ProgramFileRead(benchmark::State& state) { readBack(state, "voll.qvl", 0); }
BENCHMARK(BM_ProgramFileRead)->Unit(benchmark::kMillisecond);

void BM_CardImageRead(benchmark::State& state) { readBack(state, "card.dat", 1); }
BENCHMARK(BM_CardImageRead)->Unit(benchmark::kMillisecond);

}  // namespace
