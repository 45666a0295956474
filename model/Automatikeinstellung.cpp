#include "model/Automatikeinstellung.h"

namespace qv {

InputAutomation& inputAutomation() {
  static InputAutomation a;
  return a;
}

void setInputAutomationStartValues() {
  InputAutomation& a = inputAutomation();
  a.IncMin = 1;
  a.IncZustand = 1;
  a.SwRegelVon = 4;
  a.SwRegelBis = 4;
  a.SwWtagVon = 6;
  a.SwWtagBis = 6;
}

}  // namespace qv
