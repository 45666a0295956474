#pragma once
// Windows that stay open beside the main window while a command may replace the program or its
// settings behind them (Open, a read): what such a window takes over is only what the user
// changed in it, laid over the values as they are by then, and it shows those values as soon as
// the command has run (model/Programmwechsel.h) and whenever it is active again. A window keeps what it showed (gezeigt) beside what it shows now (jetzt); both
// are plain structs of one field type, named by a list of member pointers.
#include <cstddef>

namespace qv {

// Each field the user changed (jetzt differs from gezeigt) as the window shows it, every other as
// aktuell gives it.
template <typename T, typename M, std::size_t N>
T Geaendertes_ueber(const T& gezeigt, const T& jetzt, T aktuell, M T::* const (&felder)[N]) {
  for (M T::* f : felder)
    if (jetzt.*f != gezeigt.*f) aktuell.*f = jetzt.*f;
  return aktuell;
}

// Back in the window: returns what it shows from now on; gezeigt becomes what counts as shown,
// so a field the user changed stays changed and every other one follows aktuell.
template <typename T, typename M, std::size_t N>
T Nachgefuehrt(T& gezeigt, const T& jetzt, const T& aktuell, M T::* const (&felder)[N]) {
  const T neu = Geaendertes_ueber(gezeigt, jetzt, aktuell, felder);
  gezeigt = Geaendertes_ueber(jetzt, gezeigt, neu, felder);
  return neu;
}

}  // namespace qv
