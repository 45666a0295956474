// The shared helpers under every file the program reads and writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "model/AtomicFile.h"
#include "model/Cp1252.h"
#include "model/Environment.h"
#include "model/Val.h"
#include "model/ValueFile.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;

TEST(Cp1252, RoundTripsEveryDefinedCodeAndMapsTheHighBlock) {
  QByteArray all;
  for (int c = 0; c < 256; ++c) all.append(static_cast<char>(c));
  EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
  EXPECT_EQ(cp1252::decode("\x80\x9f\xe4\xdf"), QString::fromUtf8("€Ÿäß"));
  EXPECT_EQ(cp1252::encode(QString::fromUtf8("Änderungen – ok")), QByteArray("\xc4nderungen \x96 ok"));
}

TEST(Cp1252, CharactersWithoutACodeBecomeQuestionMarks) {
  EXPECT_EQ(cp1252::encode(QString::fromUtf8("a\u0416b\U0001F600")), QByteArray("a?b??"));
}

TEST(ValueReader, ReadsPlainQuotedAndEmptyValuesAcrossLines) {
  ValueReader r(QByteArray("12, abc  ,\"x, y\"\r\n\"\"\r\n  \"say \"\"hi\"\"\"\r\nlast"));
  EXPECT_EQ(r.nextValue(), QString("12"));
  EXPECT_EQ(r.nextValue(), QString("abc"));
  EXPECT_EQ(r.nextValue(), QString("x, y"));
  EXPECT_EQ(r.nextValue(), QString(""));
  EXPECT_EQ(r.nextValue(), QString("say \"hi\""));
  EXPECT_FALSE(r.atEnd());
  EXPECT_EQ(r.nextValue(), QString("last"));
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(r.nextValue(), std::nullopt);
}

TEST(ValueReader, LinesKeepCommasAndBlanks) {
  ValueReader r(QByteArray(" Flur, oben \r\n\r\nx\n"));
  EXPECT_EQ(r.nextLine(), QString(" Flur, oben "));
  EXPECT_EQ(r.nextLine(), QString(""));
  EXPECT_EQ(r.nextLine(), QString("x"));
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(r.nextLine(), std::nullopt);
}

TEST(ValueReader, IntegersAreCheckedForFormAndRange) {
  ValueReader r(QByteArray("5\r\n-3\r\n1.5\r\nabc\r\n300\r\n"));
  EXPECT_EQ(r.nextInt(0, 255), 5);
  EXPECT_EQ(r.nextInt(0, 255), std::nullopt);  // negative
  EXPECT_EQ(r.nextInt(0, 255), std::nullopt);  // not whole
  EXPECT_EQ(r.nextInt(0, 255), std::nullopt);  // not a number
  EXPECT_EQ(r.nextInt(0, 255), std::nullopt);  // too large
  EXPECT_EQ(r.nextInt(0, 255), std::nullopt);  // end of file
}

TEST(ValueWriter, QuotesOnlyWhatAPlainReadWouldBreakAndReadsBack) {
  ValueWriter w;
  const QStringList texts = {"Datei ", " Mo", "a,b", "\"quoted", "plain", ""};
  for (const QString& t : texts) w.line(ValueWriter::quotedIfNeeded(t));
  EXPECT_EQ(w.bytes(), QByteArray("Datei \r\n Mo\r\n\"a,b\"\r\n\"\"\"quoted\"\r\nplain\r\n\r\n"));
  ValueReader r(w.bytes());
  EXPECT_EQ(r.nextValue(), QString("Datei"));  // blanks of plain values are not kept
  EXPECT_EQ(r.nextValue(), QString("Mo"));
  EXPECT_EQ(r.nextValue(), QString("a,b"));
  EXPECT_EQ(r.nextValue(), QString("\"quoted"));
  EXPECT_EQ(r.nextValue(), QString("plain"));
}

TEST(Val, TakesTheNumericPrefixLikeTheOldReader) {
  EXPECT_EQ(Val("  42"), 42);
  EXPECT_EQ(Val("060"), 60);
  EXPECT_EQ(Val("-1"), -1);
  EXPECT_EQ(Val("1 2 3"), 123);
  EXPECT_EQ(Val("12abc"), 12);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val(""), 0);
  EXPECT_DOUBLE_EQ(Val("2.5E2"), 250.0);
  EXPECT_DOUBLE_EQ(Val("-7.25"), -7.25);
  EXPECT_EQ(Val("&HFF"), -1 + 256);  // 16-bit &H values below 0x8000 stay positive
  EXPECT_EQ(Val("&HFFFF"), -1);
  EXPECT_EQ(Val("&O17"), 15);
  EXPECT_EQ(Val("1e"), 1);
}

