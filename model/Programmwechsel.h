#pragma once
// Windows that stay open beside the main window and show what the program holds are told at once
// when a command has put another program into the tables (Open, a read from the key, by infrared
// or over the bus, a template opened or closed) or has saved the program under another name, so
// that none of them goes on showing the program before, nor takes it over later.
#include <QObject>

namespace qv {

class ProgramEvents : public QObject {
  Q_OBJECT
 signals:
  // Another program stands in the tables' slot (0 the own program, 1 the template).
  void replaced(int slot);
  // The own program has another file name.
  void renamed();
};

ProgramEvents& programEvents();

inline void Melde_Programmwechsel(int slot) { emit programEvents().replaced(slot); }
inline void Melde_neuen_Dateinamen() { emit programEvents().renamed(); }

}  // namespace qv
