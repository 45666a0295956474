#pragma once

namespace qv {

// Puts the calendar windows (holiday editor, changeover table editor, astro dialog) into
// fensteraufrufe(), where the main window opens them.
void Kalenderfenster_anmelden();

}  // namespace qv
