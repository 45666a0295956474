#include "entry/Auswahlsaetze.h"

#include <algorithm>

#include "model/Ansicht.h"

namespace qv {

bool Auswahlsaetze::Merke(int von, int bis, int slot, bool (*passt)(const TSz&)) {
  Leeren();
  const ViewState& v = viewState();
  const ProgramState& p = program();
  slot_ = slot == 1 ? 1 : 0;
  if (von < 0 || von > bis || bis >= v.AnzAnzeige || bis >= kAnzeigeEintraege) return false;
  const int anzahl = std::min<int>(p.AnzGesamt[slot_], kRecordsPerSlot);
  for (int z = von; z <= bis; ++z) {
    const int nr = v.ZeileZuSz[z];
    if (nr < 0 || nr >= anzahl || (passt && !passt(p.Sz[slot_][nr]))) {
      saetze_.clear();
      return false;
    }
    saetze_.push_back({nr, p.Sz[slot_][nr]});
  }
  von_ = von;
  bis_ = bis;
  return true;
}

void Auswahlsaetze::Leeren() {
  saetze_.clear();
  von_ = 0;
  bis_ = -1;
}

int Auswahlsaetze::Finde(int zeile) {
  const int k = zeile - von_;
  if (k < 0 || k >= static_cast<int>(saetze_.size())) return -1;
  Gemerkt& g = saetze_[static_cast<size_t>(k)];
  const ProgramState& p = program();
  const int anzahl = std::min<int>(p.AnzGesamt[slot_], kRecordsPerSlot);
  if (g.index >= 0 && g.index < anzahl && p.Sz[slot_][g.index] == g.satz) return g.index;
  for (int i = 0; i < anzahl; ++i)
    if (p.Sz[slot_][i] == g.satz) return g.index = i;
  return -1;
}

}  // namespace qv
