#include "views/ui/Dialogaufrufe.h"

#include "views/ui/FrmFilter.h"

namespace qv {

QWidget* Oeffne_Filterdialog() {
  Zeige_Filterdialog();
  return offenerFilterdialog();
}

}  // namespace qv
