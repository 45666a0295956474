#include "calendar/ui/Kalenderfenster.h"

#include "calendar/ui/FrmAstro.h"
#include "calendar/ui/FrmEinSW.h"
#include "calendar/ui/FrmFeiertage.h"
#include "views/ui/Fensteraufrufe.h"

namespace qv {

void Kalenderfenster_anmelden() {
  Fensteraufrufe& f = fensteraufrufe();
  f.frmfeiertage = &Oeffne_frmfeiertage;
  f.frmEinSW = &Oeffne_frmEinSW;
  f.frmastro = &Oeffne_frmastro;
}

}  // namespace qv
