// Inputs without end and saves that fail: a reader stops at its bound and changes nothing, a
// failed save leaves the previous file byte for byte and tells the user, also when run as root.
#include <gtest/gtest.h>

#include <QFile>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "model/AtomicFile.h"
#include "model/Dateinamen.h"
#include "model/Programmdatei.h"
#include "model/Programmleser.h"
#include "model/ValueFile.h"
#include "tests/model/ImageFixtures.h"
#include "tests/support/EndlessFifo.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;
using namespace qv::imagetest;

namespace {

// A name in the start directory that reads as endless zeros while the result lives.
std::unique_ptr<test::EndlessFifo> endlessFile(test::StartDir& dir, const QString& name) {
  auto fifo = std::make_unique<test::EndlessFifo>(dir.file(name));
  EXPECT_TRUE(fifo->ok());
  return fifo;
}

}  // namespace

TEST(Grenzen, ReadersStopAtTheirBoundOnEndlessInput) {
  test::StartDir dir;
  const auto fifo = endlessFile(dir, "zero.qvl");
  const QString zero = dir.file("zero.qvl");
  QByteArray bytes = "unchanged";
  QString why;
  // A pipe is no file: refused before anything is read from it.
  EXPECT_FALSE(readWholeFile(zero, &bytes, &why, 100000));
  EXPECT_EQ(why, QStringLiteral("Not a regular file"));
  EXPECT_EQ(bytes, QByteArray("unchanged"));
  EXPECT_FALSE(readWholeFile(zero, &bytes, &why));  // the default bound
  EXPECT_FALSE(ValueReader::open(zero, &why).has_value());

  // A file exactly at the bound is read whole, one byte more is refused.
  dir.write("exact.txt", QByteArray(200000, 'x'));
  ASSERT_TRUE(readWholeFile(dir.file("exact.txt"), &bytes, &why, 200000));
  EXPECT_EQ(bytes.size(), 200000);
  EXPECT_FALSE(readWholeFile(dir.file("exact.txt"), &bytes, &why, 199999));
}

TEST(Grenzen, EndlessProgramFileIsRefusedAndChangesNothing) {
  test::StartDir dir;
  test::ScriptedEnvironment env;
  fillGolden240();
  const ProgramState before = program();
  for (const char* name : {"endlos.qvl", "card.dat"}) {
    const auto fifo = endlessFile(dir, QString::fromLatin1(name));
    const QString path = dir.file(QString::fromLatin1(name));
    // No program file: refused before it is read, with the reason shown (so the caller adds none).
    env.messages.clear();
    EXPECT_EQ(LeseProgrammDatei(path, 0, 0), LeseErgebnis::Gemeldet) << name;
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_TRUE(env.messages[0].text.endsWith(QStringLiteral("Not a regular file")));
    EXPECT_EQ(program().AnzGesamt[0], before.AnzGesamt[0]);
    EXPECT_TRUE(std::equal(std::begin(program().Sz[0]), std::end(program().Sz[0]), std::begin(before.Sz[0])));
  }
  // A program file with a long tail behind its values is longer than any program file can be.
  dir.write("lang.qvl", QByteArray(kMaxProgramFileBytes + 1, '0'));
  EXPECT_EQ(LeseProgrammDatei(dir.file("lang.qvl"), 0, 0), LeseErgebnis::ZuGross);
}

TEST(Grenzen, AFailedSaveAtEveryStepKeepsTheOldFileAndTellsTheUser) {
  for (WriteFault fault : {WriteFault::Open, WriteFault::Write, WriteFault::Commit}) {
    test::StartDir dir;
    test::ScriptedEnvironment env;
    fillGolden240();
    dir.write("a.qvl", "old contents");
    program().Dateiname[0] = dir.file("a.qvl");
    program().Geaendert = 1;
    injectWriteFault(fault);
    EXPECT_EQ(SchreibeProgrammDatei(), 0);
    EXPECT_EQ(dir.read("a.qvl"), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.qvl"}) << "no temporary file left";
    EXPECT_EQ(program().Geaendert, 1);
    ASSERT_FALSE(env.messages.empty());
    EXPECT_EQ(env.messages.back().icon, Icon::Critical);
    EXPECT_EQ(env.busyDepth, 0);
    // The fault is used up: the next save goes through.
    EXPECT_EQ(SchreibeProgrammDatei(), 1);
    EXPECT_NE(dir.read("a.qvl"), QByteArray("old contents"));
  }
}

TEST(Grenzen, AFolderPathThatIsAFileIsRefused) {
  test::StartDir dir;
  test::ScriptedEnvironment env;
  fillGolden240();
  dir.write("datei", "not a folder");
  program().Dateiname[0] = dir.file("datei/a.qvl");
  program().Geaendert = 1;
  EXPECT_EQ(SchreibeProgrammDatei(), 0);
  EXPECT_EQ(dir.read("datei"), QByteArray("not a folder"));
  ASSERT_FALSE(env.messages.empty());
  EXPECT_EQ(env.messages.back().icon, Icon::Critical);
}

TEST(Grenzen, AFileNobodyCanOpenIsReported) {
  // A socket cannot be opened as a file, not even by root.
  test::StartDir dir;
  test::ScriptedEnvironment env;
  const int s = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(s, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(dir.file("sock.qvl"));
  ASSERT_LT(static_cast<size_t>(path.size()), sizeof addr.sun_path);
  std::copy(path.begin(), path.end(), addr.sun_path);
  ASSERT_EQ(bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  EXPECT_EQ(Datei_existiert("sock.qvl"), std::nullopt);
  ::close(s);
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_TRUE(env.messages[0].text.contains("sock.qvl"));
}
