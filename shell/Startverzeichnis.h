#pragma once
// The program's own files (settings, brand file, text tables) live in its start directory and are
// found whatever the letter case of their names, as on the system the files come from.
#include <QString>

namespace qv {

// The name of the existing file that equals name ignoring letter case (the exact name first);
// name itself when there is none, so a new file gets the name as given.
QString fileNameIgnoringCase(const QString& name);

}  // namespace qv
