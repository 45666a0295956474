#include "model/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

namespace qv {

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile f(path);
  // Windows-style read-only folders may not allow a temporary file; fall back is not wanted:
  // a direct write could leave a half file, so a failure is reported instead.
  f.setDirectWriteFallback(false);
  if (!f.open(QIODevice::WriteOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  if (f.write(bytes) != bytes.size()) {
    if (error) *error = f.errorString();
    f.cancelWriting();
    return false;
  }
  if (!f.commit()) {
    if (error) *error = f.errorString();
    return false;
  }
  return true;
}

bool appendFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QByteArray old;
  if (QFile::exists(path) && !readWholeFile(path, &old, error)) return false;
  return writeFileAtomically(path, old + bytes, error);
}

bool readWholeFile(const QString& path, QByteArray* bytes, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  *bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) {
    if (error) *error = f.errorString();
    return false;
  }
  return true;
}

}  // namespace qv
