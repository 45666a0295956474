#pragma once
// Messages of printing and help that the text tables do not hold, in the UI language: German,
// English, French; the user text file gets the English ones.
#include <QString>

namespace qv {

enum class Meldungstext {
  DruckerNichtBereit,    // no printer can be used
  DateiNichtSchreibbar,  // %1 the file, %2 the reason
  HilfedateiFehlt,       // %1 the help file looked for
};

// The text for the language settings().Sprache names (1 German, 2 English, 3 French, 4 the user
// text file).
QString Meldung(Meldungstext m);

// A file that could not be written, with the reason when one is known.
QString Datei_nicht_schreibbar(const QString& datei, const QString& grund);

}  // namespace qv
