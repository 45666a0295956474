#pragma once
// Reading a program file (".qvl") or the key-transfer image "card.dat" into a program slot.
#include <QString>

namespace qv {

enum class LeseErgebnis : int {
  Geladen = 0,           // loaded
  Ungueltig = 1,         // not a valid image (value, checksum, format id, chain, missing text)
  Fehlt = 2,             // no such file
  Familienkonflikt = 3,  // other device family while the other slot holds records
  ZuGross = 4,           // longer than any program file (refused before reading its values)
  Gemeldet = 5,          // there, but no regular file or unreadable: already reported, naming it
  Abbild8K = 74,         // an 8 KB image on a 2 KB clock type
  Typ240 = 240,          // the image belongs to clock type 240
  Typ309 = 309,          // the image belongs to clock type 309
  Mastercard = -1,       // a master-card image: nothing is loaded, the slot is left empty
};

// Reads the file into slot `Speicher` (0 own program, 1 template) and decodes it by the running
// clock type. OhneTexte = 0 reads the usage text and channel names after the values.
// The slot and the settings change only on Geladen (and Mastercard, which empties the slot);
// every refusal leaves everything as it was. A template read takes only the template's own data
// (and the device family while slot 0 is empty), never the own program's settings or astro data.
LeseErgebnis LeseProgrammDatei(const QString& dateiname, int OhneTexte, int Speicher);

}  // namespace qv
