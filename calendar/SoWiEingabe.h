#pragma once
// What the changeover table editor does to the table of the own program (slot 0): the checks of
// a new or changed entry, appending and changing entries, and the years it works on.
#include <optional>

#include "model/Zustand.h"

namespace qv {

constexpr int kSwErstesJahr = 1996;
constexpr int kSwReglerLetztesJahr = 2040;  // the year control chooses start years up to here
constexpr int kSwLetztesJahr = 2059;        // the last year the table header can hold

// The year the editor starts with: the current year, 1996 outside 1996..2060, and no start
// year beyond the year control's end.
int SwStartjahr(int aktuellesJahr);
// The year control's digit key: the value with its last digit replaced, taken only strictly
// between the control's ends.
std::optional<int> SwJahrTaste(int wert, int ziffer);
// The days of month 1..12 as the editor allows them: February has 29 days in every fourth year.
int SwTageImMonat(int monat, int jahr);
// The year the next entry of slot 0 belongs to (the year chosen while the table is empty).
int SwJahrNaechsterEintrag(int gewaehltesJahr);

struct SwPruefung {
  enum Art { Ok, AnfaEndd, GleiDatum } art = Ok;
  int nr = 0;  // GleiDatum: the 1-based number of the entry with the same date
};
// Checks entry e for index (the index it is stored at) of slot 0: forward and back change must
// differ; with two entries per year neither change may fall on a change of the other entry of
// the same year.
SwPruefung SwEintrag_pruefen(const TSwEintrag& e, int index);

enum class SwAnfuegen { Angefuegt, Voll, JahrZuSpaet };
// Appends e to slot 0; the first entry of an empty table writes the header from jahr and the
// per-year flag. Nothing is stored when the table is full or the entry's year lies past the
// last year the header can hold.
SwAnfuegen SwEintrag_anfuegen(const TSwEintrag& e, int jahr);
// Whether the entry just appended completed its year.
bool SwJahr_voll();

}  // namespace qv
