#include "transfer/EibBuszugriff.h"

#include <QFile>
#include <cmath>

#include "model/Dateinamen.h"
#include "model/Environment.h"
#include "model/Hooks.h"
#include "model/Marke.h"
#include "model/Sortierung.h"
#include "model/Texte.h"
#include "model/Val.h"
#include "model/Zustand.h"
#include "transfer/EibApplikation.h"
#include "transfer/EibFehler.h"
#include "transfer/EibGeraet.h"
#include "transfer/EibProgramm.h"
#include "transfer/Kartenzugriff.h"

namespace qv {
namespace {

// Marks one operation as running for its lifetime.
class Lauf {
 public:
  explicit Lauf(bool& flag, const std::function<void(bool)>& melde) : flag_(flag), melde_(melde) {
    flag_ = true;
    if (melde_) melde_(true);
  }
  ~Lauf() {
    flag_ = false;
    if (melde_) melde_(false);
  }
  Lauf(const Lauf&) = delete;
  Lauf& operator=(const Lauf&) = delete;

 private:
  bool& flag_;
  const std::function<void(bool)>& melde_;
};

const QString kRemote = QStringLiteral("remote.s19");
const QString kApplOld = QStringLiteral("appl.old");

}  // namespace

Feldwert Pruefe_Bereichsfeld(const QString& text, int grenze, const QString& ersatz) {
  const double v = Val(text);
  if (v > grenze) return {ersatz, true};
  if (v < 0) return {QStringLiteral("0"), true};
  return {QString::number(static_cast<int>(std::floor(v))), false};
}

Buszugriff::Buszugriff(EibTreiber* treiber) : s_(treiber) {}

void Buszugriff::wiederherstellSichtbar(bool an) {
  if (aufWiederherstellen) aufWiederherstellen(an);
}

QStringList Buszugriff::Suche(int bereich, int linie, int von, int bis) {
  QStringList gefunden;
  if (laeuft_) return gefunden;
  Lauf lauf(laeuft_, aufBeschaeftigt);
  BusyCursor sanduhr;
  s_.Protokoll_neu();
  int16_t r = s_.Bus_Oeffnen(s_.EIB_ComPort, 9600);
  if (r == 0) {
    int versuche = 3;
    s_.messerMaximum(bis - von + 1);
    for (int tln = von; tln <= bis; ++tln) {
      const QString text = QStringLiteral("%1.%2.%3").arg(bereich).arg(linie).arg(tln);
      s_.logUndStatus(texts().S_PruefeTeil + text);
      s_.messerWert(tln - von + 1);
      const uint16_t adresse = static_cast<uint16_t>(bereich * 4096 + linie * 256 + tln);
      QByteArray kennung;
      r = Pruefe_Teilnehmer(s_, adresse, kennung);
      if (r == 0) {
        if (Kennung_passt(kennung, false)) gefunden << text;
      } else if (r == 109 || r == 110) {
        r = 0;  // nothing of ours at this address
      } else if (--versuche > 0) {
        // The tries are the whole search's: after two reopened passes every device is asked once.
        s_.Bus_Schliessen();
        r = s_.Bus_Oeffnen(s_.EIB_ComPort, 9600);
        if (r != 0) break;
        --tln;
      }
    }
  }
  if (r != 0) Zeige_Busfehler(s_, r);
  s_.Bus_Schliessen();
  s_.Protokoll_schliessen();
  return gefunden;
}

int Buszugriff::transfer(const QString& text, Richtung richtung) {
  const uint16_t adresse = Phys_Adresse(text);
  if (adresse == 0) return 1;
  ProgramState& p = program();
  const Texts& t = texts();
  if (p.Geaendert == 1) {
    if (richtung == Richtung::Schreiben) {
      if (env().message(t.S_NurGesp, Buttons::OkCancel, Icon::None) != Answer::Ok) return 1;
      if (Datei_sichern() == 0) return 1;
    } else {
      const Answer a = askSave(t.S_AendeSpei + p.Dateiname[0] + QStringLiteral("  ?"));
      if (a == Answer::Cancel) return 1;
      if (a == Answer::Yes && Datei_sichern() == 0) return 1;
    }
  }
  // A read that fails leaves the program as it was: records, name, changed flag and all.
  const StateSnapshot vorher;
  s_.Protokoll_neu();
  bool gemeldet = false;
  int16_t r = s_.Bus_Oeffnen(s_.EIB_ComPort, 9600);
  if (r == 0) {
    r = Lese_Applikation(s_, adresse);
    if (r != 0) s_.Bus_Schliessen();
    // A clock still running the transfer application of an interrupted run is refused here;
    // its own application can still be put back from the saved file.
    if (r == 113 && QFile::exists(Applikationsdatei())) wiederherstellSichtbar(true);
  }
  if (r == 0) {
    for (int k = 0; k < 3; ++k) {
      wiederherstellSichtbar(true);
      r = Schreibe_Applikation(s_, adresse, kRemote);
      if (r == 0 || r == eibfehler::Gemeldet) break;
    }
    s_.Pause_s(5);
    s_.Bus_Schliessen();
  }
  if (r == 0) {
    // A failed transfer has shown its own message already.
    r = Bus_Programm_Uebertragen(s_, adresse, richtung == Richtung::Schreiben ? 1 : 0);
    gemeldet = r != 0;
  }
  if (r == 0) r = s_.Bus_Oeffnen(s_.EIB_ComPort, 9600);
  if (r == 0) {
    for (int k = 0; k < 3; ++k) {
      r = Schreibe_Applikation(s_, adresse, kApplOld);
      if (r == 0) {
        s_.status(t.S_Ok);
        wiederherstellSichtbar(false);
        break;
      }
      if (r == eibfehler::Gemeldet) break;
    }
    s_.Pause_s(5);
    s_.Bus_Schliessen();
  }
  s_.Protokoll_schliessen();
  if (richtung == Richtung::Lesen) {
    // Like a program read from a memory key: new, unsaved and under a free default name.
    if (r != 0) vorher.restore();
    else Als_gelesenes_Programm();
  }
  if (r != 0) {
    s_.status(t.S_nichtErfo);
    if (!gemeldet && r != eibfehler::Gemeldet) Zeige_Busfehler(s_, r);
  }
  return r;
}

int Buszugriff::Programmieren(const QString& adresse) {
  if (laeuft_) return 1;
  Lauf lauf(laeuft_, aufBeschaeftigt);
  return transfer(adresse, Richtung::Schreiben);
}

int Buszugriff::Lesen(const QString& adresse) {
  if (laeuft_) return 1;
  Lauf lauf(laeuft_, aufBeschaeftigt);
  return transfer(adresse, Richtung::Lesen);
}

int Buszugriff::Wiederherstellen(const QString& text) {
  if (laeuft_) return 1;
  Lauf lauf(laeuft_, aufBeschaeftigt);
  const uint16_t adresse = Phys_Adresse(text);
  if (adresse == 0) return 1;
  s_.Protokoll_neu();
  int16_t r = s_.Bus_Oeffnen(s_.EIB_ComPort, 9600);
  if (r == 0) {
    r = Schreibe_Applikation(s_, adresse, kApplOld);
    s_.Pause_s(5);
    s_.Bus_Schliessen();
  }
  s_.Protokoll_schliessen();
  if (r == 0) {
    s_.status(texts().S_Ok);
    return 0;
  }
  s_.status(texts().S_nichtErfo);
  if (r != eibfehler::Gemeldet) Zeige_Busfehler(s_, r);
  return r;
}

void Buszugriff::Schliessen() {
  s_.Protokoll_schliessen();
  callHook(hooks().Zeige_Speicherbelegung, 0);
  program().AktSpeicher = 0;
  SortiereSz(1, 0);
  callHook(hooks().Fuelle_Grid, 0);
}

}  // namespace qv
