// Calendar arithmetic, checked against worked values and against independent references.
#include <gtest/gtest.h>

#include <chrono>

#include "model/Kalender.h"
#include "model/Satz.h"
#include "model/Texte.h"
#include "tests/model/SzBuilders.h"

using namespace qv;
using namespace qv::test;
namespace chr = std::chrono;

namespace {

class KalenderTest : public ::testing::Test {
 protected:
  void SetUp() override { resetAllState(); }
};

int isoWeekday(int day, int month, int year) {
  const chr::year_month_day ymd{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                chr::day{static_cast<unsigned>(day)}};
  return static_cast<int>(chr::weekday{chr::sys_days{ymd}}.iso_encoding());
}

// Easter Sunday by the anonymous Gregorian algorithm (Meeus), as month and day.
std::pair<int, int> meeusEaster(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4, f = (b + 8) / 25;
  const int g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30, i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
  return {month, day};
}

int dayNumber(int day, int month, int year) { return Tage_bis_Monatsende(month - 1, year) + day; }

// The Sunday of a month picked by chrono (last, or n-th), as day of the month.
int lastSunday(int year, unsigned month) {
  const chr::year_month_weekday_last ymwl{chr::year{year}, chr::month{month}, chr::weekday_last{chr::Sunday}};
  return static_cast<int>(unsigned(chr::year_month_day{chr::sys_days{ymwl}}.day()));
}
int nthSunday(int year, unsigned month, unsigned n) {
  const chr::year_month_weekday ymw{chr::year{year}, chr::month{month}, chr::weekday_indexed{chr::Sunday, n}};
  return static_cast<int>(unsigned(chr::year_month_day{chr::sys_days{ymw}}.day()));
}

}  // namespace

TEST_F(KalenderTest, YearsAndMonthsCountEveryFourthYearAsLeap) {
  EXPECT_EQ(Tage_im_Jahr(2100), 366);
  EXPECT_EQ(Tage_im_Jahr(2000), 366);
  EXPECT_EQ(Tage_im_Jahr(2001), 365);
  EXPECT_EQ(Tage_im_Monat(2, 1900), 29);
  EXPECT_EQ(Tage_im_Monat(2, 2001), 28);
  EXPECT_EQ(Tage_im_Monat(4, 2001), 30);
  EXPECT_EQ(Tage_im_Monat(12, 2001), 31);
  EXPECT_EQ(Tage_im_Monat(13, 2001), std::nullopt);
  EXPECT_EQ(Tage_im_Monat(0, 2001), std::nullopt);
  for (int m = -1; m <= 13; ++m) EXPECT_EQ(Monatslaenge(m, 2004), Tage_im_Monat(m, 2004)) << m;

  const int common[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 0};
  for (int m = 0; m <= 12; ++m) {
    EXPECT_EQ(Tage_bis_Monatsende(m, 2001), common[m]) << m;
    EXPECT_EQ(Tage_bis_Monatsende(m, 2000), common[m] + (m >= 2 && m <= 11 ? 1 : 0)) << m;
  }
  EXPECT_EQ(Tage_bis_Monatsende(-3, 2000), 0);
  EXPECT_EQ(Tage_bis_Monatsende(11, 2000), 335);
}

TEST_F(KalenderTest, DayNumbersTurnIntoMonthAndDay) {
  struct Case { int dayNo, year, month, day; };
  const Case cases[] = {{60, 2001, 3, 1},   {60, 2000, 2, 29}, {-5, 2001, 1, -5}, {0, 2001, 1, 0},
                        {400, 2001, 12, 66}, {365, 2001, 12, 31}, {366, 2000, 12, 31}, {32, 2000, 2, 1},
                        {31, 2000, 1, 31},  {335, 2001, 12, 1}, {335, 2000, 11, 30}};
  for (const Case& c : cases) {
    EXPECT_EQ(Monat_aus_Jahrestag(c.dayNo, c.year), c.month) << c.dayNo << "/" << c.year;
    EXPECT_EQ(Tag_aus_Jahrestag(c.dayNo, c.year), c.day) << c.dayNo << "/" << c.year;
  }
  // Every day of a common and a leap year goes there and back.
  for (int year : {2001, 2004}) {
    for (int n = 1; n <= Tage_im_Jahr(year); ++n) {
      const int m = Monat_aus_Jahrestag(n, year);
      EXPECT_EQ(dayNumber(Tag_aus_Jahrestag(n, year), m, year), n);
    }
  }
}

