#pragma once
// The program's own files (settings, brand file, text tables) live in its start directory and are
// found whatever the letter case of their names, as on the system the files come from.
#include <QString>

namespace qv {

// The name of the existing file that equals name ignoring letter case (the exact name first);
// name itself when there is none, so a new file gets the name as given.
QString fileNameIgnoringCase(const QString& name);

// Whether the program can work in its start directory (the current one): every name it builds
// there must lead back to that folder, which a path that is not valid UTF-8 does not. Otherwise
// false, with *meldung naming the folder (its invalid bytes shown as replacement characters).
bool startDirectoryUsable(QString* meldung);

}  // namespace qv
