#pragma once
// The clock-type name of a program loaded from a file, for the header panel.
#include <QString>

namespace qv {

// The brand's name slot for the loaded channel count and device code (the master-card bit does
// not count); with four channels the utility type's slot when the program has a number or a
// measuring channel. "" for 16 channels, brand groups above 6, or a slot the brand does not sell.
QString Uhrentyp_Name();

}  // namespace qv
