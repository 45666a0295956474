#include "views/ui/Fensteraufrufe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>

namespace qv {

Fensteraufrufe& fensteraufrufe() {
  static Fensteraufrufe f;
  return f;
}

QWidget* Oeffne_Fenster(std::function<QWidget*()> Fensteraufrufe::*fenster) {
  const std::function<QWidget*()>& f = fensteraufrufe().*fenster;
  return f ? f() : nullptr;
}

void closeWindowsOfTheirOwn(QWidget* ausser) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != ausser && w->isVisible()) w->close();
}

void Beende_Programm(QWidget* ausser) {
  closeWindowsOfTheirOwn(ausser);
  if (fensteraufrufe().Programmende) fensteraufrufe().Programmende();
  else QCoreApplication::exit(0);
}

}  // namespace qv
