#include "views/ui/Rahmen.h"

#include "model/Hooks.h"
#include "views/ui/FrmChangeGridData.h"
#include "views/ui/MDIForm1.h"

namespace qv {

void Oeffne_Rahmen() {
  if (!hooks().Zellendialog) installCellDialog();
  auto* rahmen = new MDIForm1;
  rahmen->show();
}

}  // namespace qv
