#include "transfer/Wartezeiten.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <algorithm>

namespace qv {

Wartezeiten& wartezeiten() {
  static Wartezeiten w;
  return w;
}

bool warte_bis(const std::function<bool()>& fertig, int ms) {
  const QDeadlineTimer frist(ms);
  for (;;) {
    if (fertig && fertig()) return true;
    if (frist.hasExpired()) return false;
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(5, std::max<qint64>(0, frist.remainingTime()))));
  }
}

void warte(int ms) { warte_bis({}, ms); }

}  // namespace qv
