#pragma once
// The main window's grid: a table whose header row is the horizontal header, so grid row r
// (counted from 1 under the header) is table row r - 1. It reports the mouse in the order the
// grid handlers expect (down, move while held, up, double click) and keeps the right button off
// the selection.
#include <QTableWidget>
#include <functional>

#include "views/Gridauswahl.h"
#include "views/Gridinhalt.h"

namespace qv {

class GrdDisplSz : public QTableWidget {
  Q_OBJECT
 public:
  explicit GrdDisplSz(QWidget* parent);

  // Copies a grid content: header texts, cells, widths (each widened where its texts need more);
  // leaves the selection on row 1, columns 0..1.
  void fuelle(const GridInhalt& g);

  GridSelection auswahl() const;
  // Selects grid rows r0..r1, columns c0..c1 (the current cell stays where it is).
  void setzeAuswahl(int r0, int r1, int c0, int c1);
  // The current cell in grid rows and columns, and any cell's text.
  int Row() const;
  int Col() const;
  void setzeZelle(int r, int c);
  QString Text(int r, int c) const;

  std::function<void(Qt::MouseButton)> MouseDown;
  std::function<void()> MouseMove;
  // With the column under the mouse at the release (-1 outside the cells).
  std::function<void(Qt::MouseButton, int spalte)> MouseUp;
  std::function<void()> DblClick;
  std::function<void(int spalte)> HeaderClick;

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void passeSpaltenAn(const GridInhalt& g);

  Qt::MouseButton gedrueckt_ = Qt::NoButton;
};

}  // namespace qv
