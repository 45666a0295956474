#pragma once
// The display list: the records of one slot that the switching-time or priority view shows, in
// table order and optionally filtered, with the row map ZeileZuSz back into the slot.
#include "model/Ansicht.h"

namespace qv {

// modus -1: filtered switching times; other values below 2: all switching times;
// 3: filtered priority times; 2 and above 3: all priority times. Uses viewState().filter.
// Every entry beyond the count is left zero, and its row map -1.
void Baue_Anzeigeliste(int modus, int slot);
// Zeroes display entry zeile (0..500); out-of-range numbers are ignored.
void Loesche_Anzeigezeile(int zeile);

}  // namespace qv
