// Writing the program file: golden files byte for byte, the line layout, the questions and
// refusals before writing, and a failed write that leaves the old file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "model/Programmdatei.h"
#include "tests/model/ImageFixtures.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;
using namespace qv::imagetest;

namespace {

const QDateTime kGoldenMoment(QDate(2003, 3, 5), QTime(9, 7));

QByteArray writeAndRead(test::StartDir& dir, test::ScriptedEnvironment& env, const QString& name) {
  program().Dateiname[0] = dir.file(name);
  EXPECT_EQ(SchreibeProgrammDatei(), 1);
  EXPECT_EQ(env.busyDepth, 0);
  return dir.read(name);
}

}  // namespace

TEST(ProgrammdateiGolden, EmptyProgramsOfEveryClockType) {
  for (int typ : {240, 280, 309}) {
    SCOPED_TRACE(typ);
    useClockType(typ);
    test::ScriptedEnvironment env;
    env.setNow(kGoldenMoment);
    test::StartDir dir;
    env.answer(Answer::Ok);  // "Keine Daten vorhanden ! Trotzdem fortfahren ?"
    const QByteArray file = writeAndRead(dir, env, "leer.qvl");
    EXPECT_EQ(file, test::testData(QStringLiteral("model/leer%1.qvl").arg(typ)));
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].text, texts().S_KeineDatenVorh);
    EXPECT_EQ(env.messages[0].buttons, Buttons::OkCancel);
  }
}

TEST(ProgrammdateiGolden, ProgramsWithRecordsTablesAstroDataAndTexts) {
  const struct { int typ; void (*fill)(); QDateTime moment; } faelle[] = {
      {240, fillGolden240, QDateTime(QDate(2026, 12, 31), QTime(23, 59))},
      {280, fillGolden280, kGoldenMoment},
      {309, fillGolden309, kGoldenMoment}};
  for (const auto& c : faelle) {
    SCOPED_TRACE(c.typ);
    c.fill();
    test::ScriptedEnvironment env;
    env.setNow(c.moment);
    test::StartDir dir;
    program().Geaendert = 1;
    const QByteArray file = writeAndRead(dir, env, "p.qvl");
    EXPECT_EQ(file, test::testData(QStringLiteral("model/programm%1.qvl").arg(c.typ)));
    EXPECT_TRUE(env.messages.empty());
    EXPECT_EQ(program().Geaendert, 0);
  }
}

TEST(ProgrammdateiZeilen, LineLayoutOfBothSizes) {
  test::ScriptedEnvironment env;
  test::StartDir dir;
  useClockType(240);
  env.answer(Answer::Ok);
  QList<QByteArray> lines = linesOf(writeAndRead(dir, env, "a.qvl"));
  ASSERT_EQ(lines.size(), 383);
  for (const QByteArray& l : lines) ASSERT_TRUE(l.endsWith('\r'));
  EXPECT_EQ(lines[20], QByteArray(" 255  255  255  255 \r"));
  EXPECT_EQ(lines[20].size() - 1, 20);
  EXPECT_EQ(lines[366], QByteArray("\r"));  // no usage text
  EXPECT_EQ(lines[367], QByteArray("C1 :\r"));
  EXPECT_EQ(lines[382], QByteArray("C16 :\r"));

  useClockType(280);
  env.answer(Answer::Ok);
  const QByteArray file = writeAndRead(dir, env, "b.qvl");
  lines = linesOf(file);
  ASSERT_EQ(lines.size(), 2675);
  int values = 0;
  for (int i = 0; i < 2658; ++i) values += lines[i].simplified().split(' ').size();
  EXPECT_EQ(values, 8192);
  EXPECT_EQ(lines[2658], QByteArray("\r"));
}

