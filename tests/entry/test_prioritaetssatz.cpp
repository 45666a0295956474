// Priority records: the layouts, the dates a holiday stands for, the duplicate scan.
#include <gtest/gtest.h>

#include "entry/Prioritaetssatz.h"
#include "model/Zustand.h"

using namespace qv;

namespace {

std::array<int, 6> worte(const TSz& r) { return {r.w0, r.w1, r.w2, r.w3, r.w4, r.w5}; }

TFeiertag ft(int art, int wtag, int tag, int monat) {
  return {QStringLiteral("F"), static_cast<int16_t>(art), static_cast<int16_t>(wtag), static_cast<int16_t>(tag),
          static_cast<int16_t>(monat)};
}

TEST(PzSatz, Layouts) {
  PzEingabe ganzesJahr{1, 1, 31, 12, 0, 0, 1, 0, 1};
  EXPECT_EQ(worte(Pz_Zeitraum_Satz(ganzesJahr, 0)), (std::array<int, 6>{98, 17, 0, 31, 1, 192}));

  PzEingabe jahr2030 = ganzesJahr;
  jahr2030.jahrcode = 2030 - 1936;  // 94
  jahr2030.einmal = 1;
  EXPECT_EQ(worte(Pz_Zeitraum_Satz(jahr2030, 0)), (std::array<int, 6>{98, 17, 0, 95, 14 * 16 + 1, 192 + 10}));

  // 17 March to 5 April, Permanent ON on channels 1 and 3; the day's bit 4 goes into word 0.
  PzEingabe perm{17, 3, 5, 4, 0, 0, 10, 1, 5};
  EXPECT_EQ(worte(Pz_Zeitraum_Satz(perm, 0)), (std::array<int, 6>{96 + 6 + 1, 16 + 10, 0, 5, 5, 64 + 1}));
  // Family 1: Permanent is 8, word 4 holds the state and word 5 the channel - 1.
  perm.prio = 8;
  perm.kanal = 3;
  EXPECT_EQ(worte(Pz_Zeitraum_Satz(perm, 1)), (std::array<int, 6>{103, 16 + 8, 0, 5, 1, 64 + 2}));

  // Easter + 49 (value 131), program 2 on channel 4, state off.
  EXPECT_EQ(worte(Pz_Oster_Satz(131, 2, 8, 0)), (std::array<int, 6>{96, 128 + 2, 0, 0, 8, 48}));
}

TEST(PzSatz, WeekdayBeforeAndAfter) {
  // 23 November 2022 is a Wednesday: the Wednesday before is the 16th, the one after the 30th.
  EXPECT_EQ(Wochentag_relativ(23, 11, -3, 2022), (Kalendertag{16, 11, 2022}));
  EXPECT_EQ(Wochentag_relativ(23, 11, 3, 2022), (Kalendertag{30, 11, 2022}));
  // Across the turn of the year: the Sunday before 2 January 2022 (a Sunday) lies in 2021.
  EXPECT_EQ(Wochentag_relativ(2, 1, -7, 2022), (Kalendertag{26, 12, 2021}));
  EXPECT_EQ(Wochentag_relativ(30, 12, 1, 2022), (Kalendertag{2, 1, 2023}));
}

TEST(PzSatz, WeekdayRuleYearByYear) {
  // Buß- und Bettag: the Wednesday before 23 November; 2026 gives 18 November.
  const TFeiertag bettag = ft(1, -3, 23, 11);
  struct Fall {
    QDate heute;
    int anzahl, erstesJahr, letztesJahr;
  } faelle[] = {
      {QDate(2026, 6, 1), 14, 2026, 2039},   // still ahead: this year through this year + 13
      {QDate(2026, 11, 18), 14, 2026, 2039}, // today counts as not past
      {QDate(2026, 11, 19), 13, 2027, 2039}, // past: one fewer
      {QDate(2055, 1, 1), 9, 2055, 2063},    // the year code ends with 2063
  };
  for (const Fall& f : faelle) {
    const Feiertagssaetze s = Feiertag_Saetze(bettag, f.heute, 1, 14, 0, 0);
    ASSERT_EQ(int(s.tage.size()), f.anzahl) << f.heute.toString().toStdString();
    EXPECT_EQ(s.tage.front().jahrcode, f.erstesJahr - 1936);
    EXPECT_EQ(s.tage.back().jahrcode, f.letztesJahr - 1936);
    EXPECT_EQ(s.tage.front().einmal, 1);
  }
  EXPECT_EQ(Feiertag_Saetze(bettag, QDate(2026, 6, 1), 1, 14, 0, 0).tage.front(), (PzTag{18, 11, 90, 1}));
  // Without movable holidays: the next date, every year, one-off.
  EXPECT_EQ(Feiertag_Saetze(bettag, QDate(2026, 11, 19), 0, 1, 0, 0).tage,
            (std::vector<PzTag>{{17, 11, 0, 1}}));
}

TEST(PzSatz, FixedAndEasterHolidays) {
  const QDate heute(2026, 6, 1);
  // A fixed date takes the year choice of the form.
  EXPECT_EQ(Feiertag_Saetze(ft(0, 0, 1, 5), heute, 1, 14, 94, 1).tage, (std::vector<PzTag>{{1, 5, 94, 1}}));
  // Easter-relative with movable holidays: one record the device dates each year.
  Feiertagssaetze s = Feiertag_Saetze(ft(2, 0, 49, 0), heute, 1, 14, 0, 0);
  EXPECT_EQ(s.osterwert, 131);
  EXPECT_TRUE(s.tage.empty());
  // Without: the next date. Easter 2026 is 5 April, so Whit Monday (+50) is 25 May, past; 2027
  // has Easter on 28 March and Whit Monday on 17 May.
  EXPECT_EQ(Feiertag_Saetze(ft(2, 0, 50, 0), heute, 0, 1, 0, 0).tage, (std::vector<PzTag>{{17, 5, 0, 1}}));
  // 82 days before Easter 1913 (23 March) is 31 December 1912, never a day 0.
  EXPECT_EQ(Feiertag_Saetze(ft(2, 0, -82, 0), QDate(1912, 12, 1), 0, 1, 0, 0).tage,
            (std::vector<PzTag>{{31, 12, 0, 1}}));
}

TEST(PzSatz, HolidaysThatMakeNoRecord) {
  const QDate heute(2026, 6, 1);
  for (const TFeiertag& f : {ft(3, 0, 1, 1), ft(0, 0, 0, 5), ft(0, 0, 5, 0), ft(1, -3, 32, 11), ft(2, 0, 200, 0)})
    EXPECT_TRUE(Feiertag_Saetze(f, heute, 1, 14, 0, 0).leer()) << f.Art << " " << f.Tag << " " << f.Monat;
}

TEST(PzSatz, ConflictScanExceptsTheChangedRecord) {
  resetAllState();
  ProgramState& p = program();
  PzEingabe e{1, 1, 31, 12, 0, 0, 10, 0, 1};
  p.Sz[0][0] = TSz{0, 1, 0, 0, 1, 1};  // a switching time is another kind
  p.Sz[0][1] = Pz_Zeitraum_Satz(e, 0);
  p.AnzSz[0] = 1;
  p.AnzPz[0] = 1;
  p.AnzGesamt[0] = 2;
  EXPECT_EQ(Suche_Pz_Konflikt(Pz_Zeitraum_Satz(e, 0), -1).art, 2);
  EXPECT_EQ(Suche_Pz_Konflikt(Pz_Zeitraum_Satz(e, 0), 1).art, 0);
  e.zustand = 1;
  const PzKonflikt k = Suche_Pz_Konflikt(Pz_Zeitraum_Satz(e, 0), -1);
  EXPECT_EQ(k.art, 1);
  EXPECT_EQ(k.index, 1);
  e.prio = 3;
  EXPECT_EQ(Suche_Pz_Konflikt(Pz_Zeitraum_Satz(e, 0), -1).art, 0);
}

}  // namespace
