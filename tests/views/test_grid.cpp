// The four views of the main grid: captions, layout, row counts and cell texts, against golden
// tables for three clock types, two years and two languages.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include "tests/support/ScriptedEnvironment.h"
#include "tests/views/ViewFixtures.h"
#include "views/Anzeigeliste.h"
#include "views/Speicherbelegung.h"

using namespace qv;
using namespace qv::test;

namespace {

struct GoldenCase {
  int uhrentyp;
  int jahr;
  int sprache;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << c.uhrentyp << '/' << c.jahr << '/' << (c.sprache == 2 ? "en" : "de");
}

QString goldenPath(const GoldenCase& c) {
  return QStringLiteral(QV_TEST_DATA "/views/grid_%1_%2_%3.txt")
      .arg(c.uhrentyp)
      .arg(c.jahr)
      .arg(c.sprache == 2 ? QStringLiteral("en") : QStringLiteral("de"));
}

class GridGolden : public ::testing::TestWithParam<GoldenCase> {};

// Set QV_UPDATE_GOLDEN=1 to write the tables anew (then review them and commit).
TEST_P(GridGolden, FourViewsEqualTheGoldenTable) {
  const GoldenCase c = GetParam();
  frisch();
  ScriptedEnvironment env;
  env.setNow(QDateTime(QDate(c.jahr, 6, 1), QTime(12, 0)));
  waehleSprache(c.sprache);
  ladeBeispiel(c.uhrentyp);
  const QString got = dumpViews();

  QFile f(goldenPath(c));
  if (qEnvironmentVariableIntValue("QV_UPDATE_GOLDEN") == 1) {
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(got.toUtf8());
    GTEST_SKIP() << "written " << goldenPath(c).toStdString();
  }
  ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << goldenPath(c).toStdString();
  const QStringList want = QString::fromUtf8(f.readAll()).split(u'\n');
  const QStringList have = got.split(u'\n');
  for (int i = 0; i < std::min(want.size(), have.size()); ++i)
    ASSERT_EQ(have[i].toStdString(), want[i].toStdString()) << "line " << i + 1;
  EXPECT_EQ(have.size(), want.size());
}

INSTANTIATE_TEST_SUITE_P(Grid, GridGolden,
                         ::testing::Values(GoldenCase{240, 2024, 1}, GoldenCase{240, 2023, 1},
                                           GoldenCase{240, 2024, 2}, GoldenCase{240, 2023, 2},
                                           GoldenCase{280, 2024, 1}, GoldenCase{280, 2023, 1},
                                           GoldenCase{280, 2024, 2}, GoldenCase{280, 2023, 2},
                                           GoldenCase{309, 2024, 1}, GoldenCase{309, 2023, 1},
                                           GoldenCase{309, 2024, 2}, GoldenCase{309, 2023, 2}),
                         [](const auto& p) {
                           return QStringLiteral("T%1_%2_%3")
                               .arg(p.param.uhrentyp)
                               .arg(p.param.jahr)
                               .arg(p.param.sprache == 2 ? "en" : "de")
                               .toStdString();
                         });

GridInhalt fill(int view, int slot = 0) {
  viewState().AktAnsicht = static_cast<int16_t>(view);
  return Baue_Gridinhalt(slot);
}

bool allEmptyFrom(const GridInhalt& g, int row) {
  for (int r = row; r < g.rows; ++r)
    for (int c = 0; c < g.cols; ++c)
      if (!g.text(r, c).isEmpty()) return false;
  return true;
}

}  // namespace

TEST(GridLayout, EmptyProgramShowsHeaderAndMinimumRows) {
  frisch();
  ScriptedEnvironment env;
  waehleSprache(1);
  waehleUhrentyp(240);
  for (int view : {0, 1, 2}) {
    const GridInhalt g = fill(view);
    EXPECT_TRUE(g.filled);
    EXPECT_EQ(g.rows, 27) << view;
    EXPECT_EQ(g.dataRows, 0);
    EXPECT_EQ(viewState().AnzGridZeilen, 0);
    EXPECT_TRUE(allEmptyFrom(g, 1));
    EXPECT_EQ(g.text(0, 0), "Nr.");
  }
  const GridInhalt astro = fill(3);
  EXPECT_EQ(astro.rows, 367);
  EXPECT_EQ(astro.dataRows, 0);
  EXPECT_TRUE(allEmptyFrom(astro, 1));
}

