#pragma once
// Where the input automation reaches into the switching-time entry form: its frame's three
// controls and the step after an accepted entry. The automation fills these; while a member is
// unset, the control does nothing.
#include <functional>

namespace qv {

class FrmEingSz;

struct SzAutomatik {
  // One step of the proposal on the form's fields (after an accepted entry while AutoAktiv is 1,
  // and on the frame's "Ausführen").
  std::function<void(FrmEingSz&)> Automatik_Schritt;
  // The frame's check box changed (the form has already set it).
  std::function<void(FrmEingSz&)> chkautopil_Click;
  // The frame's "Neu": the automation settings.
  std::function<void(FrmEingSz&)> cmdneuassi_Click;
};

SzAutomatik& szAutomatik();

}  // namespace qv
