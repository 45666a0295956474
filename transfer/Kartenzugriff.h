#pragma once
// The memory-key transfer behind "Quorvel programmieren" ("s") and "Quorvel lesen" ("l"): the
// request file, then the helper program "kelvor.exe" (adapter on a parallel port) or the serial
// block protocol (adapter on COM n, Lpt = n + 3); a read ends with "card.dat" in slot 0.
#include <QString>
#include <functional>

namespace qv {

void KartenZugriff(const QString& richtung);

// Reads an image exchange file ("card.dat", "exchg.dat") into slot 0 as a new, unsaved program
// with usage "unbekannt" and the first free default name; a refusal is reported and leaves the
// program exactly as it was. True when loaded.
bool Lade_Austauschabbild(const QString& datei);
// A program read from the device into slot 0 (key, infrared or bus): new, unsaved, usage
// "unbekannt", the first free default name; the windows left open are told.
void Als_gelesenes_Programm();

// The serial road, replaceable in tests; unset: SeriellerZugriff().
std::function<int()>& serielleStrecke();

}  // namespace qv
