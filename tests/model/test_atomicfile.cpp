// Saves replace only regular files: a link is written through to its regular target and stays a
// link; a FIFO, a socket or a directory at the name, or behind a link, is refused and left as it is.
// Everything here is made by the test in its own directory; no device node is touched.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <functional>

#include "model/AtomicFile.h"
#include "tests/support/IdleFifo.h"
#include "tests/support/StartDir.h"

namespace qv::test {
namespace {

mode_t typeOf(const QString& path) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return 0;
  return st.st_mode & S_IFMT;
}

bool makeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

// A bound Unix socket in the file system; the descriptor is closed, the node stays.
bool makeSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  if (name.size() >= static_cast<qsizetype>(sizeof addr.sun_path)) {
    ::close(fd);
    return false;
  }
  std::copy(name.begin(), name.end(), addr.sun_path);
  const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  ::close(fd);
  return ok;
}

bool makeDir(const QString& path) { return QDir().mkdir(path); }

TEST(AtomicFile, ASaveOverSomethingThatIsNoRegularFileIsRefusedAndLeavesIt) {
  struct Fall {
    const char* name;
    std::function<bool(const QString&)> make;
    mode_t type;
  };
  const Fall faelle[] = {
      {"fifo", makeFifo, S_IFIFO},
      {"socket", makeSocket, S_IFSOCK},
      {"directory", makeDir, S_IFDIR},
  };
  for (const Fall& f : faelle) {
    for (const bool durchLink : {false, true}) {
      SCOPED_TRACE(std::string(f.name) + (durchLink ? " behind a link" : ""));
      StartDir dir;
      const QString ding = dir.file(QStringLiteral("s"));
      ASSERT_TRUE(f.make(ding));
      const QString name = durchLink ? dir.file(QStringLiteral("quorvel.ini")) : ding;
      if (durchLink) {
        ASSERT_TRUE(QFile::link(ding, name));
      }
      QString error;
      EXPECT_FALSE(writeFileAtomically(name, "KANALZAHL=4\r\n", &error));
      EXPECT_FALSE(error.isEmpty());
      error.clear();
      EXPECT_FALSE(appendFileAtomically(name, "x\r\n", &error));
      EXPECT_FALSE(error.isEmpty());
      EXPECT_EQ(typeOf(ding), f.type);
      if (durchLink) {
        EXPECT_EQ(typeOf(name), mode_t(S_IFLNK));
      }
      // No temporary file is left behind either.
      EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(),
                durchLink ? 2 : 1);
    }
  }
}

TEST(AtomicFile, ALinkToARegularFileIsWrittenThroughAndStaysALink) {
  StartDir dir;
  dir.write(QStringLiteral("ziel.ini"), "alt\r\n");
  ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("ziel.ini")), dir.file(QStringLiteral("quorvel.ini"))));
  ASSERT_TRUE(writeFileAtomically(dir.file(QStringLiteral("quorvel.ini")), "neu\r\n"));
  EXPECT_EQ(typeOf(dir.file(QStringLiteral("quorvel.ini"))), mode_t(S_IFLNK));
  EXPECT_EQ(dir.read(QStringLiteral("ziel.ini")), "neu\r\n");
  ASSERT_TRUE(appendFileAtomically(dir.file(QStringLiteral("quorvel.ini")), "mehr\r\n"));
  EXPECT_EQ(typeOf(dir.file(QStringLiteral("quorvel.ini"))), mode_t(S_IFLNK));
  EXPECT_EQ(dir.read(QStringLiteral("ziel.ini")), "neu\r\nmehr\r\n");
  // A plain file and a new name are written as always.
  ASSERT_TRUE(writeFileAtomically(dir.file(QStringLiteral("ziel.ini")), "eins\r\n"));
  EXPECT_EQ(dir.read(QStringLiteral("ziel.ini")), "eins\r\n");
  ASSERT_TRUE(writeFileAtomically(dir.file(QStringLiteral("neu.ini")), "zwei\r\n"));
  EXPECT_EQ(typeOf(dir.file(QStringLiteral("neu.ini"))), mode_t(S_IFREG));
}

