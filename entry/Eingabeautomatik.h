#pragma once
// Globals of the input automation that proposes the next entry in the switching-time and
// priority-time forms. Every start-up load gives them their start values.
#include <cstdint>

namespace qv {

struct InputAutomation {
  int16_t AutoAktiv = 0;   // the automation is switched on
  int16_t IncMin = 0;      // minute step to the next proposed switching time
  int16_t IncZustand = 0;  // 1 = the proposed state toggles
  int16_t SwRegelVon = 0;  // ordinal 0..4 of the own changeover rules
  int16_t SwRegelBis = 0;
  int16_t SwWtagVon = 0;   // weekday index of those rules
  int16_t SwWtagBis = 0;
};

InputAutomation& inputAutomation();

// The values every start-up load sets: step 1 minute, toggling state, rule and weekday 4 and 6.
void setInputAutomationStartValues();

}  // namespace qv
