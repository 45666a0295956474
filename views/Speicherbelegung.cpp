#include "views/Speicherbelegung.h"

#include "model/Texte.h"
#include "model/Zustand.h"

namespace qv {

Speicherbelegung Berechne_Speicherbelegung(int slot) {
  Speicherbelegung s;
  const int belegt = program().AnzGesamt[slot];
  const int max = profile().MaxSz;
  s.text = QString::number(belegt) + u' ' + texts().S_von + u' ' + QString::number(max);
  s.maximum = 2 * max;
  s.value = belegt;
  return s;
}

}  // namespace qv
