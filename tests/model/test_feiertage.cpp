// The holiday table, its file and the Easter names.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "model/Feiertage.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

class FeiertageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    resetHolidayTable();
    texts().FtDatei = "deutsch.hdy";
    texts().S_Ostern = "Ostern";
    texts().S_TagE = "Tag(e)";
    texts().S_KeineGueltDatei = QString::fromUtf8("Keine gültige Datei !");
    texts().S_DateiUnge = QStringLiteral("Datei ungespeichert ");
  }
  test::StartDir dir;
  test::ScriptedEnvironment env;
};

TFeiertag ft(const char* name, int art, int wtag, int tag, int monat) {
  return {QString::fromUtf8(name), static_cast<int16_t>(art), static_cast<int16_t>(wtag),
          static_cast<int16_t>(tag), static_cast<int16_t>(monat)};
}

HolidayTable sampleTable() {
  HolidayTable t;
  t.Feiertage = {ft("Neujahr", 0, 0, 1, 1), ft("Tag A", 1, -3, 23, 11), ft("Karfreitag", 2, 0, -2, 0),
                 ft("Buß- und Bettag", 1, -3, 23, 11), ft("Fronleichnam", 2, 0, 60, 0)};
  t.AnzFt = 5;
  t.FtSetName = {"Bayern", "leer", "Sachsen"};
  t.AnzFtSets = 3;
  t.FtSet[0][0] = 3;
  t.FtSet[0][1] = 1;
  t.FtSet[0][2] = 3;
  t.FtSet[0][3] = 5;
  t.FtSet[2][0] = 2;
  t.FtSet[2][1] = 2;
  t.FtSet[2][2] = 4;
  return t;
}

}  // namespace

TEST_F(FeiertageTest, EmptyTableIsExactlyOneLine) {
  EXPECT_EQ(encodeHolidayFile(HolidayTable{}), QByteArray(" 0  0 \r\n"));
  const auto t = decodeHolidayFile(" 0  0 \r\n");
  ASSERT_TRUE(t);
  EXPECT_EQ(*t, HolidayTable{});
}

TEST_F(FeiertageTest, LinesAreWrittenAsNumberItems) {
  HolidayTable t;
  t.Feiertage = {ft("Tag A", 1, -7, 5, 1), ft("Tag A", 1, -3, 23, 11)};
  t.AnzFt = 2;
  t.FtSetName = {"ohne"};
  t.AnzFtSets = 1;
  EXPECT_EQ(encodeHolidayFile(t),
            QByteArray(" 2  1 \r\nTag A, 1 -7  5  1 \r\nTag A, 1 -3  23  11 \r\nohne\r\n 0 \r\n"));
}

TEST_F(FeiertageTest, TableRoundTripsWithSetsOrderAndUmlauts) {
  const HolidayTable t = sampleTable();
  const QByteArray bytes = encodeHolidayFile(t);
  EXPECT_TRUE(bytes.contains("Bu\xdf- und Bettag, 1 -3  23  11 \r\n"));
  EXPECT_TRUE(bytes.contains("Bayern\r\n 3 \r\n 1 \r\n 3 \r\n 5 \r\nleer\r\n 0 \r\nSachsen\r\n 2 \r\n 2 \r\n 4 \r\n"));
  const auto back = decodeHolidayFile(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, t);
  EXPECT_EQ(encodeHolidayFile(*back), bytes);
}

TEST_F(FeiertageTest, NamesTheFormatCannotCarryAreQuotedAndComeBack) {
  HolidayTable t;
  t.Feiertage = {ft("Mai, erster", 0, 0, 1, 5), ft("  Rand  ", 0, 0, 2, 5), ft("", 0, 0, 3, 5),
                 ft("\"Zitat\"", 0, 0, 4, 5)};
  t.AnzFt = 4;
  t.FtSetName = {"Set, mit Komma", ""};
  t.AnzFtSets = 2;
  const QByteArray bytes = encodeHolidayFile(t);
  EXPECT_TRUE(bytes.startsWith(" 4  2 \r\n\"Mai, erster\", 0  0  1  5 \r\n\"  Rand  \", 0  0  2  5 \r\n"));
  const auto back = decodeHolidayFile(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, t);
}

TEST_F(FeiertageTest, ReaderTakesValuesRegardlessOfLineEnds) {
  // Numbers may be split by blanks, commas or line ends, as the sequential read takes them.
  const auto t = decodeHolidayFile(" 2 , 1\r\nA,0,0,1,1\r\nB, 2\r\n 0 \r\n 39 \r\n 0\r\nS\r\n1\r\n2\r\n");
  ASSERT_TRUE(t);
  ASSERT_EQ(t->AnzFt, 2);
  EXPECT_EQ(t->Feiertage[1], ft("B", 2, 0, 39, 0));
  EXPECT_EQ(t->FtSet[0][0], 1);
  EXPECT_EQ(t->FtSet[0][1], 2);
}

