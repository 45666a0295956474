#pragma once
// The records behind the rows a change or copy run works through. The form takes them when it
// opens and finds each one again by its content whenever it loads or stores it: a column
// heading, a save or the other entry form closing re-sorts the slot meanwhile, and a run must
// never land on another record than the one it shows.
#include <vector>

#include "model/Zustand.h"

namespace qv {

class Auswahlsaetze {
 public:
  // Takes display rows von..bis of viewState() as records of the slot. False (and empty) when a
  // row leads to no record of the slot, or to one that passt refuses.
  bool Merke(int von, int bis, int slot, bool (*passt)(const TSz&) = nullptr);
  void Leeren();
  int von() const { return von_; }
  int bis() const { return bis_; }
  // The index of the row's record in its slot now: where it stood when last found, else the
  // first equal record (equal records are interchangeable); -1 when the slot no longer holds it
  // or the row is not one of the run's.
  int Finde(int zeile);

 private:
  struct Gemerkt {
    int index = -1;
    TSz satz{};
  };
  int slot_ = 0;
  int von_ = 0, bis_ = -1;
  std::vector<Gemerkt> saetze_;
};

}  // namespace qv
