// Files at the bound their readers set: a place file of 32767 places near 4 MB, loaded, added to
// and deleted from as the astro dialog does it, and an answer file "card.msg" of 4 MB of blank
// lines, read as the memory-key transfer reads it.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "calendar/Orte.h"
#include "model/AtomicFile.h"
#include "model/Texte.h"
#include "tests/support/ScriptedEnvironment.h"
#include "transfer/Austauschdateien.h"

namespace {

struct Folder {
  Folder() {
    QDir::setCurrent(dir.path());
    qv::texts().OrtDatei = QStringLiteral("deutsch.ord");
  }
  QTemporaryDir dir;
  qv::test::ScriptedEnvironment env;
};

// kMaxPlaces places whose names fill the file to just under its 4 MB.
QByteArray vollePlatzdatei() {
  QByteArray f = " 32767 \r\n";
  for (int i = 0; i < qv::kMaxPlaces; ++i) f += "Ort " + QByteArray::number(i).rightJustified(108, '.') + ", 342  44  44 \r\n";
  return f;
}

void BM_PlaceFileAtItsBoundLoad(benchmark::State& state) {
  Folder f;
  const QByteArray inhalt = vollePlatzdatei();
  qv::writeFileAtomically(QStringLiteral("deutsch.ord"), inhalt);
  for (auto _ : state)
    if (qv::loadPlaceList().size() != size_t(qv::kMaxPlaces)) state.SkipWithError("not loaded");
  state.SetBytesProcessed(state.iterations() * inhalt.size());
}
BENCHMARK(BM_PlaceFileAtItsBoundLoad)->Unit(benchmark::kMillisecond);

void BM_PlaceFileAtItsBoundAddAndDelete(benchmark::State& state) {
  Folder f;
  QByteArray inhalt = vollePlatzdatei();
  // One place fewer, so that one can be added.
  inhalt.replace(" 32767 ", " 32766 ");
  qv::writeFileAtomically(QStringLiteral("deutsch.ord"), inhalt);
  for (auto _ : state) {
    const auto neu = qv::addPlace([] { return QStringLiteral("Bonn"); }, {342, 44, 44});
    f.env.answer(qv::Answer::Ok);
    if (!neu || !qv::deletePlace(neu->selected)) state.SkipWithError("not changed");
  }
}
BENCHMARK(BM_PlaceFileAtItsBoundAddAndDelete)->Unit(benchmark::kMillisecond);

void BM_CardAnswerOfBlankLines(benchmark::State& state) {
  Folder f;
  const QByteArray inhalt = QByteArray(qv::kMaxTextFileBytes - 8, '\n') + "3,0\r\n";
  qv::writeFileAtomically(QStringLiteral("card.msg"), inhalt);
  for (auto _ : state) {
    QByteArray roh;
    if (!qv::readWholeFile(QStringLiteral("card.msg"), &roh) || !qv::Lies_Kartenantwort(roh))
      state.SkipWithError("not read");
  }
  state.SetBytesProcessed(state.iterations() * inhalt.size());
}
BENCHMARK(BM_CardAnswerOfBlankLines)->Unit(benchmark::kMillisecond);

}  // namespace