TEST_F(FeiertageTest, TruncatedOversizedAndMalformedFilesAreRefused) {
  const QByteArray good = encodeHolidayFile(sampleTable());
  // Every cut before the last member leaves the file short of what its counts promise.
  for (int n = 0; n < good.size() - 4; ++n)
    EXPECT_FALSE(decodeHolidayFile(good.left(n))) << "cut at " << n;

  QString why;
  EXPECT_FALSE(decodeHolidayFile(" 0  31 \r\n", &why));  // more sets than rows
  EXPECT_FALSE(why.isEmpty());
  EXPECT_FALSE(decodeHolidayFile(" 0  1 \r\nS\r\n 60 \r\n"));      // more members than columns
  EXPECT_FALSE(decodeHolidayFile("-1  0 \r\n"));                    // negative count
  EXPECT_FALSE(decodeHolidayFile(" 40000  0 \r\n"));                // beyond a 16-bit count
  EXPECT_FALSE(decodeHolidayFile(" 1  0 \r\nX, 3  0  1  1 \r\n"));  // unknown kind
  EXPECT_FALSE(decodeHolidayFile(" 1  0 \r\nX, 0  0  1  13 \r\n")); // no such month
  EXPECT_FALSE(decodeHolidayFile(" 1  0 \r\nX, 2  0  200  0 \r\n"));  // beyond the Easter range
  EXPECT_FALSE(decodeHolidayFile(" 1  1 \r\nX, 0  0  1  1  9 \r\nS\r\n 0 \r\n"));  // out of step
  EXPECT_FALSE(decodeHolidayFile(" 1  0 \r\nX, a  0  1  1 \r\n"));
  EXPECT_FALSE(decodeHolidayFile(QByteArray(5 * 1024 * 1024, ' ')));
}

TEST_F(FeiertageTest, MemberCodesThatNameNoHolidayAreDropped) {
  const auto t = decodeHolidayFile(" 2  1 \r\nA, 0  0  1  1 \r\nB, 0  0  2  1 \r\nS\r\n 5 \r\n 0 \r\n 2 \r\n 3 \r\n-1 \r\n 1 \r\n");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->FtSet[0][0], 2);
  EXPECT_EQ(t->FtSet[0][1], 2);
  EXPECT_EQ(t->FtSet[0][2], 1);
  EXPECT_EQ(t->FtSet[0][3], 0);
}

TEST_F(FeiertageTest, ReadingReplacesTheTableAndClearsLaterSetRows) {
  dir.write("deutsch.hdy", encodeHolidayFile(sampleTable()));
  holidayTable().FtSet[7][0] = 4;  // a set added in memory and never written
  holidayTable().FtSet[7][1] = 1;
  Lies_Feiertage();
  EXPECT_EQ(holidayTable(), sampleTable());
  EXPECT_TRUE(env.messages.empty());
}

// The end of a session writes the table only when it differs from what the file held at the last
// read or write: a file as the user wrote it by hand stays as it is.
TEST_F(FeiertageTest, OnlyAChangedTableIsWrittenBeforeItIsDropped) {
  const QByteArray vonHand = encodeHolidayFile(sampleTable()).replace("\r\n", "\n");
  dir.write("deutsch.hdy", vonHand);
  Lies_Feiertage();
  EXPECT_TRUE(Sichere_Feiertage());
  EXPECT_EQ(dir.read("deutsch.hdy"), vonHand);
  holidayTable().Feiertage[0].Name = "Neu";
  EXPECT_TRUE(Sichere_Feiertage());
  EXPECT_TRUE(dir.read("deutsch.hdy").contains("Neu,"));
  dir.write("deutsch.hdy", vonHand);
  EXPECT_TRUE(Sichere_Feiertage());  // written already: nothing to do
  EXPECT_EQ(dir.read("deutsch.hdy"), vonHand);
}

TEST_F(FeiertageTest, MissingFileGivesAnEmptyTableSilently) {
  holidayTable() = sampleTable();
  Lies_Feiertage();
  EXPECT_EQ(holidayTable(), HolidayTable{});
  EXPECT_TRUE(env.messages.empty());
}

