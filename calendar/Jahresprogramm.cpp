#include "calendar/Jahresprogramm.h"

#include <algorithm>

#include "calendar/SimulationSaetze.h"
#include "model/Environment.h"
#include "model/Kalender.h"
#include "model/Satz.h"

namespace qv {
namespace {

constexpr int kSortPrioritaet = 8;

void fuelle(Jahresprogramm& j, int c, int von, int bis, int wert) {
  for (int x = std::max(von, 0); x <= std::min(bis, kProgTagTage - 1); ++x)
    j.ProgTag[c][x] = static_cast<int16_t>(wert);
}

}  // namespace

std::optional<int> Jahresprogramm::spalte(int kanal) const {
  const int c = kanal - ErsterKanal;
  if (c < 0 || c > LetzteSpalte) return std::nullopt;
  return c;
}

int Jahresprogramm::programm(int kanal, int tagIndex) const {
  const auto c = spalte(kanal);
  if (!c || tagIndex < 0 || tagIndex >= kProgTagTage) return 0;
  return ProgTag[*c][tagIndex];
}

Jahresprogramm Rechne_pzgrafik(SimProgramm& p, int jahr, int ersterKanal) {
  Jahresprogramm j;
  const int kanalzahl = profile().Kanalzahl;
  if (kanalzahl < 5) {
    j.ErsterKanal = 1;
    j.LetzteSpalte = static_cast<int16_t>(std::clamp(kanalzahl - 1, 0, kProgTagSpalten - 1));
  } else {
    j.ErsterKanal = static_cast<int16_t>(std::clamp(ersterKanal, 1, 99));
    j.LetzteSpalte = kProgTagSpalten - 1;
  }
  p.sortierePz(kSortPrioritaet);

  const int N = Tage_im_Jahr(jahr);
  for (const SimProgramm::Satz& satz : p.saetze()) {
    const TSz& rec = satz.rec;
    const int art = Sz_Art(rec);
    if (art != 2 && art != 5) continue;
    const int jb = Pz_Jahresbezug(jahr, rec);
    if (jb <= 0) continue;
    const int prio = Sz_Prio(rec);
    int wert;
    if (prio >= 0 && prio <= 9) wert = prio;
    else if (prio == 10) wert = simZustand(rec) == 1 ? kProgPermanentEin : kProgPermanentAus;
    else continue;  // no program of that number

    int b = Tage_bis_Monatsende(Pz_Beginn_Monat(rec, jahr) - 1, jahr) + Pz_Beginn_Tag(rec, jahr);
    int e = Tage_bis_Monatsende(Pz_Ende_Monat(rec, jahr) - 1, jahr) + Pz_Ende_Tag(rec, jahr);
    if (jb == 3) e = N;
    if (jb == 4) b = 1;

    for (int c = 0; c <= j.LetzteSpalte; ++c) {
      if (!simKanalGesetzt(j.ErsterKanal + c, rec)) continue;
      // Day indexes outside the year (a malformed date) are not written.
      if (b <= e) {
        fuelle(j, c, b - 1, std::min(e, N) - 1, wert);
      } else {
        fuelle(j, c, b - 1, N - 1, wert);
        fuelle(j, c, 0, std::min(e, N) - 1, wert);
      }
    }
  }
  return j;
}

Jahresprogramm Rechne_pzgrafik(int jahr, int ersterKanal) {
  SimProgramm p = SimProgramm::ausSpeicher(0);
  return Rechne_pzgrafik(p, jahr, ersterKanal);
}

int32_t Jahresbetriebsstunden(SimProgramm& p, int kanal, int jahr) {
  BusyCursor busy;
  // The calendar is computed with the channel's own column, whatever group the frame shows.
  const Jahresprogramm kalender = Rechne_pzgrafik(p, jahr, kanal);
  int32_t total = 0;
  const int N = Tage_im_Jahr(jahr);
  for (int d = 1; d <= N; ++d) {
    const int monat = Monat_aus_Jahrestag(d, jahr);
    const int tag = Tag_aus_Jahrestag(d, jahr);
    total += Rechne_SzGrafik(p, kanal, tag, monat, jahr, kalender.programm(kanal, d - 1)).EinMinuten;
  }
  return total;
}

int32_t Jahresbetriebsstunden(int kanal, int jahr) {
  SimProgramm p = SimProgramm::ausSpeicher(0);
  return Jahresbetriebsstunden(p, kanal, jahr);
}

}  // namespace qv
