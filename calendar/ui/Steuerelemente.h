#pragma once
// Building the calendar windows' controls: each carries the system's control name as its
// object name, so that tests and the windows find it by that name.
#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>
#include <QStringList>

#include "model/Texte.h"

namespace qv {

template <typename T, typename... A>
T* control(QWidget* parent, const char* name, A&&... args) {
  auto* c = new T(std::forward<A>(args)..., parent);
  c->setObjectName(QString::fromUtf8(name));
  return c;
}

// The selected row, or -1 when the list has lost its selection.
inline int selectedRow(const QListWidget* l) {
  const QListWidgetItem* i = l->currentItem();
  return i && i->isSelected() ? l->currentRow() : -1;
}

// Takes Esc from the shortcuts while a drop-down list is open: the list closes and nothing else.
class EscInListe : public QObject {
 public:
  explicit EscInListe(QComboBox* liste) : QObject(liste), liste_(liste) { liste->view()->installEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
      liste_->hidePopup();
      e->accept();
      return true;
    }
    return QObject::eventFilter(o, e);
  }

 private:
  QComboBox* liste_;
};

// Esc ends the window as its end button does; in an open drop-down list it closes only the list,
// as in the entry forms.
template <typename F>
void Esc_beendet(QWidget* fenster, F beenden) {
  for (QComboBox* liste : fenster->findChildren<QComboBox*>()) new EscInListe(liste);
  auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), fenster);
  esc->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(esc, &QShortcut::activated, fenster, beenden);
}

// "Januar" .. "Dezember".
inline QStringList monthNames() {
  const Texts& t = texts();
  return {t.S_Januar, t.S_Februar, t.S_Maerz, t.S_April, t.S_Mai, t.S_Juni, t.S_Juli, t.S_August,
          t.S_September, t.S_Oktober, t.S_November, t.S_Dezember};
}

}  // namespace qv
