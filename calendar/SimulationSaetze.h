#pragma once
// How the simulation reads a record's channel and state for both record families: a family-1
// record (value device) names one channel by number and is on while its value is above 0.
#include "model/Zustand.h"

namespace qv {

bool simKanalGesetzt(int kanal, const TSz& rec);
int simZustand(const TSz& rec);

}  // namespace qv