TEST(GridLayout, RowsGrowWithTheListAndUnknownViewFillsNothing) {
  frisch();
  ScriptedEnvironment env;
  waehleSprache(1);
  waehleUhrentyp(240);
  for (int i = 0; i < 30; ++i) program().Sz[0][i] = wochenSz(i * 10, 1, 1, 1);
  program().AnzSz[0] = program().AnzGesamt[0] = 30;
  GridInhalt g = fill(0);
  EXPECT_EQ(g.rows, 32);
  EXPECT_EQ(g.dataRows, 30);
  EXPECT_EQ(g.text(9, 0), "  9");
  EXPECT_EQ(g.text(10, 0), " 10");
  EXPECT_TRUE(allEmptyFrom(g, 31));

  viewState().AktAnsicht = 7;
  EXPECT_FALSE(Baue_Gridinhalt(0).filled);
  EXPECT_EQ(viewState().AnzGridZeilen, 0);
  EXPECT_EQ(Zeilennummer_Text(123), "123");
}

TEST(GridCaption, TemplatePrefixOnlyOnTheTwoLists) {
  frisch();
  ScriptedEnvironment env;
  waehleSprache(1);
  waehleUhrentyp(240);
  program().Dateiname[0] = "a.qvl";
  program().Dateiname[1] = "vorl.qvl";
  EXPECT_EQ(fill(0, 0).caption, "Schaltzeitliste (a.qvl)");
  EXPECT_EQ(fill(0, 1).caption, "Vorlage Schaltzeitliste (vorl.qvl)");
  EXPECT_EQ(fill(1, 1).caption, QString::fromUtf8("Vorlage Prioritätsliste (vorl.qvl)"));
  EXPECT_EQ(fill(2, 1).caption, "SoWi-Tabelle  (vorl.qvl)");
  EXPECT_EQ(fill(3, 1).caption, "Astrozeiten (vorl.qvl)");
}

TEST(GridSwitchingView, Type309HasNoPulseColumnAndFamilyOneShowsChannelNumber) {
  frisch();
  ScriptedEnvironment env;
  waehleSprache(1);
  waehleUhrentyp(309);
  setzeSlot(0, {datumSz(60, 2, 3, 2, 1, 0, true)}, {});
  GridInhalt g = fill(0);
  ASSERT_EQ(g.cols, 7);
  EXPECT_EQ(g.widthsTwips[3], 3400);
  EXPECT_EQ(g.text(0, 4), "1x");
  EXPECT_EQ(g.text(1, 4), "1x");
  EXPECT_EQ(g.text(1, 3), " C2");
  EXPECT_EQ(g.text(1, 5), "EIN");

  waehleUhrentyp(240);
  profile().Geraetefamilie = 1;
  setzeSlot(0, {wochenSz1(480, 5, 6, 200, 0, 3)}, {});
  g = fill(0);
  EXPECT_EQ(g.text(1, 1), "Mo Mi");
  EXPECT_EQ(g.text(1, 3), " C6");
  EXPECT_EQ(g.text(1, 6), "200");
  EXPECT_EQ(g.text(1, 7), "3");
  // A priority time for channel 3 (stored as 2, as the priority entry stores it) is listed as C3.
  setzeSlot(0, {}, {TSz{98, 24, 0, 28, 200, 34}});
  EXPECT_EQ(fill(1).text(1, 3), " C3");

  // The pulse column shows 1..59 seconds; a longer stored pulse leaves it empty.
  profile().Geraetefamilie = 0;
  setzeSlot(0, {wochenSz(480, 1, 1, 1, 59), wochenSz(490, 1, 1, 1, 60)}, {});
  g = fill(0);
  EXPECT_EQ(g.text(1, 4), "59 sec");
  EXPECT_EQ(g.text(2, 4), "");
}

TEST(GridPriorityView, FamilyOnePermanentShowsItsValue) {
  frisch();
  ScriptedEnvironment env;
  waehleSprache(1);
  waehleUhrentyp(240);
  profile().Geraetefamilie = 1;
  setzeSlot(0, {}, {periodePz1(3, 1, 3, 2, 8, 2, 150), periodePz1(3, 1, 3, 2, 4, 2, 150)});
  GridInhalt g = fill(1);
  EXPECT_EQ(g.text(1, 6), "Perm.");
  EXPECT_EQ(g.text(1, 5), "150");
  EXPECT_EQ(g.text(2, 6), "4");
  EXPECT_EQ(g.text(2, 5), "");
  EXPECT_EQ(g.text(1, 2), QString::fromUtf8("2. März 24:00 Uhr"));
}