// A replaced file keeps its permissions; a new one gets what the umask leaves of read and write
// for all. A file the user may not write stays as it is, its bytes and its mode: one without any
// write bit (for root too) and one whose owner has no write right (root may write that one).
TEST(AtomicFile, AReplacedFileKeepsItsPermissionsAndANewOneGetsTheUsualOnes) {
  StartDir dir;
  const QString a = dir.file(QStringLiteral("a.ini"));
  const auto mode = [&](const QString& name) {
    struct stat st {};
    ::stat(QFile::encodeName(name).constData(), &st);
    return st.st_mode & 07777;
  };
  const bool root = ::geteuid() == 0;
  const struct {
    mode_t alt;
    bool ersetzt;
  } faelle[] = {{0640, true}, {0604, true}, {0600, true}, {0444, false}, {0400, false}, {0466, root}};
  for (const auto& f : faelle) {
    for (const bool durchLink : {false, true}) {
      SCOPED_TRACE(std::to_string(f.alt) + (durchLink ? " behind a link" : ""));
      QFile::remove(a);
      dir.write(QStringLiteral("a.ini"), "alt\r\n");
      ASSERT_EQ(::chmod(QFile::encodeName(a).constData(), f.alt), 0);
      const QString name = durchLink ? dir.file(QStringLiteral("link.ini")) : a;
      if (durchLink) {
        QFile::remove(name);
        ASSERT_TRUE(QFile::link(a, name));
      }
      QString error;
      EXPECT_EQ(writeFileAtomically(name, "neu\r\n", &error), f.ersetzt) << error.toStdString();
      EXPECT_EQ(appendFileAtomically(name, "mehr\r\n", &error), f.ersetzt);
      if (!f.ersetzt) {
        EXPECT_EQ(error, qt_error_string(EACCES));
      }
      ASSERT_EQ(::chmod(QFile::encodeName(a).constData(), 0600), 0);
      EXPECT_EQ(dir.read(QStringLiteral("a.ini")), f.ersetzt ? QByteArray("neu\r\nmehr\r\n") : QByteArray("alt\r\n"));
      ASSERT_EQ(::chmod(QFile::encodeName(a).constData(), f.alt), 0);
      EXPECT_EQ(mode(a), f.alt);
      // No temporary file is left behind.
      EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("%1*").arg(QLatin1String(kTempPrefix))}, QDir::Files | QDir::Hidden),
                QStringList());
      ASSERT_EQ(::chmod(QFile::encodeName(a).constData(), 0600), 0);
    }
  }
  const mode_t maske = ::umask(022);
  ASSERT_TRUE(writeFileAtomically(dir.file(QStringLiteral("neu.ini")), "x"));
  ::umask(maske);
  EXPECT_EQ(mode(dir.file(QStringLiteral("neu.ini"))), mode_t(0644));
}

// The start of a file (a program's first bytes) comes only from a regular file, as much as it has.
TEST(AtomicFile, TheStartOfAFileComesOnlyFromARegularFile) {
  StartDir dir;
  dir.write(QStringLiteral("kurz"), "M");
  dir.write(QStringLiteral("lang"), "MZ and more");
  IdleFifo rohr(dir.file(QStringLiteral("rohr")));
  QByteArray b;
  ASSERT_TRUE(readFileStart(dir.file(QStringLiteral("kurz")), 2, &b));
  EXPECT_EQ(b, QByteArray("M"));
  ASSERT_TRUE(readFileStart(dir.file(QStringLiteral("lang")), 2, &b));
  EXPECT_EQ(b, QByteArray("MZ"));
  QString error;
  EXPECT_FALSE(readFileStart(dir.file(QStringLiteral("rohr")), 2, &b, &error));
  EXPECT_EQ(error, QStringLiteral("Not a regular file"));
  EXPECT_FALSE(rohr.opened());
}

}  // namespace
}  // namespace qv::test
