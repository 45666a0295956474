#include "fuzz/FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "model/Environment.h"
#include "model/Zustand.h"
#include "tests/support/ClockProfiles.h"

namespace qv::fuzz {
namespace {

class SilentEnvironment final : public Environment {
 public:
  Answer message(const QString&, Buttons buttons, Icon, const QString&) override {
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
  void beep() override {}
  void setBusy(bool) override {}
  QDateTime now() const override { return QDateTime(QDate(2024, 6, 1), QTime(12, 0)); }
  QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

}  // namespace

void setUp(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  static SilentEnvironment silent;
  setEnvironment(&silent);
  // In memory where there is such a file system: the atomic writer syncs every file it writes.
  static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                               ? QStringLiteral("/dev/shm/quorvel-fuzz-XXXXXX")
                               : QDir::temp().filePath(QStringLiteral("quorvel-fuzz-XXXXXX")));
  if (!dir.isValid() || !QDir::setCurrent(dir.path())) std::abort();
}

QString writeInput(const char* name, const uint8_t* data, size_t size) {
  const QString path = QDir::current().filePath(QString::fromLatin1(name));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  return path;
}

void useClockType(int typ) {
  resetAllState();
  test::setClockProfile(typ);
}

}  // namespace qv::fuzz
