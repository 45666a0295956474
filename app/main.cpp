#include <QApplication>
#include <QMainWindow>

#include "shell/ui/WidgetEnvironment.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qv::WidgetEnvironment environment;
  qv::setEnvironment(&environment);
  // The start-up window comes with the shell's windows; until then an empty frame.
  QMainWindow frame;
  frame.setWindowTitle(QStringLiteral("Quorvel"));
  frame.resize(800, 600);
  frame.show();
  const int rc = app.exec();
  qv::setEnvironment(nullptr);
  return rc;
}
