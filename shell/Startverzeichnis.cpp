#include "shell/Startverzeichnis.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace qv {

QString fileNameIgnoringCase(const QString& name) {
  if (name.isEmpty() || QFileInfo::exists(name)) return name;
  const QFileInfo info(name);
  const QDir dir = info.dir();
  const QStringList entries =
      dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& entry : entries) {
    if (entry.compare(info.fileName(), Qt::CaseInsensitive) != 0) continue;
    // Keep a plain name plain: it refers to the current directory.
    return name.contains(u'/') ? dir.filePath(entry) : entry;
  }
  return name;
}

bool startDirectoryUsable(QString* meldung) {
  char* roh = ::getcwd(nullptr, 0);
  // A folder that is gone is left to the brand check, which finds no brand file in it.
  if (!roh) return true;
  const QByteArray pfad(roh);
  std::free(roh);
  const QString name = QFile::decodeName(pfad);
  if (QFile::encodeName(name) == pfad) return true;
  *meldung = QStringLiteral("The folder %1 cannot be used: its name is not valid UTF-8. "
                            "Give it a name that is, or move the program into such a folder, and start it there.")
                 .arg(name);
  return false;
}

}  // namespace qv
