#pragma once
// Messages that the UI text tables have no text for, in the three built-in languages; the user
// text file gets the English one. One row per message; a new message is one more row.
#include <QString>

namespace qv {

enum class Meldung {
  DateiZuGross,  // a file longer than the bound its reader sets
};

// The text in the current UI language (settings().Sprache).
QString meldung(Meldung m);

// What a file that could not be read is reported as, by the reason readWholeFile gave: too
// large, or else S_DateiNicht.
QString Dateifehler_Text(const QString& grund);

}  // namespace qv
