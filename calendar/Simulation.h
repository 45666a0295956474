#pragma once
// The day model of the program simulation: for one channel, one date and the program in force
// that day, the switching times of the own program become an ordered list of segments with
// their states and lengths, and the minutes the channel is on.
//
// The simulation never touches the program table: it works on a copy of slot 0 (SimProgramm),
// which it sorts and to which it adds the day's astro switchings as temporary records.
#include <array>
#include <cstdint>
#include <vector>

#include "model/Zustand.h"

namespace qv {

// Zustand: 0 off, 1 on, 2 off pulse, 3 on pulse. Dauer in minutes.
struct TAbschnitt {
  int16_t Zustand = 0;
  int16_t Dauer = 0;
  friend bool operator==(const TAbschnitt&, const TAbschnitt&) = default;
};

constexpr int kAbschnitte = 1441;
constexpr int kProgPermanentEin = 10;
constexpr int kProgPermanentAus = 11;

struct Tagesmodell {
  std::array<TAbschnitt, kAbschnitte> Abschnitt{};  // in time order from 00:00
  int16_t AnzAbschnitte = 0;
  int32_t EinMinuten = 0;
};

// A working copy of a program slot's records, in the order the simulation's sorts give them.
class SimProgramm {
 public:
  struct Satz {
    TSz rec;
    bool temporaer = false;  // an astro switching added for the day being computed
    // Sort keys of the simulation's own three switching-time sorts, computed once per record:
    // a year runs them for every day.
    int64_t schluessel[3]{};
    uint8_t schluesselDa = 0;
  };

  static SimProgramm ausSpeicher(int speicher = 0);

  // The stable display sort with the switching-time (or priority-time) selector set to art for
  // its duration; the user's selectors are put back afterwards.
  void sortiereSz(int art);
  void sortierePz(int art);

  void anhaengen(const TSz& rec, bool temporaer);
  // Removes the temporary records (after the sort that puts astro records first).
  void entferneTemporaere();

  const std::vector<Satz>& saetze() const { return saetze_; }
  int anzahlTemporaere() const;

 private:
  void sortiere(int cacheSlot);
  std::vector<Satz> saetze_;
};

// The day model of channel kanal (1-based) on tag.monat.jahr under program prog (0..9, 10
// permanent on, 11 permanent off). Sorts p and leaves no temporary record in it.
Tagesmodell Rechne_SzGrafik(SimProgramm& p, int kanal, int tag, int monat, int jahr, int prog);
// The same on a fresh copy of slot 0.
Tagesmodell Rechne_SzGrafik(int kanal, int tag, int monat, int jahr, int prog);

// Adds the day's astro switchings of channel kanal and the last astro switching before the day
// (which sets the state at 00:00) to p as temporary records, then sorts p.
void Add_AstroSz(SimProgramm& p, int kanal, int tag, int monat, int jahr);
// Sorts p with the astro records first and removes the temporary ones.
void Kill_AstroSz(SimProgramm& p);

// The temporary record of an astro switching at minute t on tag.monat.
TSz astroSchaltzeit(int t, int tag, int monat, int kanalFeld, int zustand);

}  // namespace qv
