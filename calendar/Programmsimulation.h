#pragma once
// The selection state of the simulation window and what it shows: the year, the channel and day
// shown with its program and day model, the legend colours, the caption line, and the steps of
// the day navigation. The window keeps one instance and draws what it says.
#include <QString>
#include <optional>

#include "calendar/Jahresprogramm.h"
#include "calendar/Simulation.h"
#include "calendar/Simulationsbild.h"

namespace qv {

// "C1, Donnerstag 1. Januar 2004, P 0  Betriebsstunden: 0 h 00 Min"; nothing for a program code
// outside 0..11.
std::optional<QString> Tageszeile(int kanal, int tag, int monat, int jahr, int prog, int einMinuten);

class Programmsimulation {
 public:
  // 1 January for channel ersterKanal (the number of the frame's first channel caption).
  explicit Programmsimulation(int ersterKanal);

  int16_t SimJahr = 0;
  int16_t SimKanal = 1;
  int16_t SimTag = 1;
  int16_t SimMonat = 1;
  int16_t TagProg = 0;
  Jahresprogramm kalender;
  Tagesmodell tag;
  Farbtabelle Farbe = Startfarben();

  // The year list's choice. The day shown is computed again for the new year (29 February
  // becomes the 28th in a common year), so the caption never mixes two years.
  void Jahr_waehlen(int jahr);
  // The calendar of the year, the program of the day shown and its day model, from the program
  // as it stands now.
  void Erste_Zeichnung();
  // The day before or after within the year; false at 1 January or 31 December (the day stays).
  bool Vortag();
  bool Folgetag();
  // Selects the day and channel of a strip cell.
  void Waehle(const Treffer& t);
  // The yearly operating hours of the channel shown as the caption text; the day model of the
  // day shown is computed again afterwards.
  QString Betriebsstunden();

  // The first channel of the strip's rows.
  int ersterKanal() const { return kalender.ErsterKanal; }
  int kanalzahl() const;

  // Caption line after navigation and redraw (keeps the old one when it gives nothing).
  std::optional<QString> Tageszeile() const;
  // The caption while dragging over a cell: that day with its own on-time.
  std::optional<QString> Vorschau(const Treffer& t) const;
  // While a button is held on the day graphic: the time of day under the pointer.
  QString Ablesung(int minute) const;
  // After the button comes up: the day without its weekday, the program always as a number.
  QString Ruhezeile() const;

  Jahresstreifen Streifen() const;
  Tagesbild Tagbild(int start) const;

 private:
  bool gehe_zu_Jahrestag(int d);
  void rechneTag();
  QString datumsteil() const;

  int captionKanal_;
};

}  // namespace qv
