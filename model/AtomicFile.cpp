#include "model/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <functional>

namespace qv {

namespace {

WriteFault gFault = WriteFault::None;

bool fails(WriteFault step) {
  if (gFault != step) return false;
  gFault = WriteFault::None;
  return true;
}

bool failWith(QString* error, const QString& reason) {
  if (error) *error = reason;
  return false;
}

bool failWithErrno(QString* error) { return failWith(error, qt_error_string(errno)); }

QString notRegularReason() { return QStringLiteral("Not a regular file"); }

// Closes a descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  void reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now; false (with errno) when the system reports the data may not have been stored.
  bool close() {
    if (fd_ < 0) return true;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// A regular file opened for reading; -1 (and *error) for anything else. The type is checked
// before the open, so a FIFO or device is never opened, and again on the open file, in case the
// name was replaced in between (the open itself does not wait for a FIFO's writer).
int openRegular(const QString& path, QString* error) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (::stat(name.constData(), &st) != 0) {
    failWithErrno(error);
    return -1;
  }
  int fd = -1;
  if (S_ISREG(st.st_mode)) {
    do fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
      failWithErrno(error);
      return -1;
    }
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
    ::close(fd);
  }
  failWith(error, notRegularReason());
  return -1;
}

// Reads up to size bytes; the count, 0 at the end, -1 (and *error) on failure.
qint64 readSome(int fd, char* data, qint64 size, QString* error) {
  for (;;) {
    const ssize_t n = ::read(fd, data, static_cast<size_t>(size));
    if (n >= 0) return n;
    if (errno != EINTR) {
      failWithErrno(error);
      return -1;
    }
  }
}

// A temporary file beside its target, written with checked system calls. It replaces the target
// only through commit(), and only when every byte, the sync and the close were confirmed;
// otherwise it is removed and the target stays as it was.
class TempFile {
 public:
  explicit TempFile(const QString& target) : target_(QFile::encodeName(target)) {}
  ~TempFile() {
    if (!temp_.isEmpty() && !committed_) {
      fd_.close();
      ::unlink(temp_.constData());
    }
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool open(QString* error) {
    // A new file gets the usual permissions (the umask applies); a replaced one keeps its own.
    struct stat old {};
    const bool replaces = ::stat(target_.constData(), &old) == 0;
    // A short name of its own in the target's folder, so a target whose name is as long as the
    // file system allows still gets one; the leading dot keeps it out of listings meanwhile.
    const qsizetype slash = target_.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : target_.left(slash + 1);
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int tries = 0; tries < 100; ++tries) {
      QByteArray name = folder + kTempPrefix;
      for (int i = 0; i < 6; ++i) name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
      const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC,
                            replaces ? 0600 : 0666);
      if (fd < 0) {
        if (errno == EEXIST || errno == EINTR) continue;
        return failWithErrno(error);
      }
      temp_ = name;
      fd_.reset(fd);
      if (replaces) ::fchmod(fd, old.st_mode & 07777);
      return true;
    }
    return failWith(error, qt_error_string(EEXIST));
  }

  bool write(const char* data, qint64 size, QString* error) {
    while (size > 0) {
      const ssize_t n = ::write(fd_.get(), data, static_cast<size_t>(std::min<qint64>(size, 1 << 30)));
      if (n < 0) {
        if (errno == EINTR) continue;
        return failWithErrno(error);
      }
      // No progress and no error: the file system takes nothing more.
      if (n == 0) return failWith(error, qt_error_string(ENOSPC));
      data += n;
      size -= n;
    }
    return true;
  }

  bool commit(QString* error) {
    // A file system that cannot sync (EINVAL) has nothing to lose by it; any other failure may
    // have lost data already written.
    if (::fsync(fd_.get()) != 0 && errno != EINVAL) return failWithErrno(error);
    if (!fd_.close()) return failWithErrno(error);
    if (::rename(temp_.constData(), target_.constData()) != 0) return failWithErrno(error);
    committed_ = true;
    return true;
  }

 private:
  QByteArray target_;
  QByteArray temp_;
  Descriptor fd_;
  bool committed_ = false;
};

