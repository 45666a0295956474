#include "calendar/Astrotabelle.h"

#include <cmath>

#include "calendar/Sonne.h"
#include "model/Environment.h"
#include "model/Kalender.h"

namespace qv {
namespace {

constexpr int kTagesMinuten = 1440;
constexpr int kTageBerechnet = 366;  // day indexes 0..365

// The UT minute of the event moved to the place's clock, as the 16-bit word stores it (the
// settings are whole minutes; anything else is rounded half to even). Empty when not finite.
std::optional<double> verschoben(int minute, double verschiebung) {
  const double v = std::nearbyint(minute + verschiebung);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace

void Rechne_Astrozeile(TAstroTag (&zeile)[kAstroDays], const AstroPlace& ort, int uhrentyp,
                       int keineZeit, int jahr) {
  const auto keine = static_cast<int16_t>(keineZeit);
  const bool mitKorrektur = uhrentyp == 280;
  // Four minutes per degree of longitude, floored.
  const double lz = std::floor(ort.laenge * 4);
  const double basis = lz - ort.zeitzone;
  const double verschAuf = basis + (mitKorrektur ? ort.offsetAuf : 0);
  const double verschUnter = basis + (mitKorrektur ? ort.offsetUnter : 0);

  for (int n = 0; n < kTageBerechnet; ++n) {
    const int monat = Monat_aus_Jahrestag(n + 1, jahr);
    const int tag = Tag_aus_Jahrestag(n + 1, jahr);
    TAstroTag& t = zeile[n];

    // A day without the event keeps no switching time (never one at midnight).
    const auto auf = Sonnenaufgang(tag, monat, ort.breite);
    const auto vAuf = auf ? verschoben(*auf, verschAuf) : std::nullopt;
    if (!vAuf) {
      t.Aufgang = keine;
    } else if (*vAuf < 0) {
      t.Aufgang = mitKorrektur ? 0 : keine;
    } else if (*vAuf >= kTagesMinuten) {
      t.Aufgang = keine;
    } else {
      t.Aufgang = static_cast<int16_t>(*vAuf);
    }

    const auto unter = Sonnenuntergang(tag, monat, ort.breite);
    const auto vUnter = unter ? verschoben(*unter, verschUnter) : std::nullopt;
    if (!vUnter || *vUnter < 0) {
      t.Untergang = keine;
    } else if (*vUnter >= kTagesMinuten) {
      t.Untergang = mitKorrektur ? static_cast<int16_t>(kTagesMinuten - 1) : keine;
    } else {
      t.Untergang = static_cast<int16_t>(*vUnter);
    }
  }
}

bool Rechne_Astrotabelle(double laenge, double breite, double zeitzone, double offsetAuf,
                         double offsetUnter, int kanal) {
  if (kanal < 0 || kanal >= kAstroChannels) return false;
  BusyCursor busy;
  // The year once for the whole table, so that a computation running over midnight on New
  // Year's Eve cannot mix a leap year's days with a common year's.
  const int jahr = env().now().date().year();
  const AstroPlace ort{laenge, breite, zeitzone, offsetAuf, offsetUnter};
  Rechne_Astrozeile(astro().AstroTab[kanal], ort, profile().Uhrentyp, profile().KeineZeit, jahr);
  return true;
}

}  // namespace qv
