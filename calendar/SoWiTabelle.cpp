#include "calendar/SoWiTabelle.h"

#include <cmath>

#include "model/Satz.h"

namespace qv {
namespace {

SwEingabeState gEingabe;

int schluessel(int erstes, int zweites) { return (erstes % 2) * 16384 + zweites * 32 + erstes / 16; }

// The day number of day d of month index monat: 1 January 1993 is day 4, and day mod 7 is the
// weekday (0 Monday).
int tagesnummer(int d, int monat, int jahr) {
  const int schalttag = (monat >= 2 && jahr % 4 == 0) ? 1 : 0;
  return static_cast<int>(std::floor((jahr - 1993) * 365.25)) + 3 + Jahrestag_Monatsende(monat) +
         schalttag + d;
}

}  // namespace

void SwHalbe_Kodieren(const SwHalbe& h, uint8_t& erstes, uint8_t& zweites) {
  erstes = static_cast<uint8_t>(h.Tag / 16 + h.Stunde * 16 + h.Verschiebung * 2);
  zweites = static_cast<uint8_t>((h.Tag % 16) * 16 + h.Monat);
}

SwHalbe SwHalbe_Lesen(uint8_t erstes, uint8_t zweites) {
  SwHalbe h;
  h.Stunde = Bit_Feld(4, 7, erstes);
  h.Verschiebung = Bit_Feld(1, 2, erstes);
  h.Monat = Bit_Feld(0, 3, zweites);
  h.Tag = Bit_Feld(0, 0, erstes) * 16 + Bit_Feld(4, 7, zweites);
  return h;
}

TSwEintrag SwEintrag_Bauen(const SwHalbe& vor, const SwHalbe& zurueck) {
  TSwEintrag e;
  SwHalbe_Kodieren(vor, e.w0, e.w1);
  SwHalbe_Kodieren(zurueck, e.w2, e.w3);
  return e;
}

SwHalbe SwEintrag_Vor(const TSwEintrag& e) { return SwHalbe_Lesen(e.w0, e.w1); }
SwHalbe SwEintrag_Zurueck(const TSwEintrag& e) { return SwHalbe_Lesen(e.w2, e.w3); }
bool SwEintrag_belegt(const TSwEintrag& e) { return e.w0 < 240; }

int SwSchluessel_Von(const TSwEintrag& e) { return schluessel(e.w0, e.w1); }
int SwSchluessel_Bis(const TSwEintrag& e) { return schluessel(e.w2, e.w3); }

int Jahrestag_Monatsende(int m) {
  static constexpr int kEnde[12] = {31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  return (m >= 1 && m <= 12) ? kEnde[m - 1] : 0;
}

int Regeltag(int ordinal, int wochentag, int monat, int jahr) {
  if (ordinal < 0 || ordinal > 4 || wochentag < 0 || wochentag > 6 || monat < 0 || monat > 11 ||
      jahr < kRegeltagErstesJahr || jahr > kRegeltagLetztesJahr)
    return 0;
  int d0 = 1;
  if (ordinal == 4) {
    if (monat == 1) d0 = (jahr % 4 == 0) ? 23 : 22;
    else if (monat == 3 || monat == 5 || monat == 8 || monat == 10) d0 = 24;
    else d0 = 25;
  }
  const int off = (wochentag + 7 - tagesnummer(d0, monat, jahr) % 7) % 7;
  return ordinal == 4 ? d0 + off : 1 + off + 7 * ordinal;
}

SwEingabeState& swEingabe() { return gEingabe; }

SwRegeltage SwAutomatikTage(int regelVon, int wtagVon, int regelBis, int wtagBis) {
  const SwEingabeState& s = gEingabe;
  return {Regeltag(regelVon, wtagVon, s.SwMonatVon, s.SwEingabeJahr) - 1,
          Regeltag(regelBis, wtagBis, s.SwMonatBis, s.SwEingabeJahr) - 1};
}

}  // namespace qv