TEST_F(KalenderTest, DatesCompareByYearThenMonthThenDay) {
  EXPECT_EQ(Vergleiche_Datum(31, 12, 2002, 1, 1, 2003), 1);
  EXPECT_EQ(Vergleiche_Datum(1, 1, 2003, 31, 12, 2002), -1);
  EXPECT_EQ(Vergleiche_Datum(30, 4, 2003, 1, 5, 2003), 1);
  EXPECT_EQ(Vergleiche_Datum(2, 5, 2003, 1, 5, 2003), -1);
  EXPECT_EQ(Vergleiche_Datum(1, 5, 2003, 1, 5, 2003), 0);
}

TEST_F(KalenderTest, WeekdayWorkedValues) {
  EXPECT_EQ(Wochentag(1, 1, 1993), 5);
  EXPECT_EQ(Wochentag(29, 2, 1996), 4);
  EXPECT_EQ(Wochentag(1, 1, 2000), 6);
  EXPECT_EQ(Wochentag(31, 12, 1992), 4);
}

TEST_F(KalenderTest, WeekdayMatchesChronoForEveryDayFrom1901To2099) {
  int checked = 0;
  for (int y = 1901; y <= 2099; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= *Tage_im_Monat(m, y); ++d) {
        const int expected = isoWeekday(d, m, y);
        if (Wochentag(d, m, y) != expected) {
          ADD_FAILURE() << d << "." << m << "." << y << ": " << Wochentag(d, m, y) << " != " << expected;
          return;
        }
        ++checked;
      }
  EXPECT_EQ(checked, 72684);
}

TEST_F(KalenderTest, WeekdayNamesComeFromTheTexts) {
  texts().S_Montag = "Montag";
  texts().S_Mittwoch = "Mittwoch";
  texts().S_Sonntag = "Sonntag";
  EXPECT_EQ(Wochentag_Name(1), "Montag");
  EXPECT_EQ(Wochentag_Name(3), "Mittwoch");
  EXPECT_EQ(Wochentag_Name(7), "Sonntag");
  EXPECT_EQ(Wochentag_Name(0), "");
  EXPECT_EQ(Wochentag_Name(8), "");
}

TEST_F(KalenderTest, EasterWorkedValues) {
  const std::pair<int, int> cases[] = {{1993, 101}, {2000, 114}, {2008, 83}, {2046, 84},
                                       {2049, 108}, {2076, 110}, {2079, 113}};
  for (const auto& [year, dayNo] : cases) EXPECT_EQ(Rechne_Ostern(year), dayNo) << year;
}

TEST_F(KalenderTest, EasterMatchesTheAnonymousGregorianAlgorithm1900To2099) {
  // Compared as month and day: the system's own calendar counts 1900 as a leap year.
  for (int y = 1900; y <= 2099; ++y) {
    const int n = Rechne_Ostern(y);
    const auto [month, day] = meeusEaster(y);
    EXPECT_EQ(Monat_aus_Jahrestag(n, y), month) << y;
    EXPECT_EQ(Tag_aus_Jahrestag(n, y), day) << y;
    EXPECT_EQ(Wochentag(Tag_aus_Jahrestag(n, y), Monat_aus_Jahrestag(n, y), y), 7) << y;
  }
}

