#include "entry/ui/Eingabefelder.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "entry/Eingaberegeln.h"
#include "model/Environment.h"
#include "model/Zustand.h"
#include "views/ui/FrmHauptmenue.h"
#include "views/ui/MDIForm1.h"

namespace qv {

ColourCheckBox::ColourCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
  setAutoFillBackground(true);
  recolour();
  connect(this, &QCheckBox::toggled, this, &ColourCheckBox::recolour);
}

QColor ColourCheckBox::colour() const { return palette().color(QPalette::Window); }

void ColourCheckBox::recolour() {
  QPalette p = palette();
  p.setColor(QPalette::Window, Haekchenfarbe(isChecked()));
  p.setColor(QPalette::Button, Haekchenfarbe(isChecked()));
  setPalette(p);
}

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) { setContextMenuPolicy(Qt::NoContextMenu); }

int NumericField::leadingNumber() const { return qv::leadingNumber(text()); }

bool NumericField::runLeaveCheck() {
  if (!check_ || check_()) return true;
  env().beep();
  return false;
}

void NumericField::keyPressEvent(QKeyEvent* e) {
  // Only typed characters reach the filter; arrows, Delete, Home and End edit as usual.
  const QString t = e->text();
  const int taste = e->key();
  if (!t.isEmpty() && taste != Qt::Key_Tab && taste != Qt::Key_Backtab && taste != Qt::Key_Return &&
      taste != Qt::Key_Enter && taste != Qt::Key_Escape && taste != Qt::Key_Delete) {
    const int code = taste == Qt::Key_Backspace ? 8 : t.at(0).unicode();
    if (!Nur_Ziffern(code)) {
      env().beep();
      e->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(e);
}

void NumericField::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  // Another window becoming active, or a popup, is no leaving of the field.
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) return;
  if (!runLeaveCheck()) {
    QPointer<NumericField> self(this);
    QTimer::singleShot(0, this, [self] {
      if (self) self->setFocus(Qt::OtherFocusReason);
    });
  }
}

void NumericField::contextMenuEvent(QContextMenuEvent* e) { e->ignore(); }

Bildknopf::Bildknopf(QWidget* parent) : QLabel(parent) {}

void Bildknopf::mouseReleaseEvent(QMouseEvent* e) {
  // The release that ends a double click is no click of its own.
  const bool nachDoppelklick = std::exchange(nachDoppelklick_, false);
  if (e->button() == Qt::LeftButton && !nachDoppelklick && rect().contains(e->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(e);
}

void Bildknopf::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) {
    nachDoppelklick_ = true;
    emit clicked();
  }
  QLabel::mouseDoubleClickEvent(e);
}

QWidget* Aktiviere_offene_Form(const QString& name) {
  MDIForm1* rahmen = MDIForm1::instance();
  if (!rahmen) return nullptr;
  QMdiSubWindow* offen = rahmen->kindfenster(name);
  if (offen) rahmen->mdiArea()->setActiveSubWindow(offen);
  return offen;
}

QWidget* Zeige_Form(QWidget* form) {
  MDIForm1* rahmen = MDIForm1::instance();
  if (!rahmen) {
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
  }
  QMdiSubWindow* sub = rahmen->addChild(form, form->objectName());
  sub->setWindowTitle(form->windowTitle());
  Passe_in_Rahmen(sub);
  return sub;
}

void Passe_in_Rahmen(QMdiSubWindow* sub) {
  QMdiArea* area = sub->mdiArea();
  if (!area) {
    sub->resize(sub->sizeHint());
    return;
  }
  // A window taller or wider than the frame's area would hide its buttons beyond the edge.
  const QSize platz = area->viewport()->size();
  sub->resize(sub->sizeHint().boundedTo(platz).expandedTo(sub->minimumSizeHint()));
  const int x = std::clamp(sub->x(), 0, std::max(0, platz.width() - sub->width()));
  const int y = std::clamp(sub->y(), 0, std::max(0, platz.height() - sub->height()));
  sub->move(x, y);
}

void Schliesse_Form(QWidget* form) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) sub->close();
  else form->close();
}

void Ansichtsmenue_nachfuehren() {
  if (MDIForm1* rahmen = MDIForm1::instance())
    if (FrmHauptmenue* haupt = rahmen->hauptmenue()) haupt->aktualisiereMenues();
}

void Fuelle_Liste(QListWidget* liste, const QStringList& eintraege) {
  const QSignalBlocker sperre(liste);
  // A list that gains the focus by keyboard would pick its first item without a click.
  liste->setFocusPolicy(Qt::ClickFocus);
  liste->clear();
  liste->addItems(eintraege);
  liste->setCurrentRow(-1);
}

void Fuelle_Kombi(QComboBox* kombi, const QStringList& eintraege) {
  const QSignalBlocker sperre(kombi);
  kombi->clear();
  kombi->addItems(eintraege);
  kombi->setCurrentIndex(-1);
}

void Setze_Listindex(QListWidget* liste, int index) {
  liste->setCurrentRow(index >= 0 && index < liste->count() ? index : -1);
}

void Messkanal_nachziehen(ColourCheckBox* const (&kanaele)[4]) {
  const Uhrenprofil& u = profile();
  if (u.Evu != 1 || u.Kanalzahl < 2 || u.Kanalzahl > 4) return;
  const int mess = settings().MessKanal;
  for (int k = 0; k < 4; ++k) {
    const bool frei = k + 1 != mess;
    if (!frei) kanaele[k]->setChecked(false);
    kanaele[k]->setEnabled(frei);
  }
}

}  // namespace qv