TEST(ProgrammdateiZeilen, TextsInWindows1252) {
  TAbbild image(2048, 0);
  std::array<QString, 16> namen;
  namen[0] = QString::fromUtf8("Tür €");
  namen[1] = QString::fromUtf8("Ж, x");
  const QList<QByteArray> lines = linesOf(Schreibe_Zeilen(image, QStringLiteral("Halle"), namen));
  ASSERT_EQ(lines.size(), 383);
  EXPECT_EQ(lines[366], QByteArray("Halle\r"));
  EXPECT_EQ(lines[367], QByteArray("T\xFCr \x80\r"));
  EXPECT_EQ(lines[368], QByteArray("?, x\r"));
  EXPECT_EQ(lines[369], QByteArray("C3 :\r"));
  EXPECT_EQ(lines[0], QByteArray(" 0 \r"));
}

TEST(ProgrammdateiFragen, NoDataQuestion) {
  test::StartDir dir;
  useClockType(240);
  test::ScriptedEnvironment env;
  dir.write("a.qvl", "old");
  program().Dateiname[0] = dir.file("a.qvl");
  program().Programmnummer[0] = 123456;
  program().Geaendert = 1;

  env.answer(Answer::Cancel);
  EXPECT_EQ(SchreibeProgrammDatei(), 0);
  EXPECT_EQ(dir.read("a.qvl"), QByteArray("old"));
  EXPECT_EQ(program().Programmnummer[0], 123456);
  EXPECT_EQ(program().Geaendert, 1);
  EXPECT_EQ(env.busyDepth, 0);

  // The export has asked already: written at once, the number kept.
  program().LeerBestaetigt = 1;
  TAbbild v = valuesOf(writeAndRead(dir, env, "a.qvl"), 20);
  EXPECT_EQ((std::array<int, 3>{v[13], v[14], v[15]}), (std::array<int, 3>{33, 67, 101}));
  EXPECT_EQ(env.messages.size(), 1u);

  program().LeerBestaetigt = 0;
  env.answer(Answer::Ok);
  v = valuesOf(writeAndRead(dir, env, "a.qvl"), 20);
  EXPECT_EQ((std::array<int, 3>{v[13], v[14], v[15]}), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(program().Programmnummer[0], kKeineProgrammnummer);

  // Astro times on another astro channel than the first are data too.
  useClockType(280);
  astro().AstroAktiv[0] = -1, astro().AstroAktiv[3] = -1;
  writeAndRead(dir, env, "b.qvl");
  EXPECT_EQ(env.messages.size(), 2u);

  // So is a measuring pulse.
  useClockType(240);
  settings().MessKanal = 1, settings().MessPeriode = 15;
  writeAndRead(dir, env, "c.qvl");
  EXPECT_EQ(env.messages.size(), 2u);
}

TEST(ProgrammdateiFragen, RuleFourWithoutATableWritesNothing) {
  test::StartDir dir;
  useClockType(240);
  test::ScriptedEnvironment env;
  setRecords(0, {weekdayRecord(600, 1, 127, 1, 1)});
  settings().SwRegel = 4;
  program().Geaendert = 1;
  program().Dateiname[0] = dir.file("a.qvl");
  EXPECT_EQ(SchreibeProgrammDatei(), 0);
  EXPECT_FALSE(QFile::exists(dir.file("a.qvl")));
  EXPECT_EQ(program().Geaendert, 1);
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].text, texts().S_WaehlAnde);
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_EQ(env.busyDepth, 0);
}

TEST(ProgrammdateiFehler, AFailedWriteIsReportedAndKeepsTheOldFile) {
  test::StartDir dir;
  useClockType(240);
  test::ScriptedEnvironment env;
  setRecords(0, {weekdayRecord(600, 1, 127, 1, 1)});
  program().Geaendert = 1;
  program().Dateiname[0] = dir.file("fehlt/a.qvl");
  EXPECT_EQ(SchreibeProgrammDatei(), 0);
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);
  EXPECT_TRUE(env.messages[0].text.contains("fehlt/a.qvl"));
  EXPECT_EQ(program().Geaendert, 1);
  EXPECT_EQ(env.busyDepth, 0);
}