TEST(GridAstroView, Type280ShowsTheFramesChannelAndClampsOthers) {
  frisch();
  ScriptedEnvironment env;
  env.setNow(QDateTime(QDate(2024, 1, 1), QTime(0, 0)));
  waehleSprache(1);
  ladeBeispiel(280);
  astro().AstroAktiv[3] = -1;  // astro channel 3
  astro().AstroTab[2][0] = TAstroTag{500, 1000, 1, 0};
  viewState().firstChannelShown = 3;
  GridInhalt g = fill(3);
  EXPECT_EQ(Angezeigter_Astrokanal(), 2);
  EXPECT_EQ(g.text(1, 1), " C3");
  EXPECT_EQ(g.text(1, 3), "  8:20 Uhr: EIN");
  EXPECT_EQ(g.text(1, 4), "16:40 Uhr: AUS");
  EXPECT_EQ(g.dataRows, 366);

  // A channel without astro times: header only, and the count of the last fill is gone.
  viewState().firstChannelShown = 2;
  g = fill(3);
  EXPECT_EQ(g.dataRows, 0);
  EXPECT_EQ(viewState().AnzGridZeilen, 0);
  EXPECT_TRUE(allEmptyFrom(g, 1));

  // The frame pages to channel 13: no astro table exists for it, channel 1 is shown.
  viewState().firstChannelShown = 13;
  g = fill(3);
  EXPECT_EQ(Angezeigter_Astrokanal(), 0);
  EXPECT_EQ(g.text(1, 1), " C1");
  EXPECT_EQ(g.dataRows, 366);
}

TEST(GridAstroView, Type280LimitsSummerTimeAndStates) {
  frisch();
  ScriptedEnvironment env;
  env.setNow(QDateTime(QDate(2023, 1, 1), QTime(0, 0)));
  waehleSprache(1);
  ladeBeispiel(280);
  const int d = 180;  // 30 June 2023, summer time
  astro().AstroTab[0][d] = TAstroTag{330, 1260, 1, 7};
  GridInhalt g = fill(3);
  EXPECT_EQ(g.dataRows, 365);
  EXPECT_EQ(g.text(d + 1, 2), "30. Juni");
  EXPECT_EQ(g.text(d + 1, 3), "  7:00 Uhr: EIN");
  EXPECT_EQ(g.text(d + 1, 4), "21:30 Uhr: EIN");  // limit; a state other than 0 shows as ON
  astro().AstroTab[0][d] = TAstroTag{1535, 1535, 0, 0};
  g = fill(3);
  EXPECT_EQ(g.text(d + 1, 3), "  --:-- Uhr");
  EXPECT_EQ(g.text(d + 1, 4), "  --:-- Uhr");
}

TEST(GridAstroView, OtherTypesAddCorrectionsAndShowNoTimeOutsideTheDay) {
  frisch();
  ScriptedEnvironment env;
  env.setNow(QDateTime(QDate(2023, 1, 1), QTime(0, 0)));
  waehleSprache(1);
  ladeBeispiel(309);
  astro().AstroTab[0][0] = TAstroTag{10, 1430, 0, 0};   // winter: -15 and +10
  astro().AstroTab[0][180] = TAstroTag{10, 1370, 0, 0};  // summer: +60 as well
  GridInhalt g = fill(3);
  EXPECT_EQ(g.text(1, 1), " C1  C2");
  EXPECT_EQ(g.text(1, 3), "  --:-- Uhr");
  EXPECT_EQ(g.text(1, 4), "  --:-- Uhr");
  EXPECT_EQ(g.text(181, 3), "  0:55 Uhr");
  EXPECT_EQ(g.text(181, 4), "  --:-- Uhr");
  settings().AstroC1C2 = 0;
  EXPECT_EQ(fill(3).text(1, 1), " C1");
}

TEST(GridChangeoverView, DecodesDateHourAndShift) {
  frisch();
  ScriptedEnvironment env;
  waehleSprache(1);
  waehleUhrentyp(240);
  ProgramState& p = program();
  p.SwKopf[0] = 2003 - 1996;
  p.SwTab[0][0] = TSwEintrag{2 * 16 + 1 * 2 + 1, 13 * 16 + 3, 3 * 16, 0x1A};
  p.AnzSw[0] = 1;
  GridInhalt g = fill(2);
  EXPECT_EQ(g.text(1, 0), " 1");
  EXPECT_EQ(g.text(1, 1), "2003");
  EXPECT_EQ(g.text(1, 2), QString::fromUtf8("29. März 2:00 Uhr"));
  EXPECT_EQ(g.text(1, 3), "1 Stunde");
  EXPECT_EQ(g.text(1, 4), "1. Oktober 3:00 Uhr");
  EXPECT_EQ(g.text(1, 5), "0 Stunden");
  EXPECT_EQ(g.dataRows, 1);
}

TEST(GridSpeicherbelegung, LabelAndGaugeValues) {
  frisch();
  waehleSprache(1);
  waehleUhrentyp(280);
  Speicherbelegung s = Berechne_Speicherbelegung(0);
  EXPECT_EQ(s.text, "0 von 500");
  EXPECT_EQ(s.maximum, 1000);
  EXPECT_EQ(s.value, 0);
  waehleUhrentyp(240);
  program().AnzGesamt[1] = 12;
  s = Berechne_Speicherbelegung(1);
  EXPECT_EQ(s.text, "12 von 324");
  EXPECT_EQ(s.maximum, 648);
  EXPECT_EQ(s.value, 12);
}
