#include "shell/Startverzeichnis.h"

#include <QDir>
#include <QFileInfo>

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

}  // namespace qv
