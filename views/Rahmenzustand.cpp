#include "views/Rahmenzustand.h"

#include "model/Ansicht.h"
#include "model/Zustand.h"

namespace qv {

FrameState& frameState() {
  static FrameState s;
  return s;
}

int& offeneEingabeformen() {
  static int n = 0;
  return n;
}

void resetFrameState() {
  frameState() = FrameState{};
  ViewState& v = viewState();
  v.firstChannelShown = 1;
  // The main window opens on the switching times of the own program (its view item is checked).
  v.AktAnsicht = 0;
  program().AktSpeicher = 0;
}

}  // namespace qv
