#include "views/Gridereignisse.h"

#include <cmath>

#include "model/Ansicht.h"
#include "model/Hooks.h"
#include "model/Sortierung.h"
#include "model/Val.h"
#include "model/Zustand.h"
#include "views/Rahmenzustand.h"

namespace qv {

bool Spaltenkopf_geklickt(int spalte) {
  const ViewState& v = viewState();
  if (spalte <= 0) return false;
  if (v.AktAnsicht == 0) {
    // Key numbers follow the eight-column layout, which type 309 shows without the pulse column.
    sortSelectors().SortArtSz = spalte + (spalte > 3 && profile().Uhrentyp == 309 ? 1 : 0);
  } else if (v.AktAnsicht == 1) {
    sortSelectors().SortArtPz = spalte;
  } else {
    return false;
  }
  const int slot = program().AktSpeicher;
  SortiereSz(1, slot);
  callHook(hooks().Fuelle_Grid, slot);
  return true;
}

int Programmspalte() {
  switch (viewState().AktAnsicht) {
    case 0:
      if (profile().Uhrentyp == 309) return 6;
      if (profile().Uhrentyp == 240) return 7;
      return -1;
    case 1:
      return 6;
    default:
      return -1;
  }
}

bool Programmsprung(int spalte, const QString& zelltext) {
  ViewState& v = viewState();
  if (program().AktSpeicher != 0 || spalte < 0 || spalte != Programmspalte()) return false;
  const double nummer = Val(zelltext);
  if (!(nummer > 0)) return false;
  frameState().ProgSprung = true;
  v.AktAnsicht = v.AktAnsicht == 0 ? 1 : 0;
  const auto prog = static_cast<int16_t>(std::lround(std::min(nummer, 255.0)));
  v.filter.FilterProgVon = v.filter.FilterProgBis = prog;
  v.filter.FilterAn = -1;
  callHook(hooks().Fuelle_Grid, program().AktSpeicher);
  return true;
}

bool Sprung_zurueck() {
  if (!frameState().ProgSprung) return false;
  ViewState& v = viewState();
  frameState().ProgSprung = false;
  v.AktAnsicht = v.AktAnsicht == 1 ? 0 : 1;
  v.filter.FilterProgVon = 0;
  v.filter.FilterProgBis = 10;
  v.filter.FilterAn = 0;
  callHook(hooks().Fuelle_Grid, program().AktSpeicher);
  return true;
}

Doppelklickaktion Doppelklick(const QString& nummertext) {
  switch (viewState().AktAnsicht) {
    case 0:
    case 1:
    case 2:
      break;
    case 3:
      return Doppelklickaktion::Astro;
    default:
      return Doppelklickaktion::Keine;
  }
  if (Val(nummertext) != 0)
    return program().AktSpeicher == 0 ? Doppelklickaktion::Aendern : Doppelklickaktion::Kopieren;
  switch (viewState().AktAnsicht) {
    case 0:
      return Doppelklickaktion::NeuSz;
    case 1:
      return Doppelklickaktion::NeuPz;
    default:
      return Doppelklickaktion::NeuSw;
  }
}

}  // namespace qv