TEST_F(KalenderTest, SummerTimeWorkedValues) {
  settings().SwRegel = 1;
  EXPECT_EQ(Ist_Sommerzeit(29, 3, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(30, 3, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(26, 10, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(27, 10, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(29, 10, 2006), 1);
  EXPECT_EQ(Ist_Sommerzeit(30, 10, 2006), 0);
  settings().SwRegel = 2;
  EXPECT_EQ(Ist_Sommerzeit(26, 10, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(27, 10, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(22, 10, 2006), 1);
  EXPECT_EQ(Ist_Sommerzeit(23, 10, 2006), 0);
  settings().SwRegel = 3;
  EXPECT_EQ(Ist_Sommerzeit(12, 4, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(13, 4, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(26, 10, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(27, 10, 2003), 0);
}

TEST_F(KalenderTest, SummerTimeChangeoverDaysOfTheFixedRules) {
  // rule -> (spring month, spring Sunday, autumn month, autumn Sunday), found with chrono.
  struct Window { int bm, bd, em, ed; };
  const auto window = [](int rule, int y) -> Window {
    switch (rule) {
      case 1: return {3, lastSunday(y, 3), 10, lastSunday(y, 10)};
      case 2: return {3, lastSunday(y, 3), 10, nthSunday(y, 10, 4)};  // the Sunday in 22..28 October
      default: return {4, nthSunday(y, 4, 2), 10, lastSunday(y, 10)};  // the Sunday in 8..14 April
    }
  };
  for (int rule = 1; rule <= 3; ++rule) {
    settings().SwRegel = static_cast<int16_t>(rule);
    for (int y = 1995; y <= 2040; ++y) {
      const Window w = window(rule, y);
      const int b = dayNumber(w.bd, w.bm, y), e = dayNumber(w.ed, w.em, y);
      for (int n = 1; n <= Tage_im_Jahr(y); ++n) {
        const int expected = (n >= b && n <= e) ? 1 : 0;
        const int m = Monat_aus_Jahrestag(n, y), d = Tag_aus_Jahrestag(n, y);
        if (Ist_Sommerzeit(d, m, y) != expected) {
          ADD_FAILURE() << "rule " << rule << ": " << d << "." << m << "." << y;
          return;
        }
      }
    }
  }
}

TEST_F(KalenderTest, SummerTimeChangeoverDaysByYear) {
  struct Case { int rule, year, bd, bm, ed, em; };
  const Case cases[] = {
      {1, 1996, 31, 3, 27, 10}, {1, 2003, 30, 3, 26, 10}, {1, 2024, 31, 3, 27, 10}, {1, 2025, 30, 3, 26, 10},
      {2, 2003, 30, 3, 26, 10}, {2, 2006, 26, 3, 22, 10}, {2, 2024, 31, 3, 27, 10}, {3, 2003, 13, 4, 26, 10},
      {3, 2007, 8, 4, 28, 10},  {3, 2024, 14, 4, 27, 10},
  };
  for (const Case& c : cases) {
    settings().SwRegel = static_cast<int16_t>(c.rule);
    const int b = dayNumber(c.bd, c.bm, c.year), e = dayNumber(c.ed, c.em, c.year);
    const auto at = [&](int n) { return Ist_Sommerzeit(Tag_aus_Jahrestag(n, c.year), Monat_aus_Jahrestag(n, c.year), c.year); };
    EXPECT_EQ(at(b - 1), 0) << c.rule << "/" << c.year;
    EXPECT_EQ(at(b), 1) << c.rule << "/" << c.year;
    EXPECT_EQ(at(e), 1) << c.rule << "/" << c.year;
    EXPECT_EQ(at(e + 1), 0) << c.rule << "/" << c.year;
  }
  settings().SwRegel = 0;
  for (int n = 1; n <= 366; ++n) EXPECT_EQ(Ist_Sommerzeit(Tag_aus_Jahrestag(n, 2004), Monat_aus_Jahrestag(n, 2004), 2004), 0);
  settings().SwRegel = 7;
  EXPECT_EQ(Ist_Sommerzeit(1, 7, 2004), 0);
}

TEST_F(KalenderTest, ChangeoverTableYearsAndDates) {
  ProgramState& p = program();
  p.SwKopf[0] = 7;  // first year 2003, one pair per year
  EXPECT_EQ(SoWi_Jahr(0, 0), 2003);
  EXPECT_EQ(SoWi_Jahr(3, 0), 2006);
  p.SwKopf[1] = 7 + 64;
  p.SwProJahr[1] = 1;
  EXPECT_EQ(SoWi_Jahr(0, 1), 2003);
  EXPECT_EQ(SoWi_Jahr(1, 1), 2003);
  EXPECT_EQ(SoWi_Jahr(2, 1), 2004);
  EXPECT_EQ(SoWi_Jahr(19, 1), 2012);

  const TSwEintrag e = swEntry(30, 3, 26, 10);
  EXPECT_EQ(SoWi_Tag_Vor(e), 30);
  EXPECT_EQ(SoWi_Monat_Vor(e), 3);
  EXPECT_EQ(SoWi_Tag_Zurueck(e), 26);
  EXPECT_EQ(SoWi_Monat_Zurueck(e), 10);
  const TSwEintrag low = swEntry(5, 4, 15, 9);
  EXPECT_EQ(SoWi_Tag_Vor(low), 5);
  EXPECT_EQ(SoWi_Tag_Zurueck(low), 15);
}

TEST_F(KalenderTest, TableRulePicksTheEntriesOfTheYear) {
  settings().SwRegel = 4;
  ProgramState& p = program();
  p.SwKopf[0] = 7;  // 2003, one pair per year
  p.SwTab[0][0] = swEntry(30, 3, 26, 10);
  p.SwTab[0][1] = swEntry(28, 3, 31, 10);
  p.SwTab[0][2] = swEntry(1, 1, 31, 12);  // not counted
  p.AnzSw[0] = 2;
  EXPECT_EQ(Ist_Sommerzeit(29, 3, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(30, 3, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(26, 10, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(27, 10, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(27, 3, 2004), 0);
  EXPECT_EQ(Ist_Sommerzeit(28, 3, 2004), 1);
  EXPECT_EQ(Ist_Sommerzeit(31, 10, 2004), 1);
  EXPECT_EQ(Ist_Sommerzeit(1, 11, 2004), 0);
  EXPECT_EQ(Ist_Sommerzeit(1, 7, 2005), 0);
  EXPECT_EQ(Ist_Sommerzeit(1, 7, 2002), 0);

  // An empty entry inside the count gives no summer time.
  p.SwTab[0][1] = TSwEintrag{255, 255, 255, 255};
  EXPECT_EQ(Ist_Sommerzeit(31, 10, 2004), 0);
  EXPECT_EQ(Ist_Sommerzeit(1, 7, 2004), 0);

  // Two changeover pairs per year: summer inside either window.
  p.SwKopf[0] = 7 + 64;
  p.SwProJahr[0] = 1;
  p.SwTab[0][0] = swEntry(1, 3, 31, 3);
  p.SwTab[0][1] = swEntry(1, 7, 31, 7);
  p.SwTab[0][2] = swEntry(1, 5, 31, 5);
  p.AnzSw[0] = 3;
  EXPECT_EQ(Ist_Sommerzeit(15, 3, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(15, 5, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(15, 7, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(15, 8, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(15, 5, 2004), 1);
  EXPECT_EQ(Ist_Sommerzeit(15, 3, 2004), 0);

  // A window over the turn of the year (southern hemisphere): summer at both ends.
  p.SwKopf[0] = 7;
  p.SwProJahr[0] = 0;
  p.SwTab[0][0] = swEntry(5, 10, 30, 3);
  p.AnzSw[0] = 1;
  EXPECT_EQ(Ist_Sommerzeit(15, 1, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(30, 3, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(31, 3, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(15, 6, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(4, 10, 2003), 0);
  EXPECT_EQ(Ist_Sommerzeit(5, 10, 2003), 1);
  EXPECT_EQ(Ist_Sommerzeit(31, 12, 2003), 1);
}

TEST_F(KalenderTest, PriorityTimesRelateToAYear) {
  struct Case { TSz rec; int year, expected; const char* what; };
  const Case cases[] = {
      {yearPz(2003, 12, 1, 1, 31), 2003, 3, "runs into next year"},
      {yearPz(2003, 12, 1, 1, 31), 2004, 4, "started last year"},
      {yearPz(2003, 12, 1, 1, 31), 2005, 0, "another year"},
      {yearPz(2003, 12, 1, 1, 31), 2002, 0, "before its year"},
      {yearPz(2003, 3, 1, 5, 31), 2003, 2, "inside its year"},
      {yearPz(2003, 3, 1, 5, 31), 2004, 0, "not into next year"},
      {yearPz(2003, 5, 1, 5, 1), 2003, 2, "single day"},
      {yearPz(2003, 5, 1, 5, 1), 2004, 0, "single day not into next year"},
      {periodPz(12, 1, 1, 31, 1, 1, 0), 2010, 1, "every year"},
      {periodPz(12, 1, 1, 31, 1, 1, 0, 0, true), 2010, 1, "flag without year"},
      {easterPz(49, 1, 1, 0), 2010, 1, "Easter"},
  };
  for (const Case& c : cases) EXPECT_EQ(Pz_Jahresbezug(c.year, c.rec), c.expected) << c.what;
}

TEST_F(KalenderTest, MinutesSinceTheLastWeekdayFiring) {
  EXPECT_EQ(Minuten_seit_Wochen_Sz(1, weekdaySz(1320, 64, 1, 1)), 120);
  EXPECT_EQ(Minuten_seit_Wochen_Sz(1, weekdaySz(360, 1, 1, 1)), 6 * 1440 + 1080);
  EXPECT_EQ(Minuten_seit_Wochen_Sz(4, weekdaySz(720, 1 + 4, 1, 1)), 720);
  EXPECT_EQ(Minuten_seit_Wochen_Sz(3, weekdaySz(100, 0, 1, 1)), 8 * 1440 - 100);

  // Against a walk back through the days, for every weekday set and every day.
  for (int set = 1; set < 128; ++set)
    for (int day = 1; day <= 7; ++day) {
      const TSz r = weekdaySz(725, set, 1, 1);
      int back = 1;
      while (!((set >> ((day - 1 - back + 14) % 7)) & 1)) ++back;
      ASSERT_EQ(Minuten_seit_Wochen_Sz(day, r), back * 1440 - 725) << set << "/" << day;
    }
}

TEST_F(KalenderTest, MinutesSinceTheLastDatedFiring) {
  EXPECT_EQ(Minuten_seit_Datum_Sz(1, 1, 2001, datedSz(23 * 60, 31, 12, 1, 1)), 60);
  EXPECT_EQ(Minuten_seit_Datum_Sz(1, 3, 2001, datedSz(600, 28, 2, 1, 1)), 1440 - 600);
  EXPECT_EQ(Minuten_seit_Datum_Sz(1, 3, 2004, datedSz(600, 28, 2, 1, 1)), 1440 + 1440 - 600);
  EXPECT_EQ(Minuten_seit_Datum_Sz(5, 6, 2001, datedSz(600, 5, 6, 1, 1)), 364 * 1440 + 1440 - 600);
  EXPECT_EQ(Minuten_seit_Datum_Sz(5, 6, 2004, datedSz(600, 5, 6, 1, 1)), 365 * 1440 + 1440 - 600);
  EXPECT_EQ(Minuten_seit_Datum_Sz(6, 6, 2001, datedSz(0, 5, 6, 1, 1, 0, true)), 1440);
}