// A file the user may not write is not replaced, although the folder would allow the rename: one
// without any write bit (the read-only mark, which holds for root too) or one that access() says
// this user may not write (also a read-only file system).
bool mayReplace(const QString& target, QString* error) {
  const QByteArray name = QFile::encodeName(target);
  struct stat st {};
  if (::stat(name.constData(), &st) != 0) return true;  // a new file: the folder decides
  if ((st.st_mode & 0222) == 0) return failWith(error, qt_error_string(EACCES));
  if (::access(name.constData(), W_OK) != 0) return failWithErrno(error);
  return true;
}

using Fill = std::function<bool(TempFile&, QString*)>;

// Writes through a temporary file beside the target that replaces it only when fill has written
// everything and it reached the disk; fill reports its own failures in *error.
bool writeThrough(const QString& path, const Fill& fill, QString* error) {
  const QString target = regularTarget(path, error);
  if (target.isEmpty() || !mayReplace(target, error)) return false;
  if (fails(WriteFault::Open)) return failWith(error, QStringLiteral("Permission denied"));
  TempFile f(target);
  if (!f.open(error)) return false;
  if (fails(WriteFault::Write)) return failWith(error, QStringLiteral("No space left on device"));
  if (!fill(f, error)) return false;
  if (fails(WriteFault::Commit)) return failWith(error, QStringLiteral("Interrupted"));
  return f.commit(error);
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
    if (error) *error = notRegularReason() + QStringLiteral(": ") + fi.filePath();
    return {};
  }
  return fi.filePath();
}

void injectWriteFault(WriteFault fault) { gFault = fault; }

QString tooLargeReason() { return QStringLiteral("file too large"); }

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  return writeThrough(
      path, [&](TempFile& f, QString* e) { return f.write(bytes.constData(), bytes.size(), e); }, error);
}

bool appendFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  // Checked before the old contents are copied: a device or pipe would never end.
  const QString target = regularTarget(path, error);
  if (target.isEmpty()) return false;
  const bool old = QFileInfo::exists(target);
  return writeThrough(target, [&](TempFile& f, QString* e) {
    if (old) {
      // The old contents are copied in pieces, so a file of any length takes the new lines.
      const Descriptor in(openRegular(target, e));
      if (in.get() < 0) return false;
      QByteArray piece(64 * 1024, Qt::Uninitialized);
      for (;;) {
        const qint64 n = readSome(in.get(), piece.data(), piece.size(), e);
        if (n < 0) return false;
        if (n == 0) break;
        if (!f.write(piece.constData(), n, e)) return false;
      }
    }
    return f.write(bytes.constData(), bytes.size(), e);
  }, error);
}

bool readFileStart(const QString& path, qint64 count, QByteArray* bytes, QString* error) {
  const Descriptor in(openRegular(path, error));
  if (in.get() < 0) return false;
  QByteArray got(count, Qt::Uninitialized);
  qint64 at = 0;
  while (at < count) {
    const qint64 n = readSome(in.get(), got.data() + at, count - at, error);
    if (n < 0) return false;
    if (n == 0) break;
    at += n;
  }
  got.truncate(at);
  *bytes = std::move(got);
  return true;
}

bool readWholeFile(const QString& path, QByteArray* bytes, QString* error, qint64 maxBytes) {
  const Descriptor in(openRegular(path, error));
  if (in.get() < 0) return false;
  // A regular file may still grow while it is read, so the pieces are counted against the bound.
  constexpr qint64 kPiece = 64 * 1024;
  QByteArray got;
  for (;;) {
    const qint64 want = std::min(kPiece, maxBytes + 1 - got.size());
    const qsizetype at = got.size();
    got.resize(at + want);
    const qint64 n = readSome(in.get(), got.data() + at, want, error);
    if (n < 0) return false;
    got.resize(at + n);
    if (got.size() > maxBytes) return failWith(error, tooLargeReason());
    if (n == 0) break;
  }
  *bytes = std::move(got);
  return true;
}

}  // namespace qv
