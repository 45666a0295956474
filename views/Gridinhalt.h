#pragma once
// The content of the main grid for the view viewState().AktAnsicht: caption, layout, header row
// and every cell text. A window copies it into its table as it stands: row 0 is the header row,
// row r >= 1 shows display entry r - 1 (views 0 and 1), changeover entry r - 1 (view 2) or day
// of the year r (view 3). After copying, the window leaves the selection on row 1, columns 0..1.
#include <QString>
#include <QStringList>
#include <QVector>

namespace qv {

struct GridInhalt {
  bool filled = false;         // false for an unknown view: the window leaves its grid alone
  QString caption;             // caption of the main window
  int cols = 0;
  int rows = 0;                // header row included
  QVector<int> widthsTwips;    // per column; pixels = twips * logicalDpiX / 1440
  bool firstColumnRight = true;  // column 0 is right-aligned
  QVector<QStringList> cells;  // rows x cols, row 0 the header texts
  int dataRows = 0;            // AnzGridZeilen: rows that hold data (read by the grid printer)

  QString text(int r, int c) const { return cells.value(r).value(c); }
};

// Builds the content for the slot (0 program, 1 template). As the fill always did, it rebuilds
// the display list for views 0 and 1 (filtered by FilterAn) and sets viewState().AnzGridZeilen.
GridInhalt Baue_Gridinhalt(int slot);

// The astro channel the astro view shows and edits, 0..3: on type 280 the frame's channel shown
// (a channel outside 1..4 has no astro table and counts as channel 1), else 0.
int Angezeigter_Astrokanal();

// Row-number text of column 0: "  7", " 42", "123".
QString Zeilennummer_Text(int r);

}  // namespace qv
