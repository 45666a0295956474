#include "views/Anzeigeliste.h"

#include <algorithm>

#include "views/Filter.h"

namespace qv {

void Loesche_Anzeigezeile(int zeile) {
  if (zeile < 0 || zeile >= kAnzeigeEintraege) return;
  viewState().Anzeigeliste[zeile] = TSz{};
}

void Baue_Anzeigeliste(int modus, int slot) {
  ViewState& v = viewState();
  // Clear the whole list, so nothing reads a record of an earlier build past the count.
  for (int z = 0; z < kAnzeigeEintraege; ++z) {
    Loesche_Anzeigezeile(z);
    v.ZeileZuSz[z] = -1;
  }
  const ProgramState& p = program();
  const bool schaltzeiten = modus < 2;
  const int von = schaltzeiten ? 0 : p.AnzSz[slot];
  const int bis = std::min<int>(schaltzeiten ? p.AnzSz[slot] : p.AnzGesamt[slot], kRecordsPerSlot);
  const bool gefiltert = modus == -1 || modus == 3;
  int n = 0;
  for (int i = std::max(von, 0); i < bis && n < kAnzeigeEintraege; ++i) {
    const TSz& r = p.Sz[slot][i];
    if (gefiltert) {
      const bool passt = schaltzeiten ? passesSwitchingFilter(r, v.filter) : passesPriorityFilter(r, v.filter);
      if (!passt) continue;
    }
    v.Anzeigeliste[n] = r;
    v.ZeileZuSz[n] = static_cast<int16_t>(i);
    ++n;
  }
  v.AnzAnzeige = static_cast<int16_t>(n);
}

}  // namespace qv
