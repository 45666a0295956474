#pragma once
// Priority-time records as the priority-time form builds them: the date-range and Easter
// layouts, the dates a holiday stands for, and the duplicate scan against the stored records.
#include <QDate>
#include <optional>
#include <vector>

#include "model/Feiertage.h"
#include "model/Zustand.h"

namespace qv {

constexpr int kPzJahrcodeBasis = 1936;  // year code = year - 1936
constexpr int kPzJahrcodeMax = 127;     // seven bits: 2063 is the last year a record can carry

// What the form shows, as numbers.
struct PzEingabe {
  int vonTag = 1, vonMonat = 1, bisTag = 1, bisMonat = 1;
  int jahrcode = 0;  // 0 every year
  int einmal = 0;    // word 3 bit 6: year-bound (or the one-off mark where no year is offered)
  int prio = 1;      // 1..9, 10 "Permanent" (family 1: 1..7, 8)
  int zustand = 0;   // state of a permanent entry
  int kanal = 0;     // channel mask, or on the 16-channel type the channel number from 0
};

// A date range (a one-day record has from = to) in the layout of the device family.
TSz Pz_Zeitraum_Satz(const PzEingabe& e, int familie);
// An Easter-relative record; wert = days from Easter Sunday + 82.
TSz Pz_Oster_Satz(int wert, int prio, int kanal, int zustand);

struct Kalendertag {
  int tag = 0, monat = 0, jahr = 0;
  friend bool operator==(const Kalendertag&, const Kalendertag&) = default;
};
// The weekday w (-k: weekday k before, +k: after; 1 Monday .. 7 Sunday) next to tag.monat of
// the year, 1 to 7 days away; the reference date itself never qualifies.
Kalendertag Wochentag_relativ(int tag, int monat, int w, int jahr);

// One dated record a holiday stands for.
struct PzTag {
  int tag = 0, monat = 0, jahrcode = 0, einmal = 0;
  friend bool operator==(const PzTag&, const PzTag&) = default;
};
// The records of one holiday: an Easter-relative record, or dated records (one per year for a
// weekday rule on clock types with movable holidays). Empty when the holiday cannot make a
// record (unknown kind, no day or month, a distance outside the record's range, past 2063).
struct Feiertagssaetze {
  std::optional<int> osterwert;
  std::vector<PzTag> tage;
  bool leer() const { return !osterwert && tage.empty(); }
};
// listJahrcode and listEinmal are what the form's year choice gives a fixed-date holiday.
Feiertagssaetze Feiertag_Saetze(const TFeiertag& ft, const QDate& heute, int bewft, int ftJahre, int listJahrcode,
                                int listEinmal);

// The first record of slot 0 that the new one duplicates (art 2) or repeats with the other state
// (art 1); the record at index ausgenommen (-1: none) is the one being changed and not counted.
struct PzKonflikt {
  int art = 0;  // 0 none
  int index = -1;
};
PzKonflikt Suche_Pz_Konflikt(const TSz& neu, int ausgenommen);

}  // namespace qv
