#pragma once
// Starting the helper programs the transfers hand their work to ("kelvor.exe", "zelnix.exe").
// They are looked up in the start directory by their name; an executable file is started as it
// is, a Windows program through wine when wine is installed.
#include <QString>
#include <QStringList>

class QProcess;

namespace qv {

struct Programmaufruf {
  QString programm;   // empty: cannot be started, fehler says why
  QStringList argumente;
  QString fehler;
};
Programmaufruf Finde_Programm(const QString& name);

// Starts the program without waiting for it; false after telling the user why it did not start.
bool Starte_Programm(const QString& name);
// Starts it in the given process, which the caller keeps to see it end.
bool Starte_Programm(const QString& name, QProcess& prozess);

}  // namespace qv
