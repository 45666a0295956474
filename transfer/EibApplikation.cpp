#include "transfer/EibApplikation.h"

#include <QFile>

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Marke.h"
#include "model/Texte.h"
#include "model/ValueFile.h"
#include "shell/Startverzeichnis.h"
#include "transfer/EibGeraet.h"
#include "views/Meldungstexte.h"

namespace qv {
namespace {

constexpr int kMindestWerte = 241;  // &H104 .. &H1F4
constexpr int kDateiWerte = 251;    // &H104 .. &H1FE

int index(uint16_t adresse) { return adresse - kApplAnfang; }

QByteArray block(const std::vector<uint8_t>& werte, uint16_t von, int anzahl) {
  return QByteArray(reinterpret_cast<const char*>(werte.data()) + index(von), anzahl);
}

bool einer_von(int wert, std::initializer_list<int> liste) {
  for (int w : liste)
    if (w == wert) return true;
  return false;
}

}  // namespace

QString Applikationsdatei() { return fileNameIgnoringCase(QStringLiteral("appl.old")); }

std::optional<std::vector<uint8_t>> Lies_Applikationsdatei(const QByteArray& inhalt) {
  ValueReader r(inhalt);
  std::vector<uint8_t> werte(kApplWerte, 0);
  int n = 0;
  while (n < kDateiWerte && !r.atEnd()) {
    const std::optional<QString> v = r.nextValue();
    if (!v) break;
    if (v->isEmpty()) continue;  // an empty line
    bool ok = false;
    const int w = v->toInt(&ok);
    if (!ok || w < 0 || w > 255) return std::nullopt;
    werte[n++] = static_cast<uint8_t>(w);
  }
  if (n < kMindestWerte) return std::nullopt;
  return werte;
}

QByteArray Applikationsdatei_Text(const std::vector<uint8_t>& werte) {
  QByteArray text;
  for (int i = 0; i < kDateiWerte; ++i)
    text += ' ' + QByteArray::number(i < static_cast<int>(werte.size()) ? werte[i] : 0) + " \r\n";
  return text;
}

bool Kennung_passt(const QByteArray& kennung, bool mitTransfer) {
  if (kennung.size() < 3) return false;
  const Brand& b = brand();
  const auto k = [&](int i) { return static_cast<uint8_t>(kennung[i]); };
  const int typ1 = mitTransfer ? 100 : b.EibKennung[0];
  const int typ2 = mitTransfer ? 79 : b.EibKennung[1];
  return k(0) == (b.EibHersteller & 255) && einer_von(k(1), {b.EibKennung[0], b.EibKennung[2], b.EibKennung[4], typ1}) &&
         einer_von(k(2), {b.EibKennung[1], b.EibKennung[3], b.EibKennung[5], typ2});
}

int16_t Lese_Applikation(BusSitzung& s, uint16_t phys) {
  BusyCursor sanduhr;
  s.status(texts().S_LeseAppl);
  s.messerMaximum(32);
  s.messerWert(0);
  std::vector<uint8_t> werte(kApplWerte, 0);
  QByteArray kennung;
  int16_t r = Pruefe_Maske_und_Kennung(s, phys, kennung);
  if (r == 0) {
    s.messerWert(1);
    for (int i = 0; i < 3; ++i) werte[i] = static_cast<uint8_t>(kennung[i]);
    for (uint16_t a = 0x107; a <= 0x1F7 && r == 0; a += 8) {
      s.messerWert(s.messerWert() + 1);
      QByteArray d;
      uint16_t von = 0;
      r = Frage_Speicher(s, a, 8);
      if (r == 0) r = Erwarte_Speicher(s, phys, von, d);
      // A short answer would leave holes in the only copy of the application.
      if (r == 0 && d.size() != 8) r = 104;
      if (r == 0) std::copy(d.begin(), d.end(), werte.begin() + index(a));
      if (r == 0) s.Warte_ms(20);
    }
  }
  if (r == 0 && !Kennung_passt(block(werte, kApplAnfang, 3), false)) r = 113;
  if (r == 0) {
    QString fehler;
    const QString datei = Applikationsdatei();
    if (!writeFileAtomically(datei, Applikationsdatei_Text(werte), &fehler)) {
      s.letzterFehler = datei + QStringLiteral(": ") + fehler;
      s.log(texts().S_FehlerBei + datei + QStringLiteral(": ") + fehler);
      r = eibfehler::Datei;
    }
  }
  if (r == 0 || r == 113) Breche_Verbindung(s);
  else Bus_Wiederherstellen(s);
  return r;
}

int16_t Schreibe_Applikation(BusSitzung& s, uint16_t phys, const QString& datei) {
  const Texts& t = texts();
  // The file is checked before anything goes on the bus.
  const QString name = fileNameIgnoringCase(datei);
  QByteArray inhalt;
  QString grund;
  if (!QFile::exists(name) || !readWholeFile(name, &inhalt, &grund)) {
    refuse(datei + QStringLiteral(": ") + Dateifehler_Text(grund));
    return eibfehler::Gemeldet;
  }
  std::optional<std::vector<uint8_t>> gelesen = Lies_Applikationsdatei(inhalt);
  if (!gelesen) {
    refuse(datei + QStringLiteral(": ") + t.S_KeineGueltDatei);
    return eibfehler::Gemeldet;
  }
  std::vector<uint8_t>& werte = *gelesen;
  werte[0] = static_cast<uint8_t>(brand().EibHersteller);

  BusyCursor sanduhr;
  if (datei.compare(QStringLiteral("remote.s19"), Qt::CaseInsensitive) == 0) s.status(t.S_bereUeber);
  else if (datei.compare(QStringLiteral("appl.old"), Qt::CaseInsensitive) == 0) s.status(t.S_stelUrzu);
  else s.status(t.S_SchrAppl + datei);
  s.messerMaximum(36);
  s.messerWert(0);

  QByteArray kennung;
  int16_t r = Pruefe_Maske_und_Kennung(s, phys, kennung);
  if (r == 0 && !Kennung_passt(kennung, true)) r = 113;
  const auto schreibe = [&](uint16_t adresse, const QByteArray& daten) {
    if (r != 0) return;
    s.messerWert(s.messerWert() + 1);
    r = Schreibe_Speicher_Pruefen(s, phys, adresse, static_cast<int>(daten.size()), daten);
  };
  schreibe(0x100, QByteArray(1, char(0xFF)));
  schreibe(0x10D, QByteArray(1, char(0)));
  schreibe(0x116, QByteArray(1, char(1)));
  schreibe(0x104, block(werte, 0x104, 9));
  for (uint16_t a = 0x119; a <= 0x1F1 && r == 0; a += 8) {
    schreibe(a, block(werte, a, 8));
    if (r == 0) s.Warte_ms(300);
  }
  schreibe(0x1F9, block(werte, 0x1F9, 6));
  schreibe(0x10E, block(werte, 0x10E, 9));
  schreibe(0x10D, QByteArray(1, char(0xFF)));
  if (r == 0) Breche_Verbindung(s);
  else Bus_Wiederherstellen(s);
  return r;
}

}  // namespace qv
