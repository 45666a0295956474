#pragma once
// Finding a window's control by its name in the calendar window tests.
#include <QApplication>
#include <QComboBox>
#include <QObject>
#include <QtGlobal>
#include <QtTest>

namespace qv::test {

template <typename T>
T* kind(const QObject* fenster, const char* name) {
  T* x = fenster ? fenster->findChild<T*>(QString::fromUtf8(name)) : nullptr;
  if (!x) qWarning("no control %s", name);
  return x;
}

// Opens the drop-down list and presses Esc in it, where the system delivers the key while the
// list is open; true when the list has closed.
inline bool escInOffenerListe(QComboBox* liste) {
  liste->setFocus();
  liste->showPopup();
  QWidget* offen = QApplication::activePopupWidget();
  if (!offen) return false;
  QTest::keyClick(offen->focusWidget() ? offen->focusWidget() : offen, Qt::Key_Escape);
  return QTest::qWaitFor([] { return !QApplication::activePopupWidget(); });
}

}  // namespace qv::test
