#include "calendar/SimulationSaetze.h"

#include "model/Satz.h"

namespace qv {

bool simKanalGesetzt(int kanal, const TSz& rec) {
  switch (Sz_Art(rec)) {
    case 0:
    case 1:
    case 2:
      return Kanal_gesetzt(kanal, rec) == 1;
    case 3:
    case 4:
    case 5:
      return Kanal_gesetzt(kanal, rec) == 1;
    default:
      return false;
  }
}

int simZustand(const TSz& rec) {
  switch (Sz_Art(rec)) {
    case 3:
    case 4:
    case 5:
      return Sz_Schaltwert(rec) > 0 ? 1 : 0;
    default:
      return Sz_Zustand(rec) != 0 ? 1 : 0;
  }
}

}  // namespace qv
