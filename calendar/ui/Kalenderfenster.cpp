#include "calendar/ui/Kalenderfenster.h"

#include "calendar/ui/FrmFeiertage.h"
#include "views/ui/Fensteraufrufe.h"

namespace qv {

void Kalenderfenster_anmelden() {
  Fensteraufrufe& f = fensteraufrufe();
  f.frmfeiertage = &Oeffne_frmfeiertage;
}

}  // namespace qv
