#pragma once
// Finding a window's control by its name in the calendar window tests.
#include <QObject>
#include <QtGlobal>

namespace qv::test {

template <typename T>
T* kind(const QObject* fenster, const char* name) {
  T* x = fenster ? fenster->findChild<T*>(QString::fromUtf8(name)) : nullptr;
  if (!x) qWarning("no control %s", name);
  return x;
}

}  // namespace qv::test
