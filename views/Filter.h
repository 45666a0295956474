#pragma once
// The display filter: the start-up values of the filter record and the two tests that decide
// whether a switching time or a priority time is shown in the filtered lists.
#include "model/Ansicht.h"
#include "model/Zustand.h"

namespace qv {

// The filter record as every start-up load leaves it; FilterProgBis depends on the device family.
FilterSettings filterStartValues(int geraetefamilie);
// Puts viewState().filter back to its start-up values for the current device family.
void Filter_Startwerte();

// Switching-time list: day or program and month, state or value, pulse, channel.
bool passesSwitchingFilter(const TSz& rec, const FilterSettings& f);
// Priority list: channel, program range, month span.
bool passesPriorityFilter(const TSz& rec, const FilterSettings& f);

}  // namespace qv
