#pragma once
// Messages of printing, help and file reading that the text tables do not hold, in the UI language: German,
// English, French; the user text file gets the English ones.
#include <QString>

namespace qv {

enum class Meldungstext {
  DruckerNichtBereit,    // no printer can be used
  DateiNichtSchreibbar,  // %1 the file, %2 the reason
  HilfedateiFehlt,       // %1 the help file looked for
  DateiZuGross,          // a file longer than the bound its reader sets
  OhneFeiertageBeenden,  // after a holiday file that could not be written, at the program's end
  OhneFeiertageNeu,      // the same before New
};

// The text for the language settings().Sprache names (1 German, 2 English, 3 French, 4 the user
// text file).
QString Meldung(Meldungstext m);

// A file that could not be written, with the reason when one is known.
QString Datei_nicht_schreibbar(const QString& datei, const QString& grund);

// A file that could not be read, by the reason readWholeFile gave: too large, S_DateiNicht for a
// missing one (or no reason), else the reason itself (a name that is no regular file, no right).
QString Dateifehler_Text(const QString& grund);

}  // namespace qv
