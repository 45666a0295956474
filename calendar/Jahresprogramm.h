#pragma once
// The year program calendar of the simulation (which program is in force on each day for each
// channel shown) and the yearly operating hours of a channel.
#include <cstdint>
#include <optional>

#include "calendar/Simulation.h"

namespace qv {

constexpr int kProgTagSpalten = 4;
constexpr int kProgTagTage = 366;

struct Jahresprogramm {
  // Per column and day index (0 = 1 January): 0..9 program P0..P9, 10 permanent on, 11 off.
  int16_t ProgTag[kProgTagSpalten][kProgTagTage]{};
  int16_t ErsterKanal = 1;    // the channel of column 0
  int16_t LetzteSpalte = 0;

  // The column of channel kanal, when the calendar has one for it.
  std::optional<int> spalte(int kanal) const;
  // The program of channel kanal on day index tagIndex; P0 where the calendar has none.
  int programm(int kanal, int tagIndex) const;
};

// The calendar of year jahr from the priority times of p (which it sorts). Clock types with up
// to four channels show channels 1..; the 16-channel type the group of four from ersterKanal.
Jahresprogramm Rechne_pzgrafik(SimProgramm& p, int jahr, int ersterKanal);
Jahresprogramm Rechne_pzgrafik(int jahr, int ersterKanal);

// The on-minutes of channel kanal over year jahr (busy cursor while it runs).
int32_t Jahresbetriebsstunden(SimProgramm& p, int kanal, int jahr);
int32_t Jahresbetriebsstunden(int kanal, int jahr);

}  // namespace qv
