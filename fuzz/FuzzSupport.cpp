#include "fuzz/FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "model/Environment.h"
#include "model/Zustand.h"

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
  Uhrenprofil& p = profile();
  p.Uhrentyp = static_cast<int16_t>(typ);
  p.Geraetefamilie = 0;
  if (typ == 240) p.Kanalzahl = 4, p.Geraetecode = 72, p.MaxSz = 324, p.SpeicherGroesse = 2048;
  if (typ == 280) {
    p.Kanalzahl = 16, p.Geraetecode = 74, p.MaxSz = 500, p.SpeicherGroesse = 8192, p.KeineZeit = 1535;
    p.Bewft = 1;
    for (auto& g : astro().AstroGrenzen) g.GrenzeAuf = 0, g.GrenzeUnter = 1439;
  }
  if (typ == 309) p.Kanalzahl = 2, p.Geraetecode = 80, p.MaxSz = 120, p.SpeicherGroesse = 2048, p.KeineZeit = 1791;
  settings().SwRegel = 1;
  settings().SpracheUhr = 1;
}

}  // namespace qv::fuzz
