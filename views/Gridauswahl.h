#pragma once
// The selection of the main grid as the commands read it: grid rows counted from 1 (row 0 is the
// header row), columns from 0, start never after end.
#include <algorithm>

namespace qv {

struct GridSelection {
  int startRow = 1;
  int endRow = 1;
  int startCol = 0;
  int endCol = 0;
  int cols = 0;  // columns of the view shown

  bool wholeRows() const { return startCol == 0 && endCol == cols - 1; }
};

// The rows of a selection that hold data: [max(1, start), min(end, dataRows)]; empty when none.
struct Zeilenbereich {
  int von = 1;
  int bis = 0;
  bool leer() const { return bis < von; }
  int anzahl() const { return leer() ? 0 : bis - von + 1; }
};

inline Zeilenbereich Auswahl_begrenzen(const GridSelection& s, int datenzeilen) {
  const int von = std::max(1, std::min(s.startRow, s.endRow));
  const int bis = std::min(std::max(s.startRow, s.endRow), datenzeilen);
  return {von, bis};
}

// Whole rows that hold data: the selection the delete, change and copy commands act on.
inline bool Ganze_Datenzeilen(const GridSelection& s, int datenzeilen) {
  return s.wholeRows() && !Auswahl_begrenzen(s, datenzeilen).leer();
}

}  // namespace qv
