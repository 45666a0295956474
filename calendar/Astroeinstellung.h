#pragma once
// The astro dialog's settings: the scroll-bar values of the place and the corrections, their
// texts, the astro channel the dialog works on, and taking the settings over into the astro
// globals and the astro table.
#include <QString>

#include "calendar/Orte.h"

namespace qv {

// Scroll-bar ends; the middle of each (half its maximum) is the zero of its setting.
constexpr int kReglerBreiteMax = 280;
constexpr int kReglerLaengeMax = 720;
constexpr int kReglerZeitzoneMax = 96;
constexpr int kReglerOffsetMax = 240;
constexpr int kGrenzeAufMax = 720;
constexpr int kGrenzeUnterMin = 721;
constexpr int kGrenzeUnterMax = 1439;

// The five place and correction values of the dialog's scroll bars.
struct AstroRegler {
  int breite = kReglerBreiteMax / 2;
  int laenge = kReglerLaengeMax / 2;
  int zeitzone = kReglerZeitzoneMax / 2 - 4;  // "+ 1:00"
  int offsetAuf = kReglerOffsetMax / 2;
  int offsetUnter = kReglerOffsetMax / 2;
};

// What all of the dialog's scroll bars show: the place and corrections, and the limits of the
// astro channel it works on.
struct AstroStellung {
  int breite = 0, laenge = 0, zeitzone = 0, offsetAuf = 0, offsetUnter = 0;
  int grenzeAuf = 0, grenzeUnter = kGrenzeUnterMin;
  AstroRegler regler() const { return {breite, laenge, zeitzone, offsetAuf, offsetUnter}; }
  friend bool operator==(const AstroStellung&, const AstroStellung&) = default;
};

// The scroll-bar values for the astro globals, each brought into its bar's range.
AstroRegler Regler_aus_Astrodaten();
// The globals the values stand for: latitude (V - 140) / 2 north, longitude (360 - V) / 2 west,
// time zone (48 - V) * 15 minutes (the opposite of the zone shown), corrections V - 120.
void Astrodaten_aus_Reglern(const AstroRegler& r);

// The place codes of the three place values, and the values a place's codes give.
PlaceCodes Ortcodes(const AstroRegler& r);
void Setze_Ort(AstroRegler& r, const PlaceCodes& c);

// "48 Grad Nord", "32,5 Grad Süd" (the locale's decimal sign), "0 Grad".
QString Breite_Text(int v);
QString Laenge_Text(int v);
// "+ 1:00 Std", "- 3:30 Std"; French "+ 5h45".
QString Zeitzone_Text(int v);
// "-15 Min".
QString Offset_Text(int v);

// The astro channel (1..4) the dialog opens with on the 16-channel type: the first without
// astro times, else 1.
int Astrokanal_beim_Oeffnen();
// The limit scroll-bar values for a channel's stored limits (a sunset limit of 721 opens as 1439).
int Grenze_Auf_beim_Oeffnen(int grenzeAuf);
int Grenze_Unter_beim_Oeffnen(int grenzeUnter);
// The astro channel OK works on: the channel shown in the frame when it is one of the clock
// type's astro channels, else the current astro channel.
int Astrokanal_fuer_OK(int angezeigt);

// Back in the dialog: the bars it shows from now on. A bar the user moved since the dialog showed
// gezeigt keeps its value; every other one shows the place the program has now and, on the
// 16-channel type, the limits stored for the channel (0-based), so a program opened meanwhile
// keeps what it brought. gezeigt becomes what counts as shown.
AstroStellung Nachgefuehrte_Astrostellung(AstroStellung& gezeigt, const AstroStellung& jetzt, int kanal);

// OK: the globals from the values, the astro table of the channel computed with the states for
// every day, the channel marked as having astro times, its limits and states stored.
struct AstroKanalEinstellung {
  int grenzeAuf = 0;
  int grenzeUnter = kGrenzeUnterMin;
  int zustandAuf = 0;
  int zustandUnter = 1;
};
void Astro_uebernehmen(const AstroRegler& r, int kanal, const AstroKanalEinstellung& k);

}  // namespace qv