TEST_F(FeiertageTest, ARefusedFileIsReportedAndNeverWrittenOver) {
  const QByteArray bad(" 3  0 \r\nNeujahr, 0  0  1  1 \r\n");
  dir.write("deutsch.hdy", bad);
  holidayTable() = sampleTable();
  Lies_Feiertage();
  EXPECT_EQ(holidayTable(), HolidayTable{});
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].text, QString::fromUtf8("deutsch.hdy: Keine gültige Datei !"));
  EXPECT_EQ(env.messages[0].icon, Icon::Critical);

  // A user text file may name any file as the holiday file: the save says it did not write.
  holidayTable() = sampleTable();
  EXPECT_FALSE(Schreib_Feiertage());
  EXPECT_EQ(dir.read("deutsch.hdy"), bad);
  ASSERT_EQ(env.messages.size(), 2u);
  EXPECT_EQ(env.messages[1].text, QString::fromUtf8("Datei ungespeichert deutsch.hdy: Keine gültige Datei !"));
  EXPECT_EQ(env.messages[1].icon, Icon::Critical);
  EXPECT_FALSE(QFile::exists(dir.file("deutsch.hdy.bak")));

  // Another language's file, or the refused one once it is gone, is written as usual.
  texts().FtDatei = "english.hdy";
  EXPECT_TRUE(Schreib_Feiertage());
  texts().FtDatei = "deutsch.hdy";
  QFile::remove(dir.file("deutsch.hdy"));
  EXPECT_TRUE(Schreib_Feiertage());
  EXPECT_EQ(dir.read("deutsch.hdy"), encodeHolidayFile(sampleTable()));

  const QByteArray ini("LPT=1\r\nDelay=5\r\n");
  dir.write("quorvel.ini", ini);
  texts().FtDatei = "quorvel.ini";
  Lies_Feiertage();
  holidayTable() = sampleTable();
  EXPECT_FALSE(Schreib_Feiertage());
  EXPECT_EQ(dir.read("quorvel.ini"), ini);
}

TEST_F(FeiertageTest, WritingGoesToTheStartDirectoryAndReportsFailure) {
  holidayTable() = sampleTable();
  EXPECT_TRUE(Schreib_Feiertage());
  EXPECT_EQ(dir.read("deutsch.hdy"), encodeHolidayFile(sampleTable()));

  texts().FtDatei = "fehlt/deutsch.hdy";
  EXPECT_FALSE(Schreib_Feiertage());
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].text, QString("Error : 75\nfehlt/deutsch.hdy: No such file or directory"));
  EXPECT_EQ(dir.read("deutsch.hdy"), encodeHolidayFile(sampleTable()));
}

TEST_F(FeiertageTest, OsterNameTakesTheLastHolidayAtThatDistance) {
  EXPECT_EQ(Oster_Name(82), QString("Ostern + 0 Tag(e)"));
  EXPECT_EQ(Oster_Name(79), QString("Ostern -3 Tag(e)"));
  EXPECT_EQ(Oster_Name(132), QString("Ostern + 50 Tag(e)"));
  holidayTable().Feiertage = {ft("Karfreitag", 2, 0, -2, 0), ft("Fest am 80.", 0, 0, 80, 3),
                              ft("Stiller Freitag", 2, 0, -2, 0)};
  holidayTable().AnzFt = 3;
  EXPECT_EQ(Oster_Name(80), QString("Stiller Freitag"));
  EXPECT_EQ(Oster_Name(162), QString("Ostern + 80 Tag(e)"));  // a fixed date is no distance
}

TEST_F(FeiertageTest, ShippedFilesLoadAndRoundTripByteForByte) {
  for (const char* name : {"deutsch.hdy", "english.hdy", "france.hdy"}) {
    SCOPED_TRACE(name);
    dir.copyShipped(name);
    texts().FtDatei = name;
    Lies_Feiertage();
    EXPECT_TRUE(env.messages.empty());
    const HolidayTable& t = holidayTable();
    EXPECT_GE(t.AnzFt, 8);
    EXPECT_GE(t.AnzFtSets, 2);
    EXPECT_LE(t.AnzFtSets, kFtSetsEditorMax);
    for (int s = 0; s < t.AnzFtSets; ++s) {
      EXPECT_GT(t.FtSet[s][0], 0);
      for (int m = 2; m <= t.FtSet[s][0]; ++m) EXPECT_LT(t.FtSet[s][m - 1], t.FtSet[s][m]);
    }
    const QByteArray bytes = dir.read(name);
    EXPECT_FALSE(bytes.contains("\n\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));
    EXPECT_EQ(encodeHolidayFile(t), bytes);
  }
}

TEST_F(FeiertageTest, GermanFileHoldsTheWeekdayRuleOfRepentanceDay) {
  dir.copyShipped("deutsch.hdy");
  Lies_Feiertage();
  const auto& f = holidayTable().Feiertage;
  const auto it = std::find_if(f.begin(), f.end(), [](const TFeiertag& h) { return h.Art == 1; });
  ASSERT_NE(it, f.end());
  EXPECT_EQ(*it, ft("Buß- und Bettag", 1, -3, 23, 11));
  EXPECT_EQ(holidayTable().FtSetName.value(0), QString("Bundesweit"));
}
