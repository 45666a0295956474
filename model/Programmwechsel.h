#pragma once
// Windows that stay open beside the main window and show what the program holds are told at once
// when a command has put another program into the tables (Open, a read from the key, by infrared
// or over the bus) or has saved the program under another name, so that none of them goes on
// showing the program before, nor takes it over later.
#include <QObject>

namespace qv {

class ProgramEvents : public QObject {
  Q_OBJECT
 signals:
  // Another program stands in the tables as the own program.
  void replaced();
  // The own program has another file name.
  void renamed();
};

ProgramEvents& programEvents();

inline void Melde_Programmwechsel() { emit programEvents().replaced(); }
inline void Melde_neuen_Dateinamen() { emit programEvents().renamed(); }

}  // namespace qv
