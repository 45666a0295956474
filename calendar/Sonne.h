#pragma once
// Sunrise and sunset to the minute for one calendar day and one latitude, in Universal Time on
// the Greenwich meridian: an hour-by-hour scan of the sun's altitude with a quadratic fit in the
// hour of the crossing, over the low-precision solar series of Van Flandern and Pulkkinen.
// Each routine evaluates the date in a fixed year of its own (1999 for sunrise, 1998 for sunset),
// so the table computed from them is the same whatever the year.
#include <optional>

namespace qv {

// Right ascension (not reduced to 0..2 pi) and declination of the sun, radians.
struct SunPosition {
  double alpha = 0;
  double delta = 0;
};

// t: days after 2000 January 1, 12h UT; tt: Julian centuries since 1900.0 (secular terms).
SunPosition Sonnenposition(double t, double tt);

// The minute of the day (UT, 0..1440) of the day's sunrise or sunset at latitude breite
// (degrees, north positive); empty when the sun does not rise or set that day. tag may run past
// the month's end (29 February is 1 March, 32 December is 1 January of the following year).
// The minute is returned as an exact integer, so no minute is lost in a conversion to hours.
std::optional<int> Sonnenaufgang(double tag, double monat, double breite);
std::optional<int> Sonnenuntergang(double tag, double monat, double breite);

namespace sun_detail {

// Where in an hour (0..1) the altitude crosses the horizon, given its values at the start, the
// middle and the end of the hour; empty unless the two ends have strictly opposite signs.
std::optional<double> crossingInHour(double v0, double v1, double v2);

}  // namespace sun_detail
}  // namespace qv
