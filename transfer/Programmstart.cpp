#include "transfer/Programmstart.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Texte.h"

namespace qv {
namespace {

bool istWindowsProgramm(const QString& pfad) {
  QByteArray kopf;
  return readFileStart(pfad, 2, &kopf) && kopf == "MZ";
}

}  // namespace

Programmaufruf Finde_Programm(const QString& name) {
  Programmaufruf a;
  const QFileInfo info(QDir::current().absoluteFilePath(name));
  if (!info.isFile()) {
    a.fehler = name + QStringLiteral(": ") + texts().S_DateiNicht;
    return a;
  }
  if (istWindowsProgramm(info.filePath())) {
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty()) {
      a.fehler = name + QStringLiteral(" (wine): ") + texts().S_DateiNicht;
      return a;
    }
    a.programm = wine;
    a.argumente = {info.filePath()};
    return a;
  }
  if (!info.isExecutable()) {
    a.fehler = name + QStringLiteral(": ") + texts().S_DateiNicht;
    return a;
  }
  a.programm = info.filePath();
  return a;
}

bool Starte_Programm(const QString& name) {
  const Programmaufruf a = Finde_Programm(name);
  QString fehler = a.fehler;
  if (fehler.isEmpty() && !QProcess::startDetached(a.programm, a.argumente, QDir::currentPath()))
    fehler = name + QStringLiteral(": ") + texts().S_ZugrNichtErfo;
  if (fehler.isEmpty()) return true;
  refuse(fehler);
  return false;
}

bool Starte_Programm(const QString& name, QProcess& prozess) {
  const Programmaufruf a = Finde_Programm(name);
  QString fehler = a.fehler;
  if (fehler.isEmpty()) {
    prozess.setWorkingDirectory(QDir::currentPath());
    prozess.setProcessChannelMode(QProcess::ForwardedChannels);
    prozess.start(a.programm, a.argumente);
    if (!prozess.waitForStarted(5000)) fehler = name + QStringLiteral(": ") + prozess.errorString();
  }
  if (fehler.isEmpty()) return true;
  refuse(fehler);
  return false;
}

}  // namespace qv
