#pragma once
// The memory gauge of the header panel: how much of the clock's memory a slot uses.
#include <QString>

namespace qv {

struct Speicherbelegung {
  QString text;     // "12 von 324"
  int maximum = 0;  // twice the capacity: a full memory fills half of the gauge
  int value = 0;    // records in use; set after the maximum
};

// The label text and gauge values for the slot (0 or 1).
Speicherbelegung Berechne_Speicherbelegung(int slot);

}  // namespace qv
