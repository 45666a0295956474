#pragma once
// The astro table: per astro channel and day of the year the minutes at which the clock
// switches at sunrise and at sunset, computed from the place settings of the astro dialog, and
// the per-channel switching limits.
#include "model/Astrogrenzen.h"
#include "model/Zustand.h"

namespace qv {

// Place and corrections as the astro dialog stores them: longitude in degrees (west positive),
// latitude in degrees (north positive), time zone and corrections in minutes.
struct AstroPlace {
  double laenge = 0;
  double breite = 0;
  double zeitzone = 0;
  double offsetAuf = 0;
  double offsetUnter = 0;
};

// Fills Aufgang and Untergang of day indexes 0..365 of one channel's row (0 = 1 January of
// jahr; in a common year index 365 is 1 January of the following year). Index 366 and the
// states are left as they are. A day without a sunrise or sunset, and a time that falls outside
// the day, gets keineZeit; the 16-channel type (280) adds the corrections and keeps a sunrise
// shifted before midnight at 0:00 and a sunset shifted past midnight at 23:59.
void Rechne_Astrozeile(TAstroTag (&zeile)[kAstroDays], const AstroPlace& ort, int uhrentyp,
                       int keineZeit, int jahr);

// Recomputes channel kanal (0..3) of astro().AstroTab for the clock profile and this year;
// false (and nothing changed) for a channel outside the table.
bool Rechne_Astrotabelle(double laenge, double breite, double zeitzone, double offsetAuf,
                         double offsetUnter, int kanal);

}  // namespace qv
