#pragma once
// Building the calendar windows' controls: each carries the system's control name as its
// object name, so that tests and the windows find it by that name.
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

namespace qv {

template <typename T, typename... A>
T* control(QWidget* parent, const char* name, A&&... args) {
  auto* c = new T(std::forward<A>(args)..., parent);
  c->setObjectName(QString::fromUtf8(name));
  return c;
}

// Refills a list without running its handler; nothing is selected afterwards.
inline void refill(QComboBox* c, const QStringList& items) {
  const QSignalBlocker b(c);
  c->clear();
  c->addItems(items);
  c->setCurrentIndex(-1);
}

inline void refill(QListWidget* l, const QStringList& items) {
  const QSignalBlocker b(l);
  l->clear();
  l->addItems(items);
  l->setCurrentRow(-1);
}

}  // namespace qv
