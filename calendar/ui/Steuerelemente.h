#pragma once
// Building the calendar windows' controls: each carries the system's control name as its
// object name, so that tests and the windows find it by that name.
#include <QListWidget>
#include <QStringList>

#include "shell/Texte.h"

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

// "Januar" .. "Dezember".
inline QStringList monthNames() {
  const Texts& t = texts();
  return {t.S_Januar, t.S_Februar, t.S_Maerz, t.S_April, t.S_Mai, t.S_Juni, t.S_Juli, t.S_August,
          t.S_September, t.S_Oktober, t.S_November, t.S_Dezember};
}

}  // namespace qv
