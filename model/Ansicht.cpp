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

}  // namespace qv
