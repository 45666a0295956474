#include "views/ui/GrdDisplSz.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace qv {

GrdDisplSz::GrdDisplSz(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("GrdDisplSz"));
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setWordWrap(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  // A header click chooses the sort key; it does not select the column.
  disconnect(horizontalHeader(), SIGNAL(sectionPressed(int)), this, nullptr);
  disconnect(horizontalHeader(), SIGNAL(sectionEntered(int)), this, nullptr);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) {
    if (HeaderClick) HeaderClick(c);
  });
}

void GrdDisplSz::fuelle(const GridInhalt& g) {
  setUpdatesEnabled(false);
  const QSignalBlocker block(selectionModel());
  clearSelection();
  const int zeilen = std::max(g.rows - 1, 0);
  setColumnCount(g.cols);
  setRowCount(zeilen);
  setHorizontalHeaderLabels(g.cells.value(0));
  for (int r = 1; r <= zeilen; ++r) {
    for (int c = 0; c < g.cols; ++c) {
      QTableWidgetItem* it = item(r - 1, c);
      if (!it) {
        it = new QTableWidgetItem;
        setItem(r - 1, c, it);
      }
      it->setText(g.text(r, c));
      const Qt::Alignment a = (c == 0 && g.firstColumnRight) ? Qt::AlignRight : Qt::AlignLeft;
      it->setTextAlignment(a | Qt::AlignVCenter);
    }
  }
  passeSpaltenAn(g);
  setUpdatesEnabled(true);
  if (zeilen > 0 && g.cols > 0) {
    setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    setzeAuswahl(1, 1, 0, std::min(1, g.cols - 1));
  }
  // The selection changed although its signal was blocked.
  emit itemSelectionChanged();
}

void GrdDisplSz::passeSpaltenAn(const GridInhalt& g) {
  // A column is as wide as the list lays it out, or wider where its header or a text needs more
  // in the language and font shown, so no text is cut.
  const int dpi = logicalDpiX();
  QStyleOptionViewItem opt;
  initViewItemOption(&opt);
  const int linie = showGrid() ? 1 : 0;
  for (int c = 0; c < g.cols; ++c) {
    int breite = std::max(g.widthsTwips.value(c) * dpi / 1440, horizontalHeader()->sectionSizeHint(c));
    // The cells share the grid's font: the widest text decides.
    QModelIndex breiteste;
    int text = 0;
    for (int r = 0; r < rowCount(); ++r) {
      const QModelIndex i = model()->index(r, c);
      const int w = fontMetrics().horizontalAdvance(i.data().toString());
      if (w > text) {
        text = w;
        breiteste = i;
      }
    }
    if (breiteste.isValid())
      breite = std::max(breite, itemDelegateForIndex(breiteste)->sizeHint(opt, breiteste).width() + linie);
    setColumnWidth(c, breite);
  }
}

GridSelection GrdDisplSz::auswahl() const {
  GridSelection s;
  s.cols = columnCount();
  const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
  if (ranges.isEmpty()) {
    const int r = std::max(currentRow(), 0) + 1;
    const int c = std::max(currentColumn(), 0);
    s.startRow = s.endRow = r;
    s.startCol = s.endCol = c;
    return s;
  }
  s.startRow = ranges.front().topRow() + 1;
  s.endRow = ranges.front().bottomRow() + 1;
  s.startCol = ranges.front().leftColumn();
  s.endCol = ranges.front().rightColumn();
  for (const QTableWidgetSelectionRange& r : ranges) {
    s.startRow = std::min(s.startRow, r.topRow() + 1);
    s.endRow = std::max(s.endRow, r.bottomRow() + 1);
    s.startCol = std::min(s.startCol, r.leftColumn());
    s.endCol = std::max(s.endCol, r.rightColumn());
  }
  return s;
}

void GrdDisplSz::setzeAuswahl(int r0, int r1, int c0, int c1) {
  const int zeilen = rowCount();
  const int spalten = columnCount();
  if (zeilen == 0 || spalten == 0) return;
  r0 = std::clamp(r0, 1, zeilen);
  r1 = std::clamp(r1, 1, zeilen);
  c0 = std::clamp(c0, 0, spalten - 1);
  c1 = std::clamp(c1, 0, spalten - 1);
  const QItemSelection sel(model()->index(std::min(r0, r1) - 1, std::min(c0, c1)),
                           model()->index(std::max(r0, r1) - 1, std::max(c0, c1)));
  selectionModel()->select(sel, QItemSelectionModel::ClearAndSelect);
}

int GrdDisplSz::Row() const { return currentRow() + 1; }
int GrdDisplSz::Col() const { return currentColumn(); }

void GrdDisplSz::setzeZelle(int r, int c) {
  if (r < 1 || r > rowCount() || c < 0 || c >= columnCount()) return;
  selectionModel()->setCurrentIndex(model()->index(r - 1, c), QItemSelectionModel::NoUpdate);
}

QString GrdDisplSz::Text(int r, int c) const {
  const QTableWidgetItem* it = item(r - 1, c);
  return it ? it->text() : QString();
}

void GrdDisplSz::mousePressEvent(QMouseEvent* e) {
  gedrueckt_ = e->button();
  if (e->button() == Qt::LeftButton) {
    QTableWidget::mousePressEvent(e);
  } else {
    // The right button leaves the selection as it is, so a range of astro times can be edited.
    setFocus(Qt::MouseFocusReason);
  }
  if (MouseDown) MouseDown(e->button());
}

void GrdDisplSz::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton) || gedrueckt_ != Qt::LeftButton) return;
  QTableWidget::mouseMoveEvent(e);
  if (MouseMove) MouseMove();
}

void GrdDisplSz::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) QTableWidget::mouseReleaseEvent(e);
  gedrueckt_ = Qt::NoButton;
  if (MouseUp) MouseUp(e->button(), columnAt(e->position().toPoint().x()));
}

void GrdDisplSz::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  gedrueckt_ = Qt::LeftButton;
  const QModelIndex idx = indexAt(e->position().toPoint());
  if (idx.isValid()) setCurrentIndex(idx);
  if (DblClick) DblClick();
}

bool GrdDisplSz::event(QEvent* e) {
  // The menu's shortcuts (Ctrl+C copy, Ctrl+A astro data, Del) win over the table's own keys.
  if (e->type() == QEvent::ShortcutOverride) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->matches(QKeySequence::Copy) || k->matches(QKeySequence::SelectAll) || k->key() == Qt::Key_Delete) {
      e->ignore();
      return true;
    }
  }
  return QTableWidget::event(e);
}

}  // namespace qv
