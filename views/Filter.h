#pragma once
// The display filter: the two tests that decide whether a switching time or a priority time is
// shown in the filtered lists.
#include "model/Ansicht.h"
#include "model/Zustand.h"

namespace qv {

// Switching-time list: day or program and month, state or value, pulse, channel.
bool passesSwitchingFilter(const TSz& rec, const FilterSettings& f);
// Priority list: channel, program range, month span.
bool passesPriorityFilter(const TSz& rec, const FilterSettings& f);

}  // namespace qv
