#include "model/AtomicFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace qv {

namespace {

WriteFault gFault = WriteFault::None;

bool fails(WriteFault step) {
  if (gFault != step) return false;
  gFault = WriteFault::None;
  return true;
}

}  // namespace

void injectWriteFault(WriteFault fault) { gFault = fault; }

QString tooLargeReason() { return QStringLiteral("file too large"); }

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile f(path);
  // Windows-style read-only folders may not allow a temporary file; fall back is not wanted:
  // a direct write could leave a half file, so a failure is reported instead.
  f.setDirectWriteFallback(false);
  if (fails(WriteFault::Open)) {
    if (error) *error = QStringLiteral("Permission denied");
    return false;
  }
  if (!f.open(QIODevice::WriteOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  if (fails(WriteFault::Write)) {
    if (error) *error = QStringLiteral("No space left on device");
    f.cancelWriting();
    return false;
  }
  if (f.write(bytes) != bytes.size()) {
    if (error) *error = f.errorString();
    f.cancelWriting();
    return false;
  }
  if (fails(WriteFault::Commit)) {
    if (error) *error = QStringLiteral("Interrupted");
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

bool readWholeFile(const QString& path, QByteArray* bytes, QString* error, qint64 maxBytes) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
    if (error) *error = f.errorString();
    return false;
  }
  // The size a device file or pipe reports is no bound, so the pieces are counted instead.
  constexpr qint64 kPiece = 64 * 1024;
  QByteArray got;
  for (;;) {
    const qint64 want = std::min(kPiece, maxBytes + 1 - got.size());
    const qsizetype at = got.size();
    got.resize(at + want);
    const qint64 n = f.read(got.data() + at, want);
    if (n < 0) {
      if (error) *error = f.errorString();
      return false;
    }
    got.resize(at + n);
    if (got.size() > maxBytes) {
      if (error) *error = tooLargeReason();
      return false;
    }
    if (n == 0) break;
  }
  *bytes = std::move(got);
  return true;
}

}  // namespace qv