TEST(Val, CIntRoundsHalfToEvenAndRefusesOverflow) {
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(3.5), 4);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(32767.4), 32767);
  EXPECT_EQ(CInt(32767.5), std::nullopt);
  EXPECT_EQ(CInt(-32768.0), -32768);
}

TEST(AtomicFile, WritesWholeFileAndAFailedWriteKeepsTheOldOne) {
  test::StartDir dir;
  QString error;
  ASSERT_TRUE(writeFileAtomically(dir.file("a.txt"), "first", &error)) << error.toStdString();
  EXPECT_EQ(dir.read("a.txt"), QByteArray("first"));
  ASSERT_TRUE(writeFileAtomically(dir.file("a.txt"), "second", &error));
  EXPECT_EQ(dir.read("a.txt"), QByteArray("second"));
  ASSERT_TRUE(appendFileAtomically(dir.file("a.txt"), "+more", &error));
  EXPECT_EQ(dir.read("a.txt"), QByteArray("second+more"));

  // A target in a folder that does not exist cannot be written; nothing else changes.
  EXPECT_FALSE(writeFileAtomically(dir.file("missing/b.txt"), "x", &error));
  EXPECT_FALSE(error.isEmpty());

  // A read-only folder refuses the temporary file, and the old file survives.
  QDir().mkdir(dir.file("ro"));
  ASSERT_TRUE(writeFileAtomically(dir.file("ro/c.txt"), "keep", &error));
  QFile::setPermissions(dir.file("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const bool refused = !writeFileAtomically(dir.file("ro/c.txt"), "lost", &error);
  QFile::setPermissions(dir.file("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  if (refused) {  // root may write anyway
    EXPECT_EQ(dir.read("ro/c.txt"), QByteArray("keep"));
  }
}

// An append takes a file past any reading bound; a failure at any step leaves it whole.
TEST(AtomicFile, AppendTakesAFileOfAnyLengthAndAFailureKeepsItWhole) {
  test::StartDir dir;
  QByteArray alt(static_cast<qsizetype>(kMaxTextFileBytes) + 1024 * 1024, 'x');
  alt.append("ende");
  {
    QFile f(dir.file("gross.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(alt), alt.size());
  }
  QString error;
  ASSERT_TRUE(appendFileAtomically(dir.file("gross.txt"), "+neu", &error)) << error.toStdString();
  alt.append("+neu");
  EXPECT_TRUE(dir.read("gross.txt") == alt);
  for (WriteFault fault : {WriteFault::Open, WriteFault::Write, WriteFault::Commit}) {
    injectWriteFault(fault);
    error.clear();
    EXPECT_FALSE(appendFileAtomically(dir.file("gross.txt"), "+verloren", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(dir.read("gross.txt") == alt);
  }
  // A folder in the file's place is no file to append to.
  QDir().mkdir(dir.file("ordner.txt"));
  EXPECT_FALSE(appendFileAtomically(dir.file("ordner.txt"), "x", &error));
  EXPECT_TRUE(QFileInfo(dir.file("ordner.txt")).isDir());
}

TEST(Environment, ScriptedAnswersAndBalancedBusyCursor) {
  test::ScriptedEnvironment e;
  e.answer(Answer::Yes);
  EXPECT_EQ(ask("Überschreiben ?"), Answer::Yes);
  EXPECT_EQ(askSave("Änderungen speichern in x ?"), Answer::Cancel);  // unscripted
  EXPECT_EQ(refuse("kaputt"), Answer::Ok);
  ASSERT_EQ(e.messages.size(), 3u);
  EXPECT_EQ(e.messages[2].icon, Icon::Critical);
  {
    BusyCursor outer;
    BusyCursor inner;
    EXPECT_EQ(e.busyDepth, 1);
  }
  EXPECT_EQ(e.busyDepth, 0);
  EXPECT_EQ(e.busyOn, 1);
}
