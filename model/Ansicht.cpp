#include "model/Ansicht.h"

namespace qv {

ViewState::ViewState() {
  for (auto& z : ZeileZuSz) z = -1;
}

ViewState& viewState() {
  static ViewState s;
  return s;
}

void resetViewState() { viewState() = ViewState{}; }

FilterSettings filterStartValues(int geraetefamilie) {
  FilterSettings f;
  f.FilterProgBis = geraetefamilie == 1 ? 7 : 10;
  return f;
}

void Filter_Startwerte() { viewState().filter = filterStartValues(profile().Geraetefamilie); }

}  // namespace qv
