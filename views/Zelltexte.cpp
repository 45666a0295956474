#include "views/Zelltexte.h"

#include <algorithm>

#include "model/Satz.h"
#include "model/Texte.h"

namespace qv {

QString Datum_Text(int tag, int monat) {
  const Texts& t = texts();
  const QString tagText = tag == 1 ? t.S_ersterTag : QString::number(tag) + t.S_Punkt;
  const QString* namen[] = {&t.S_Januar, &t.S_Februar, &t.S_Maerz,     &t.S_April,
                            &t.S_Mai,    &t.S_Juni,    &t.S_Juli,      &t.S_August,
                            &t.S_September, &t.S_Oktober, &t.S_November};
  const QString& monatText = (monat >= 1 && monat <= 11) ? *namen[monat - 1] : t.S_Dezember;
  if (settings().Sprache == 2) return monatText + QStringLiteral(", ") + tagText;
  return tagText + monatText;
}

QString Einmal_Text(int flag) { return flag != 0 ? QStringLiteral("1x") : QStringLiteral(" "); }

QString Kanal_Text(int maske) {
  const Texts& t = texts();
  if (profile().Uhrentyp == 280) return t.S_C + QString::number(maske + 1);
  QString out;
  for (int k = 1; k <= profile().Kanalzahl; ++k) {
    if (maske % 2 == 1) out += t.S_C + QString::number(k);
    maske /= 2;
  }
  return out;
}

QString Uhrzeit_Text(int minuten) {
  const Texts& t = texts();
  if (minuten >= 1440 || minuten < 0)
    return QStringLiteral("  --") + t.S_Doppelpunkt + QStringLiteral("-- ") + t.S_Uhr;
  const int h = minuten / 60;
  const int m = minuten % 60;
  QString out;
  if (h < 10) out += QStringLiteral("  ");
  out += QString::number(h) + t.S_Doppelpunkt;
  if (m < 10) out += u'0';
  return out + QString::number(m) + u' ' + t.S_Uhr;
}

QString Dauer_Text(int minuten) {
  minuten = std::max(minuten, 0);
  const int m = minuten % 60;
  QString out = u' ' + QString::number(minuten / 60) + QStringLiteral(" h ");
  if (m < 10) out += u'0';
  return out + QString::number(m) + u' ' + texts().S_Min;
}

QString Wochentage_Text(const TSz& rec) {
  // Family-1 weekday records carry the same weekday mask in w3 as family 0.
  const int art = Sz_Art(rec);
  if (art != 0 && art != 3) return {};
  const Texts& t = texts();
  const int w = rec.w3 % 128;
  if (w == 127) return t.S_taeglich;
  const QString* tage[] = {&t.S_Mo, &t.S_Di, &t.S_Mi, &t.S_Do, &t.S_Fr, &t.S_Sa, &t.S_So};
  QString out;
  for (int b = 0; b < 7; ++b)
    if (w & (1 << b)) out += *tage[b];
  return out.mid(1);
}

QString Zustand_Text(const TSz& rec) {
  const Texts& t = texts();
  switch (Sz_Art(rec)) {
    case 0:
    case 1:
      return Sz_Schaltwert(rec) == 1 ? t.S_EIN : t.S_AUS;
    case 2:
      if (Sz_Prio(rec) != 10) return {};
      return Sz_Schaltwert(rec) == 1 ? t.S_EIN : t.S_AUS;
    case 3:
    case 4:
      return QString::number(Sz_Schaltwert(rec));
    case 5:
      if (Sz_Prio(rec) != 10) return {};
      return QString::number(Sz_Schaltwert(rec));
    default:
      return QStringLiteral("0");
  }
}

QString Jahr_Text(int code) {
  if (code != 0 && code < 128) return QString::number(code + 1936);
  return {};
}

QString Uhrzeit_kurz(int minuten) {
  minuten = std::max(minuten, 0);
  const QString m = QStringLiteral("0") + QString::number(minuten % 60);
  return QString::number(minuten / 60) + texts().S_Doppelpunkt + m.right(2);
}

}  // namespace qv
