#include "views/Zeilendrucker.h"

#include "model/AtomicFile.h"
#include "model/Cp1252.h"
#include "views/Meldungstexte.h"

namespace qv {

QVector<Druckzeile> Zeilen_setzen(const Druckzeile& felder) {
  QVector<Druckzeile> zeilen(1);
  int pos = 1;
  for (const Druckfeld& f : felder) {
    const int spalte = f.spalte > 0 ? f.spalte : ((pos - 1) / 14 + 1) * 14 + 1;
    if (pos > spalte) {
      zeilen.append(Druckzeile{});
      pos = 1;
    }
    zeilen.last().append(Druckfeld{spalte, f.text});
    pos = spalte + static_cast<int>(f.text.size());
  }
  return zeilen;
}

QString Zeile_als_Text(const Druckzeile& zeile) {
  QString s;
  for (const Druckfeld& f : zeile) {
    if (s.size() < f.spalte - 1) s += QString(f.spalte - 1 - s.size(), u' ');
    s += f.text;
  }
  return s;
}

void Textdatei_Drucker::drucke(const Druckzeile& felder) {
  for (const Druckzeile& z : Zeilen_setzen(felder)) zeilen_ << Zeile_als_Text(z);
}

bool Textdatei_Drucker::ende(QString* fehler) {
  QString text;
  for (const QString& z : zeilen_) text += z + QStringLiteral("\r\n");
  zeilen_.clear();
  QString grund;
  if (appendFileAtomically(pfad_, cp1252::encode(text), &grund)) return true;
  if (fehler) *fehler = Datei_nicht_schreibbar(pfad_, grund);
  return false;
}

}  // namespace qv
