#include "calendar/Sonne.h"

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

// The constants as the computation has always used them (not to full precision), so that the
// switching minutes stay those the devices have always been given.
constexpr double kPi = 3.14159265;
constexpr double kZweiPi = 6.2831853;
constexpr double kRad = kPi / 180;
constexpr double kSiderisch = 15 * kRad * 1.0027379;  // sidereal rotation per clock hour

const double kZenit = std::cos(90.833 * kRad);  // refraction and the sun's radius included

constexpr int kJahrAufgang = 1999;
constexpr int kJahrUntergang = 1998;

double Int(double x) { return std::floor(x); }

double Sgn(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

double frac(double x) { return x - Int(x); }

enum class Richtung { Aufgang, Untergang };

std::optional<int> ereignis(double tag, double monat, double breite, Richtung richtung) {
  const double Y = richtung == Richtung::Aufgang ? kJahrAufgang : kJahrUntergang;

  // Julian day number of the date; a whole tag gives the instant 0h UT.
  const double D1 = Int(tag);
  double F = tag - D1 - 0.5;
  double J = -Int(7 * (Int((monat + 9) / 12) + Y) / 4);
  const double s = Sgn(monat - 9);
  const double a = std::fabs(monat - 9);
  double J3 = Int(Y + s * Int(a / 7));
  J3 = -Int((Int(J3 / 100) + 1) * 3 / 4);
  J = J + Int(275 * monat / 9) + D1 + J3 + 1721027 + 2 + 367 * Y;
  if (F < 0) {
    F += 1;
    J -= 1;
  }
  const double t = J - 2451545 + F;
  const double tt = t / 36525 + 1;

  // Greenwich sidereal angle at 0h UT.
  const double T0 = t / 36525;
  const double theta0 = frac((24110.5 + 8640184.813 * T0) / 86400) * 360 * kRad;

  const SunPosition p1 = Sonnenposition(t, tt);
  SunPosition p2 = Sonnenposition(t + 1, tt);
  if (p2.alpha < p1.alpha) p2.alpha += kZweiPi;

  const double sphi = std::sin(breite * kRad);
  const double cphi = std::cos(breite * kRad);
  const double dAlpha = p2.alpha - p1.alpha;
  const double dDelta = p2.delta - p1.delta;
  double alpha0 = p1.alpha;
  double delta0 = p1.delta;
  const auto hoehe = [&](double delta, double h) {
    return sphi * std::sin(delta) + cphi * std::cos(delta) * std::cos(h) - kZenit;
  };

  std::optional<int> result;
  double V0 = hoehe(delta0, theta0 - alpha0);
  for (int c = 0; c < 24; ++c) {
    const double p = (c + 1) / 24.0;
    const double alphaB = p1.alpha + p * dAlpha;
    const double deltaB = p1.delta + p * dDelta;
    const double L0 = theta0 + c * kSiderisch;
    const double L2 = L0 + kSiderisch;
    const double H0 = L0 - alpha0;
    const double H2 = L2 - alphaB;
    const double Hm = (H2 + H0) / 2;
    const double deltaM = (deltaB + delta0) / 2;
    const double V2 = hoehe(deltaB, H2);

    const bool gesucht = richtung == Richtung::Aufgang ? (V0 < 0 && V2 > 0) : (V0 > 0 && V2 < 0);
    if (gesucht) {
      const double V1 = hoehe(deltaM, Hm);
      if (const auto E = sun_detail::crossingInHour(V0, V1, V2)) {
        // Half a minute added, so that truncating rounds to the nearest minute.
        const double T3 = c + *E + 1.0 / 120;
        const double H3 = Int(T3);
        const double M3 = Int((T3 - H3) * 60);
        result = static_cast<int>(H3) * 60 + static_cast<int>(M3);  // the later event wins
      }
    }
    alpha0 = alphaB;
    delta0 = deltaB;
    V0 = V2;
  }
  return result;
}

}  // namespace

SunPosition Sonnenposition(double t, double tt) {
  double L = 0.779072 + 0.00273790931 * t;
  double G = 0.993126 + 0.0027377785 * t;
  L = frac(L) * kZweiPi;
  G = frac(G) * kZweiPi;
  const double V = 0.39785 * std::sin(L) - 0.01 * std::sin(L - G) + 0.00333 * std::sin(L + G) -
                   0.00021 * tt * std::sin(L);
  const double U = 1 - 0.03349 * std::cos(G) - 0.00014 * std::cos(2 * L) + 0.00008 * std::cos(L);
  const double W = -0.0001 - 0.04129 * std::sin(2 * L) + 0.03211 * std::sin(G) +
                   0.00104 * std::sin(2 * L - G) - 0.00035 * std::sin(2 * L + G) -
                   0.00008 * tt * std::sin(G);
  SunPosition p;
  double s = W / std::sqrt(U - V * V);
  p.alpha = L + std::atan(s / std::sqrt(1 - s * s));
  s = V / std::sqrt(U);
  p.delta = std::atan(s / std::sqrt(1 - s * s));
  return p;
}

std::optional<int> Sonnenaufgang(double tag, double monat, double breite) {
  return ereignis(tag, monat, breite, Richtung::Aufgang);
}

std::optional<int> Sonnenuntergang(double tag, double monat, double breite) {
  return ereignis(tag, monat, breite, Richtung::Untergang);
}

namespace sun_detail {

std::optional<double> crossingInHour(double v0, double v1, double v2) {
  if (Sgn(v0) == Sgn(v2) || v0 == 0 || v2 == 0) return std::nullopt;
  const double A = 2 * v2 - 4 * v1 + 2 * v0;
  const double B = 4 * v1 - 3 * v0 - v2;
  double E;
  // Three values on (nearly) one line: the quadratic degenerates, its root is the linear one.
  if (std::fabs(A) < 1e-12) {
    E = -v0 / (v2 - v0);
  } else {
    const double D = B * B - 4 * A * v0;
    if (D < 0) return std::nullopt;  // cannot happen with opposite signs; no event if it does
    const double w = std::sqrt(D);
    E = (-B + w) / (2 * A);
    if (E > 1 || E < 0) E = (-B - w) / (2 * A);
  }
  // With opposite signs at the ends the crossing lies inside the hour; keep rounding noise there.
  return std::clamp(E, 0.0, 1.0);
}

}  // namespace sun_detail
}  // namespace qv
