#pragma once
// The memory-key transfer behind "Quorvel programmieren" ("s") and "Quorvel lesen" ("l"): the
// request file, then the helper program "kelvor.exe" (adapter on a parallel port) or the serial
// block protocol (adapter on COM n, Lpt = n + 3); a read ends with "card.dat" in slot 0.
#include <QString>
#include <functional>

namespace qv {

void KartenZugriff(const QString& richtung);

// The serial road, replaceable in tests; unset: SeriellerZugriff().
std::function<int()>& serielleStrecke();

}  // namespace qv
