#include "transfer/Kartenzugriff.h"

#include <QFile>

#include "model/AtomicFile.h"
#include "model/Dateinamen.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Programmleser.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "transfer/Austauschdateien.h"
#include "transfer/Programmstart.h"
#include "transfer/SeriellerZugriff.h"
#include "views/Befehle.h"

namespace qv {
namespace {

const QString kAntwort = QStringLiteral("card.msg");
const QString kAbbild = QStringLiteral("card.dat");

void plain(const QString& text) { env().message(text, Buttons::Ok, Icon::None); }

// The exchange copy of the parallel road; false (reported) when it cannot be made.
bool Austauschkopie(const QString& quelle, const QString& ziel) {
  // A user text table may hold a name that is no file name of the start directory.
  bool ok = !ziel.trimmed().isEmpty() && !ziel.contains(u'/');
  QString fehler;
  QByteArray inhalt;
  if (ok && quelle != ziel) {
    if (!readWholeFile(quelle, &inhalt, &fehler)) fehler = quelle + QStringLiteral(": ") + fehler;
    else if (!writeFileAtomically(ziel, inhalt, &fehler)) fehler = ziel + QStringLiteral(": ") + fehler;
    ok = fehler.isEmpty();
  }
  if (ok) return true;
  refuse(texts().S_ZugrNichtErfo + QStringLiteral("\n") + (fehler.isEmpty() ? ziel : fehler));
  return false;
}

// The parallel road: true when the helper program reported no failure.
bool Parallel() {
  QFile::remove(kAntwort);
  if (!Starte_Programm(QStringLiteral("kelvor.exe"))) return false;
  plain(texts().S_ZugrBeendet);
  QByteArray roh;
  const std::optional<Kartenantwort> a = readWholeFile(kAntwort, &roh) ? Lies_Kartenantwort(roh) : std::nullopt;
  if (!a) {
    plain(texts().S_ZugrNichtErfo);
    return false;
  }
  const QString text = Kartenantwort_Text(*a, settings().Lpt);
  if (!text.isEmpty()) refuse(text);
  return text.isEmpty();
}

}  // namespace

bool Lade_Austauschabbild(const QString& datei) {
  const StateSnapshot vorher;
  ProgramState& p = program();
  p.Dateiname[0] = datei;
  const LeseErgebnis r = LeseProgrammDatei(datei, 1, 0);
  if (r != LeseErgebnis::Geladen) {
    vorher.restore();
    const QString text = Lesefehler_Text(r, 0);
    if (!text.isEmpty()) refuse(text);
    return false;
  }
  p.AktSpeicher = 0;
  Als_gelesenes_Programm();
  return true;
}

void Als_gelesenes_Programm() {
  ProgramState& p = program();
  p.Verwendung[0] = texts().S_unbekannt;
  p.Dateiname[0] = Freier_Dateiname();
  p.HatDateiname = 0;
  p.Geaendert = 1;
  startAstroPlaceOfReadProgram();
  callHook(hooks().setSaveCommandEnabled, true);
  Melde_Programmwechsel();
}

std::function<int()>& serielleStrecke() {
  static std::function<int()> f;
  return f;
}

void KartenZugriff(const QString& richtung) {
  ProgramState& p = program();
  const DeviceSettings& s = settings();
  const bool lesen = p.ImportAktiv == 1;
  const bool parallel = s.Lpt < 4;
  // A read must never present what an earlier read left behind.
  if (lesen) QFile::remove(kAbbild);
  // A read that fails leaves the program as it was: records, name, changed flag and all.
  const StateSnapshot vorher;

  Anfrage a{richtung, s.Lpt, s.Delay, s.Delay2, s.Sprache, p.Dateiname[0]};
  bool ok = true;
  if (parallel) {
    a.datei = texts().S_Datei;
    if (richtung == u's') ok = Austauschkopie(p.Dateiname[0], a.datei);
  }
  QString fehler;
  if (ok && !writeFileAtomically(QStringLiteral("quorvel.msg"), Schreibe_Anfrage(a), &fehler)) {
    refuse(texts().S_ZugrNichtErfo + QStringLiteral("\nquorvel.msg: ") + fehler);
    ok = false;
  }
  if (ok && parallel) {
    ok = Parallel();
  } else if (ok) {
    const int r = serielleStrecke() ? serielleStrecke()() : SeriellerZugriff();
    ok = r == 0;
    if (!ok) plain(texts().S_ZugrNichtErfo);
  }
  if (lesen && ok) Lade_Austauschabbild(kAbbild);
  else if (lesen) vorher.restore();
  p.ImportAktiv = 0;
  callHook(hooks().Fuelle_Grid, p.AktSpeicher);
}

}  // namespace qv
