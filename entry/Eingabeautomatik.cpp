#include "entry/Eingabeautomatik.h"

#include "model/Texte.h"
#include "model/Uebernahme.h"

namespace qv {

Zeitschritt Zeit_weiter(int minute, int stunde, int incMin, int incStd) {
  Zeitschritt z;
  z.minute = minute + incMin;
  int carry = 0;
  if (z.minute > 59) {
    z.minute -= 60;
    carry = 1;
  }
  z.stunde = stunde + incStd + carry;
  if (z.stunde > 23) {
    z.stunde -= 24;
    z.uebertrag = 1;
  }
  return z;
}

int Monatslaenge_Automatik(int monatPos, int heuteJahr) {
  switch (monatPos) {
    case 1: return heuteJahr % 4 == 0 ? 29 : 28;
    case 3: case 5: case 8: case 10: return 30;
    default: return 31;
  }
}

int Naechster_Monat(int monatPos) { return (monatPos >= 0 && monatPos < 11) ? monatPos + 1 : 0; }

std::optional<int> Naechstes_Programm_Sz(int pos, int anzahl, int incPrio) {
  if (incPrio != 0 && pos < anzahl - 1) return pos + 1;
  return std::nullopt;
}

std::optional<int> Naechstes_Programm_Pz(int pos, int anzahl, int incPrio) {
  if (pos == anzahl - 1) return std::nullopt;  // "Permanent" is never stepped
  if (incPrio != 0 && pos < anzahl - 2) return pos + 1;
  return std::nullopt;
}

std::optional<int> Ziffer_eingeben(int wert, int ziffer, int maximum) {
  if (ziffer < 0 || ziffer > 9) return std::nullopt;
  const int neu = (wert / 10) * 10 + ziffer;
  if (neu < maximum) return neu;
  return std::nullopt;
}

namespace {
QString einheit(int n, const QString& eins, const QString& viele) {
  if (n == 1) return eins;
  return QString::number(n) + QLatin1Char(' ') + viele;
}
}  // namespace

InputAutomation Nachgefuehrte_Automatik(InputAutomation& gezeigt, const InputAutomation& jetzt) {
  using A = InputAutomation;
  // The dialog's values; the automation switches belong to the entry forms.
  static constexpr int16_t A::*kFelder[] = {&A::IncMin,     &A::IncStd,     &A::IncTag,    &A::IncMon,
                                            &A::IncWtag,    &A::IncPrio,    &A::IncZustand, &A::SwRegelVon,
                                            &A::SwRegelBis, &A::SwWtagVon, &A::SwWtagBis};
  return Nachgefuehrt(gezeigt, jetzt, inputAutomation(), kFelder);
}

QString Minutentext(int n) { return einheit(n, texts().S_1Minute, texts().S_Minuten); }
QString Stundentext(int n) { return einheit(n, texts().S_1Stunde, texts().S_Stunden); }
QString Tagetext(int n) { return einheit(n, texts().S_1Tag, texts().S_TageNur); }
QString Werttext(int n) { return texts().S_Zust + texts().S_Doppelpunkt + QStringLiteral("   ") + QString::number(n); }

void Tag_Ueberlauf(int tag, Datumsfelder& felder, int heuteJahr) {
  for (;;) {
    const int p = felder.monatPos();
    const int laenge = Monatslaenge_Automatik(p, heuteJahr);
    if (tag <= laenge) break;
    tag -= laenge;
    felder.waehleMonat(Naechster_Monat(p));
  }
  felder.waehleTag(tag - 1);
  felder.monatKlick();
  felder.tagKlick();
}

void Automatik_Schritt_Sz(SzAutomatikFelder& f, const InputAutomation& a, int heuteJahr) {
  if (a.IncZustand == 1) f.cmdEinAus_Click();
  const Zeitschritt z = Zeit_weiter(f.minutePos(), f.stundePos(), a.IncMin, a.IncStd);
  f.waehleMinute(z.minute);
  f.waehleStunde(z.stunde);
  if (f.eingabeArt() == 1) {
    if (a.IncWtag == 1) f.Wochentage_weiter();
    if (z.uebertrag == 1) f.Wochentage_weiter();
    if (const auto p = Naechstes_Programm_Sz(f.prioPos(), f.prioAnzahl(), a.IncPrio)) f.waehlePrio(*p);
    return;
  }
  Datumsfelder& d = f.datum();
  Tag_Ueberlauf(d.tagPos() + 1 + a.IncTag + z.uebertrag, d, heuteJahr);
  if (a.IncMon == 1) {
    d.waehleMonat(Naechster_Monat(d.monatPos()));
    d.monatKlick();
  }
}

void Automatik_Schritt_Pz(PzAutomatikFelder& f, const InputAutomation& a, int heuteJahr) {
  const int pos = f.prioPos();
  const int anzahl = f.prioAnzahl();
  if (pos == anzahl - 1) {
    // Only the ten-item list of family 0 has "Permanent" at position 9.
    if (pos == 9 && a.IncZustand == 1) f.cmdEinAus_Click();
  } else if (const auto p = Naechstes_Programm_Pz(pos, anzahl, a.IncPrio)) {
    f.waehlePrio(*p);
  }
  if (f.feiertagsbindung()) return;
  Tag_Ueberlauf(f.von().tagPos() + 1 + a.IncTag, f.von(), heuteJahr);
  Tag_Ueberlauf(f.bis().tagPos() + 1 + a.IncTag, f.bis(), heuteJahr);
  if (a.IncMon == 1) {
    f.von().waehleMonat(Naechster_Monat(f.von().monatPos()));
    f.bis().monatKlick();
    f.bis().waehleMonat(Naechster_Monat(f.bis().monatPos()));
    f.bis().monatKlick();
  }
}

}  // namespace qv
