#pragma once
// The settings of the input automation that proposes the next entry in the entry forms. Never
// stored; every start-up load gives some of them their start values. One instance for the whole
// run (inputAutomation()).
#include <cstdint>

namespace qv {

struct InputAutomation {
  int16_t AutoAktiv = 0;   // run the step after each accepted entry
  int16_t AutoAktiv2 = 0;  // copy of AutoAktiv for the changeover-table editor
  int16_t IncMin = 0;      // minute step 0..59
  int16_t IncStd = 0;      // hour step 0..23
  int16_t IncTag = 0;      // day step 0..364 (date entries only)
  int16_t IncMon = 0;      // 1 = the month steps by one
  int16_t IncWtag = 0;     // 1 = the weekdays step by one (weekday entries only)
  int16_t IncPrio = 0;     // 1 = the program steps by one
  int16_t IncZustand = 0;  // the steps toggle the state only when this is 1 (family 1: 0..255)
  int16_t SwRegelVon = 0;  // own changeover rule: ordinal 0..4 (4 = last) and weekday 0..6
  int16_t SwRegelBis = 0;
  int16_t SwWtagVon = 0;
  int16_t SwWtagBis = 0;
  friend bool operator==(const InputAutomation&, const InputAutomation&) = default;
};

InputAutomation& inputAutomation();

// The values every start-up load sets: step 1 minute, toggling state, last Sunday for both
// changes. The other settings keep theirs.
void setInputAutomationStartValues();

}  // namespace qv
