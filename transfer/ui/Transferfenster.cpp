#include "transfer/ui/Transferfenster.h"

#include "transfer/Kartenzugriff.h"
#include "transfer/SeriellerZugriff.h"
#include "transfer/ui/FRM_SERIEL_IO.h"
#include "transfer/ui/frmIRAccess.h"
#include "views/ui/Fensteraufrufe.h"

namespace qv {

void Installiere_Transferfenster() {
  fensteraufrufe().KartenZugriff = &KartenZugriff;
  fensteraufrufe().frmIRAccess = [] { return static_cast<QWidget*>(frmIRAccess::Oeffne()); };
  serielFenster() = [] { return std::unique_ptr<SerielAnzeige>(new FRM_SERIEL_IO); };
}

}  // namespace qv
