#pragma once
// Entries of the summer/winter changeover table and the rule days (first .. fourth or last
// weekday of a month) by which the changeover editor fills an entry automatically.
#include <cstdint>

#include "model/Zustand.h"

namespace qv {

// One half of an entry: the hour of the change (0..12), the shift in hours (0..3), the day and
// the month.
struct SwHalbe {
  int Stunde = 0;
  int Verschiebung = 0;
  int Tag = 0;
  int Monat = 0;
  friend bool operator==(const SwHalbe&, const SwHalbe&) = default;
};

// The two image bytes of one half: hour * 16 + shift * 2 + day \ 16, (day mod 16) * 16 + month.
void SwHalbe_Kodieren(const SwHalbe& h, uint8_t& erstes, uint8_t& zweites);
SwHalbe SwHalbe_Lesen(uint8_t erstes, uint8_t zweites);
TSwEintrag SwEintrag_Bauen(const SwHalbe& vor, const SwHalbe& zurueck);
SwHalbe SwEintrag_Vor(const TSwEintrag& e);
SwHalbe SwEintrag_Zurueck(const TSwEintrag& e);
bool SwEintrag_belegt(const TSwEintrag& e);  // w0 < 240

// Comparison keys of the forward and the back half: equal exactly when day, month and hour are
// equal (the shift takes no part); at most 24,460.
int SwSchluessel_Von(const TSwEintrag& e);
int SwSchluessel_Bis(const TSwEintrag& e);

// Day of the year of the last day of month m (1..12) in a common year; 0 for any other m.
int Jahrestag_Monatsende(int m);

constexpr int kRegeltagErstesJahr = 1996;
constexpr int kRegeltagLetztesJahr = 2060;

// The day of month of the ordinal-th (0 first .. 3 fourth, 4 last) weekday (0 Monday ..
// 6 Sunday) of month index monat (0 January .. 11 December) in jahr. 0 for an ordinal outside
// 0..4, a weekday or month outside its range, or a year outside 1996..2060 (the day numbering
// takes every fourth year as a leap year).
int Regeltag(int ordinal, int wochentag, int monat, int jahr);

// Values only the changeover editor keeps: the month indexes of the forward and the back
// change and the year the editor works on.
struct SwEingabeState {
  int16_t SwMonatVon = 2;   // March
  int16_t SwMonatBis = 9;   // October
  int16_t SwEingabeJahr = 0;
};
SwEingabeState& swEingabe();

// The day-list indexes automatic filling sets (rule day - 1; -1 selects nothing).
struct SwRegeltage {
  int TagVonIndex = -1;
  int TagBisIndex = -1;
};
SwRegeltage SwAutomatikTage(int regelVon, int wtagVon, int regelBis, int wtagBis);

}  // namespace qv
