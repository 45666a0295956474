#pragma once
// The switching limits of the astro channels: the range each limit must keep, and the current
// astro channel whose limits the astro dialog shows.
#include "model/Zustand.h"

namespace qv {

// The limits brought into range: a sunrise limit outside 0..720 becomes 0, a sunset limit
// outside 721..1439 becomes 1439.
TAstroEinst normalisedLimits(TAstroEinst e);

// Makes kanal (0..3) the current astro channel, brings its limits into range and shows them in
// the astro dialog when it is open. Ignored for a channel outside the table.
void Setze_Astrogrenzen(int kanal);

}  // namespace qv
