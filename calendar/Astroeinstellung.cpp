#include "calendar/Astroeinstellung.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "calendar/Astrotabelle.h"
#include "model/Texte.h"
#include "model/Uebernahme.h"
#include "model/Zustand.h"

namespace qv {
namespace {

// A stored value that is no number, or beyond the bar, stops at the bar's end.
int aufRegler(double v, int max) {
  if (!std::isfinite(v)) return max / 2;
  return static_cast<int>(std::clamp(v, 0.0, static_cast<double>(max)));
}

QString zahl(double x) { return QLocale().toString(x, 'g', QLocale::FloatingPointShortest); }

QString grad(int v, int mitte, const QString& negativ, const QString& positiv) {
  const Texts& t = texts();
  const int d = mitte - v;
  if (d == 0) return QStringLiteral("0") + t.S_Grad;
  return zahl(std::abs(d) / 2.0) + t.S_Grad + (d < 0 ? negativ : positiv);
}

}  // namespace

AstroRegler Regler_aus_Astrodaten() {
  const AstroState& a = astro();
  AstroRegler r;
  r.offsetAuf = aufRegler(std::nearbyint(kReglerOffsetMax / 2 + double{a.AstroKorrAuf}), kReglerOffsetMax);
  r.offsetUnter = aufRegler(std::nearbyint(kReglerOffsetMax / 2 + double{a.AstroKorrUnter}), kReglerOffsetMax);
  r.zeitzone = aufRegler(std::nearbyint(kReglerZeitzoneMax / 2 - double{a.AstroZeitzone} / 15), kReglerZeitzoneMax);
  r.breite = aufRegler(std::floor(2 * double{a.AstroBreite}) + kReglerBreiteMax / 2, kReglerBreiteMax);
  r.laenge = aufRegler(kReglerLaengeMax / 2 - std::floor(2 * double{a.AstroLaenge}), kReglerLaengeMax);
  return r;
}

void Astrodaten_aus_Reglern(const AstroRegler& r) {
  AstroState& a = astro();
  a.AstroLaenge = static_cast<float>((kReglerLaengeMax / 2 - r.laenge) / 2.0);
  a.AstroBreite = static_cast<float>((r.breite - kReglerBreiteMax / 2) / 2.0);
  a.AstroZeitzone = static_cast<float>((kReglerZeitzoneMax / 2 - r.zeitzone) * 15);
  a.AstroKorrAuf = static_cast<float>(r.offsetAuf - kReglerOffsetMax / 2);
  a.AstroKorrUnter = static_cast<float>(r.offsetUnter - kReglerOffsetMax / 2);
}

PlaceCodes Ortcodes(const AstroRegler& r) {
  return {kReglerLaengeMax - r.laenge, kReglerBreiteMax - r.breite, kReglerZeitzoneMax - r.zeitzone};
}

void Setze_Ort(AstroRegler& r, const PlaceCodes& c) {
  r.laenge = kReglerLaengeMax - c.laenge;
  r.breite = kReglerBreiteMax - c.breite;
  r.zeitzone = kReglerZeitzoneMax - c.zeitzone;
}

QString Breite_Text(int v) { return grad(v, kReglerBreiteMax / 2, texts().S_Nord, texts().S_Sued); }

QString Laenge_Text(int v) { return grad(v, kReglerLaengeMax / 2, texts().S_Ost, texts().S_West); }

QString Zeitzone_Text(int v) {
  const Texts& t = texts();
  const int m = (v - kReglerZeitzoneMax / 2) * 15;
  QString s = (m < 0 ? QStringLiteral("- ") : QStringLiteral("+ ")) + QString::number(std::abs(m) / 60) +
              t.S_Doppelpunkt + QStringLiteral("%1").arg(std::abs(m) % 60, 2, 10, QChar(u'0'));
  // French reads "+ 5h45" without a unit.
  if (settings().Sprache != 3) s += u' ' + t.S_Std;
  return s;
}

QString Offset_Text(int v) { return QString::number(v - kReglerOffsetMax / 2) + u' ' + texts().S_Min; }

int Astrokanal_beim_Oeffnen() {
  for (int k = 1; k <= kAstroChannels; ++k)
    if (astro().AstroAktiv[k] == 0) return k;
  return 1;
}

int Grenze_Auf_beim_Oeffnen(int g) { return (g > 0 && g < kGrenzeUnterMin) ? g : 0; }

int Grenze_Unter_beim_Oeffnen(int g) { return (g > kGrenzeUnterMin && g < kGrenzeUnterMax) ? g : kGrenzeUnterMax; }

int Astrokanal_fuer_OK(int angezeigt) {
  if (profile().Uhrentyp != 280) return 0;
  if (angezeigt >= 1 && angezeigt <= kAstroChannels) return angezeigt - 1;
  return std::clamp<int>(astro().AstroKanal, 0, kAstroChannels - 1);
}

AstroStellung Nachgefuehrte_Astrostellung(AstroStellung& gezeigt, const AstroStellung& jetzt, int kanal) {
  using S = AstroStellung;
  static constexpr int S::*kFelder[] = {&S::breite,      &S::laenge,    &S::zeitzone,   &S::offsetAuf,
                                        &S::offsetUnter, &S::grenzeAuf, &S::grenzeUnter};
  const AstroRegler r = Regler_aus_Astrodaten();
  // The limits of the other types are hidden and stay as they are.
  AstroStellung aktuell = jetzt;
  aktuell.breite = r.breite;
  aktuell.laenge = r.laenge;
  aktuell.zeitzone = r.zeitzone;
  aktuell.offsetAuf = r.offsetAuf;
  aktuell.offsetUnter = r.offsetUnter;
  if (profile().Uhrentyp == 280 && kanal >= 0 && kanal < kAstroChannels) {
    const TAstroEinst& g = astro().AstroGrenzen[kanal];
    aktuell.grenzeAuf = Grenze_Auf_beim_Oeffnen(g.GrenzeAuf);
    aktuell.grenzeUnter = Grenze_Unter_beim_Oeffnen(g.GrenzeUnter);
  }
  return Nachgefuehrt(gezeigt, jetzt, aktuell, kFelder);
}

void Astro_uebernehmen(const AstroRegler& r, int kanal, const AstroKanalEinstellung& k) {
  if (kanal < 0 || kanal >= kAstroChannels) return;
  Astrodaten_aus_Reglern(r);
  AstroState& a = astro();
  a.AstroKanal = static_cast<int16_t>(kanal);
  Rechne_Astrotabelle(a.AstroLaenge, a.AstroBreite, a.AstroZeitzone, a.AstroKorrAuf, a.AstroKorrUnter, kanal);
  // Day 366 is never computed and keeps its states too.
  for (int d = 0; d < kAstroDays - 1; ++d) {
    a.AstroTab[kanal][d].ZustandAuf = static_cast<int16_t>(k.zustandAuf);
    a.AstroTab[kanal][d].ZustandUnter = static_cast<int16_t>(k.zustandUnter);
  }
  a.AstroAktiv[kanal + 1] = -1;
  a.AstroAktiv[0] = -1;
  a.AstroGrenzen[kanal] = {static_cast<int16_t>(k.grenzeAuf), static_cast<int16_t>(k.grenzeUnter),
                           static_cast<int16_t>(k.zustandAuf), static_cast<int16_t>(k.zustandUnter)};
  program().Geaendert = 1;
}

}  // namespace qv
