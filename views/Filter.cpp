#include "views/Filter.h"

#include "model/Satz.h"

namespace qv {
namespace {

bool passesChannel(const TSz& rec, const FilterSettings& f) {
  const int k = Sz_Kanal(rec);
  if (profile().Uhrentyp == 280) return f.FilterKanal == 255 || k == f.FilterKanal;
  return (k & f.FilterKanal) != 0;
}

bool passesProgram(const TSz& rec, const FilterSettings& f) {
  const int p = Sz_Prio(rec);
  return f.FilterProgVon <= p && p <= f.FilterProgBis;
}

}  // namespace

bool passesSwitchingFilter(const TSz& rec, const FilterSettings& f) {
  const int w = Sz_Wochentage(rec);
  if (w != 0) {
    if (!passesProgram(rec, f) || (w & f.FilterWtag) == 0) return false;
  } else {
    const int m = Sz_Monat(rec);
    if (f.FilterMonVon < 1 || m < f.FilterMonVon || m > f.FilterMonBis) return false;
  }

  const int v = Sz_Schaltwert(rec);
  if (profile().Geraetefamilie == 1) {
    if (f.FilterEinAus == 0 && v != f.FilterWert) return false;
    if (f.FilterEinAus == 1 && v > f.FilterWert) return false;
    if (f.FilterEinAus == 2 && v < f.FilterWert) return false;
  } else if (f.FilterEinAus < 2 && v != f.FilterEinAus) {
    return false;
  }

  const int p = Sz_Impuls(rec);
  if (f.FilterImpuls == 0 && p >= 1) return false;
  if (f.FilterImpuls == 1 && p == 0) return false;

  return passesChannel(rec, f);
}

bool passesPriorityFilter(const TSz& rec, const FilterSettings& f) {
  if (!passesChannel(rec, f) || !passesProgram(rec, f)) return false;
  // The stored month fields, as they stand (an Easter-bound entry has begin month 0).
  const int b = Bit_Feld(1, 4, rec.w0);
  const int e = Bit_Feld(4, 7, rec.w5);
  const int von = f.FilterMonVon;
  const int bis = f.FilterMonBis;
  if (b > e && von >= 1) {
    // A period over the new year covers b..December and January..e: it misses the range only
    // when both ends lie outside it.
    return !(b > bis && e < von);
  }
  const bool excluded = (b > bis && e < von) || (b < von && e < von) || (b > bis && e > bis);
  return !excluded;
}

}  // namespace qv
