#include "entry/Eingaberegeln.h"

#include "model/Environment.h"
#include "model/Texte.h"
#include "model/Vergleich.h"
#include "views/Filterdialog.h"

namespace qv {

QColor fromVbColour(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

QColor Haekchenfarbe(bool checked) { return fromVbColour(checked ? kFarbeAngehakt : kFarbeLeer); }

bool Nur_Ziffern(int code) { return (code >= 48 && code <= 57) || code == 8; }

int leadingNumber(const QString& text) {
  int i = 0;
  while (i < text.size() && text.at(i) == QLatin1Char(' ')) ++i;
  int wert = 0;
  for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
    wert = wert * 10 + (text.at(i).unicode() - '0');
    if (wert > 32767) return 32767;
  }
  return wert;
}

namespace {
QStringList zahlen(int von, int bis, QChar fuell, const QString& anhang = {}) {
  QStringList l;
  for (int n = von; n <= bis; ++n) l << QStringLiteral("%1").arg(n, 2, 10, fuell) + anhang;
  return l;
}
}  // namespace

QStringList Tagesliste() { return zahlen(1, 31, QLatin1Char(' '), QStringLiteral(".")); }
QStringList Stundenliste() { return zahlen(0, 23, QLatin1Char(' ')); }
QStringList Minutenliste() { return zahlen(0, 59, QLatin1Char('0')); }
QStringList Impulsliste() { return QStringList{QStringLiteral("--")} + zahlen(1, 59, QLatin1Char(' ')); }

QStringList Monatsliste() {
  QStringList l;
  for (int m = 1; m <= 12; ++m) l << Monatsname(m);
  return l;
}

QStringList Prioliste(int familie) {
  // The filter's program list without its last item, "Permanent".
  QStringList l = Programmliste(familie);
  l.removeLast();
  return l;
}

QStringList Kanalliste16() {
  QStringList l;
  for (int k = 1; k <= 16; ++k) l << texts().S_Kanal + QLatin1Char(' ') + QString::number(k);
  return l;
}

QString Tagestext(int index) {
  if (index == 0) return texts().S_ersterTag;
  return QString::number(index + 1) + texts().S_Punkt;
}

QString Impulstext(int index) {
  const QStringList l = Impulsliste();
  if (index <= 0 || index >= l.size()) return l.first();
  return l.at(index) + QLatin1Char(' ') + texts().S_sec;
}

int Letzter_Tagindex(int monatIndex) {
  switch (monatIndex) {
    case 1: return 28;
    case 3: case 5: case 8: case 10: return 29;
    case 0: case 2: case 4: case 6: case 7: case 9: case 11: return 30;
    default: return -1;
  }
}

void Abweisen(const QString& text) {
  env().beep();
  env().message(text, Buttons::Ok, Icon::Critical);
}

bool Ueberschreiben_fragen(const QString& text) {
  env().beep();
  return env().message(text, Buttons::YesNo, Icon::Critical) == Answer::Yes;
}

void Speicher_voll(const QString& text) { env().message(text, Buttons::Ok, Icon::Critical); }

void Laufzeitfehler(int nummer) {
  env().message(QStringLiteral("Error : ") + QString::number(nummer), Buttons::Ok, Icon::None);
}

}  // namespace qv
