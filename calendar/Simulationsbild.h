#pragma once
// What the simulation window draws: the day graphic (twelve hours of one channel's switching
// course over a time ruler) and the year strip (one cell per day and channel in the colour of
// the program in force), as display lists in drawing units, with the strip's geometry that the
// mouse hit test shares. The window replays the lists with a painter.
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "calendar/Jahresprogramm.h"
#include "calendar/Simulation.h"

namespace qv {

// Strip geometry in the window's drawing units.
constexpr int kZellBreite = 7;
constexpr int kZellHoehe = 8;
constexpr int kStreifenX = 51;
constexpr int kStreifenY = 51;
constexpr int kZeilenabstand = kZellHoehe + 2;  // channel rows
constexpr int kMonatsblock = 33;                // cells per month block, room for 31 days
constexpr int kMonatszeile = 6 * kZeilenabstand;

// Day graphic: one unit per minute, twelve hours across.
constexpr int kTagesbildBreite = 720;
constexpr int kTagesbildHoehe = 55;
constexpr int kPegelAus = 40;
constexpr int kPegelEin = kPegelAus - 2 * kZeilenabstand;
constexpr int kLineal = 50;

// The time-window scroll bar: 1..49 choose the twelve hours, 0 and 50 step the day.
constexpr int kScrollMax = 50;

constexpr int kFarben = 12;
using Farbtabelle = std::array<QRgb, kFarben>;
// The legend's colours when the window opens: P 0..P 9, P On, P Off.
Farbtabelle Startfarben();
// "P 0" .. "P 9", "P On", "P Off".
QString Legendentext(int prog);
// The colour of a program code; codes outside 0..11 take P 0's.
QRgb Farbe_von(const Farbtabelle& farbe, int prog);

// One drawing step. Lines include both end points, outlines their corners.
struct Zeichenschritt {
  enum class Art { Linie, Rahmen, Fuellung };
  enum class Rolle { Fest, Vordergrund, Hintergrund };
  Art art;
  QPoint von, bis;
  Rolle rolle = Rolle::Fest;
  QRgb farbe = 0;
  friend bool operator==(const Zeichenschritt&, const Zeichenschritt&) = default;
};
using Zeichenliste = std::vector<Zeichenschritt>;

// ---- Day graphic ----
// The first minute shown for a scroll bar value: always a whole hour, 0..720.
int Startminute(int scrollwert);
// The twelve hour labels "h:00" from the scroll bar value.
std::array<QString, 12> Stundenbeschriftung(int scrollwert);
// The picture for the window that begins at minute start: background, ruler and state line.
struct Tagesbild {
  QRgb hintergrund = 0;
  Zeichenliste schritte;
};
Tagesbild male_SZGrafik(const Tagesmodell& tag, int start, int prog, const Farbtabelle& farbe);

// ---- Year strip ----
struct Beschriftung {
  QPoint pos;
  QString text;
  bool sichtbar = true;
  friend bool operator==(const Beschriftung&, const Beschriftung&) = default;
};
// The cell of day tag of month monat (1-based) in channel row c.
QRect Zellrechteck(int monat, int tag, int c);
// Top-left of month label i (0..11).
QPoint Monatsposition(int i);
// Channel caption k (0..3) of month row r.
QPoint Kanalposition(int r, int k);

struct Jahresstreifen {
  Zeichenliste schritte;
  std::array<Beschriftung, 16> kanaele;  // LblKan, four per month row
  std::array<Beschriftung, 12> monate;   // Lblmonat
};
// The whole strip of year jahr for the kanalzahl channels (at most four rows) shown from channel
// erster on.
Jahresstreifen male_PZGrafik(const Jahresprogramm& kalender, int jahr, int kanalzahl, int erster,
                             const Farbtabelle& farbe);

// The day cell under (x, y): month, day and channel row, when there is one.
struct Treffer {
  int monat, tag, zeile;
  friend bool operator==(const Treffer&, const Treffer&) = default;
};
std::optional<Treffer> Treffer_im_Streifen(int x, int y, int jahr, int kanalzahl);

}  // namespace qv
