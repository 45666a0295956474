#pragma once
// An independent reference for sunrise and sunset: NOAA's solar-position equations (Meeus,
// low-accuracy sun: mean longitude and anomaly, equation of centre, apparent longitude,
// obliquity, equation of time), the event hour angle iterated at the time of the event.
#include <chrono>
#include <cmath>
#include <numbers>
#include <optional>

namespace qv::test {

struct NoaaSun {
  double declination;  // degrees
  double eqTime;       // minutes
};

inline double toRad(double d) { return d * std::numbers::pi / 180; }
inline double toDeg(double r) { return r * 180 / std::numbers::pi; }

inline NoaaSun noaaSun(double jd) {
  const double T = (jd - 2451545.0) / 36525;
  const double L0 = std::fmod(280.46646 + T * (36000.76983 + T * 0.0003032), 360.0);
  const double M = 357.52911 + T * (35999.05029 - 0.0001537 * T);
  const double e = 0.016708634 - T * (0.000042037 + 0.0000001267 * T);
  const double C = std::sin(toRad(M)) * (1.914602 - T * (0.004817 + 0.000014 * T)) +
                   std::sin(toRad(2 * M)) * (0.019993 - 0.000101 * T) +
                   std::sin(toRad(3 * M)) * 0.000289;
  const double omega = 125.04 - 1934.136 * T;
  const double lambda = L0 + C - 0.00569 - 0.00478 * std::sin(toRad(omega));
  const double eps0 = 23 + (26 + (21.448 - T * (46.815 + T * (0.00059 - T * 0.001813))) / 60) / 60;
  const double eps = eps0 + 0.00256 * std::cos(toRad(omega));
  const double decl = toDeg(std::asin(std::sin(toRad(eps)) * std::sin(toRad(lambda))));
  const double y = std::pow(std::tan(toRad(eps / 2)), 2);
  const double eq = y * std::sin(2 * toRad(L0)) - 2 * e * std::sin(toRad(M)) +
                    4 * e * y * std::sin(toRad(M)) * std::cos(2 * toRad(L0)) -
                    0.5 * y * y * std::sin(4 * toRad(L0)) - 1.25 * e * e * std::sin(2 * toRad(M));
  return {decl, 4 * toDeg(eq)};
}

// Julian day of 0h UT of a date; the day may run past the month's end.
inline double julianDay0h(int year, int month, int day) {
  using namespace std::chrono;
  const sys_days first{std::chrono::year{year} / std::chrono::month(static_cast<unsigned>(month)) / 1};
  return first.time_since_epoch().count() + (day - 1) + 2440587.5;
}

// Minutes UT after 0h of the date at which the sun's upper limb crosses the horizon (90.833
// degrees), at longitude lonEast (degrees, east positive); empty when it does not that day.
inline std::optional<double> noaaEvent(int year, int month, int day, double lat, double lonEast,
                                       bool rising) {
  const double jd0 = julianDay0h(year, month, day);
  double minutes = 720 - 4 * lonEast;
  for (int i = 0; i < 6; ++i) {
    const NoaaSun s = noaaSun(jd0 + minutes / 1440);
    const double cosH = std::cos(toRad(90.833)) / (std::cos(toRad(lat)) * std::cos(toRad(s.declination))) -
                        std::tan(toRad(lat)) * std::tan(toRad(s.declination));
    if (cosH < -1 || cosH > 1) return std::nullopt;
    const double H = toDeg(std::acos(cosH));
    minutes = 720 - 4 * (lonEast + (rising ? H : -H)) - s.eqTime;
  }
  return minutes;
}

}  // namespace qv::test
