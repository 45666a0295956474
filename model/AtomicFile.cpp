#include "model/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <functional>

namespace qv {

namespace {

WriteFault gFault = WriteFault::None;

bool fails(WriteFault step) {
  if (gFault != step) return false;
  gFault = WriteFault::None;
  return true;
}

// Writes through a temporary file beside the target that replaces it only when fill has written
// everything; fill reports its own failures in *error.
bool writeThrough(const QString& path, const std::function<bool(QSaveFile&, QString*)>& fill, QString* error) {
  const QString target = regularTarget(path, error);
  if (target.isEmpty()) return false;
  QSaveFile f(target);
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
  if (!fill(f, error)) {
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

bool writeAll(QSaveFile& f, const char* data, qint64 size, QString* error) {
  if (f.write(data, size) == size) return true;
  if (error) *error = f.errorString();
  return false;
}

}  // namespace

QString regularTarget(const QString& path, QString* error) {
  QFileInfo fi(path);
  for (int hops = 0; fi.isSymLink(); ++hops) {
    if (hops == 40) {
      if (error) *error = QStringLiteral("Too many levels of symbolic links");
      return {};
    }
    fi.setFile(fi.symLinkTarget());
  }
  if (fi.exists() && !fi.isFile()) {
    if (error) *error = QStringLiteral("Not a regular file: ") + fi.filePath();
    return {};
  }
  return fi.filePath();
}

void injectWriteFault(WriteFault fault) { gFault = fault; }

QString tooLargeReason() { return QStringLiteral("file too large"); }

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  return writeThrough(
      path, [&](QSaveFile& f, QString* e) { return writeAll(f, bytes.constData(), bytes.size(), e); }, error);
}

bool appendFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  // Checked before the old contents are copied: a device or pipe would never end.
  if (regularTarget(path, error).isEmpty()) return false;
  const QFileInfo info(path);
  return writeThrough(path, [&](QSaveFile& f, QString* e) {
    if (info.exists()) {
      // The old contents are copied in pieces, so a file of any length takes the new lines.
      QFile old(path);
      if (!old.open(QIODevice::ReadOnly)) {
        if (e) *e = old.errorString();
        return false;
      }
      QByteArray piece(64 * 1024, Qt::Uninitialized);
      for (;;) {
        const qint64 n = old.read(piece.data(), piece.size());
        if (n < 0) {
          if (e) *e = old.errorString();
          return false;
        }
        if (n == 0) break;
        if (!writeAll(f, piece.constData(), n, e)) return false;
      }
    }
    return writeAll(f, bytes.constData(), bytes.size(), e);
  }, error);
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
