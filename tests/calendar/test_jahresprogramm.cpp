// The year program calendar and the yearly operating hours.
#include <gtest/gtest.h>

#include "calendar/Jahresprogramm.h"
#include "entry/Prioritaetssatz.h"
#include "model/Zustand.h"
#include "tests/calendar/sim_records.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;
using namespace qv::simtest;

namespace {

class JahrTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    profile().Uhrentyp = 240;
    profile().Kanalzahl = 4;
    profile().MaxSz = 324;
  }
  // The day indexes of column c that hold value v.
  static std::vector<int> tageMit(const Jahresprogramm& j, int c, int v, int jahr) {
    std::vector<int> out;
    for (int x = 0; x < (jahr % 4 == 0 ? 366 : 365); ++x)
      if (j.ProgTag[c][x] == v) out.push_back(x);
    return out;
  }
  static std::vector<int> bereich(int von, int bis) {
    std::vector<int> out;
    for (int x = von; x <= bis; ++x) out.push_back(x);
    return out;
  }
  test::ScriptedEnvironment env;
};

}  // namespace

TEST_F(JahrTest, WithoutPriorityTimesEveryDayIsP0) {
  lade({woche(360, 0, kTaeglich, 1, 1)});
  const Jahresprogramm j = Rechne_pzgrafik(2025, 1);
  for (int c = 0; c < kProgTagSpalten; ++c) EXPECT_EQ(tageMit(j, c, 0, 2024).size(), 366u);
  EXPECT_EQ(j.ErsterKanal, 1);
  EXPECT_EQ(j.LetzteSpalte, 3);
}

TEST_F(JahrTest, EveryYearRangeWrapsIntoTheSameYear) {
  lade({}, {prio(20, 12, 10, 1, 3, 1)});
  const Jahresprogramm j = Rechne_pzgrafik(2025, 1);
  std::vector<int> expected = bereich(0, 9);
  for (int x : bereich(353, 364)) expected.push_back(x);
  EXPECT_EQ(tageMit(j, 0, 3, 2025), expected);
  EXPECT_TRUE(tageMit(j, 1, 3, 2025).empty());
}

TEST_F(JahrTest, RangesBoundToAYear) {
  lade({}, {prio(20, 12, 10, 1, 4, 1, 0, 2025)});
  EXPECT_EQ(tageMit(Rechne_pzgrafik(2025, 1), 0, 4, 2025), bereich(353, 364));
  EXPECT_EQ(tageMit(Rechne_pzgrafik(2026, 1), 0, 4, 2026), bereich(0, 9));
  EXPECT_TRUE(tageMit(Rechne_pzgrafik(2024, 1), 0, 4, 2024).empty());
  EXPECT_TRUE(tageMit(Rechne_pzgrafik(2027, 1), 0, 4, 2027).empty());
  lade({}, {prio(5, 1, 5, 1, 4, 1, 0, 2025)});  // one day: 5 January 2025 only
  EXPECT_EQ(tageMit(Rechne_pzgrafik(2025, 1), 0, 4, 2025), bereich(4, 4));
  EXPECT_TRUE(tageMit(Rechne_pzgrafik(2026, 1), 0, 4, 2026).empty());
  lade({}, {prio(1, 3, 31, 3, 6, 2, 0, 2024)});  // leap year: March is days 60..90
  EXPECT_EQ(tageMit(Rechne_pzgrafik(2024, 1), 1, 6, 2024), bereich(60, 90));
}

TEST_F(JahrTest, OverlapsAndChannelsOfTheRecord) {
  // Channel 1 and 2 in P2 all March; channel 1 in P5 from the 10th to the 20th; in display
  // order the higher program comes later and wins where they overlap.
  lade({}, {prio(10, 3, 20, 3, 5, 1), prio(1, 3, 31, 3, 2, 1 | 2)});
  const Jahresprogramm j = Rechne_pzgrafik(2025, 1);
  EXPECT_EQ(tageMit(j, 0, 5, 2025), bereich(68, 78));
  std::vector<int> p2 = bereich(59, 67);
  for (int x : bereich(79, 89)) p2.push_back(x);
  EXPECT_EQ(tageMit(j, 0, 2, 2025), p2);
  EXPECT_EQ(tageMit(j, 1, 2, 2025), bereich(59, 89));
  EXPECT_EQ(tageMit(j, 2, 0, 2025).size(), 365u);
}

TEST_F(JahrTest, PermanentStatesAndMalformedRecords) {
  lade({}, {prio(1, 5, 2, 5, 10, 1, 1), prio(3, 5, 3, 5, 10, 1, 0), prio(1, 6, 30, 6, 12, 1),
            prio(0, 15, 31, 15, 7, 2)});
  const Jahresprogramm j = Rechne_pzgrafik(2025, 1);
  EXPECT_EQ(tageMit(j, 0, kProgPermanentEin, 2025), bereich(120, 121));
  EXPECT_EQ(tageMit(j, 0, kProgPermanentAus, 2025), bereich(122, 122));
  EXPECT_EQ(tageMit(j, 0, 0, 2025).size(), 362u);  // no program 12
  // Month 15, day 0 begins before the year; only the days inside it are written.
  EXPECT_EQ(tageMit(j, 1, 7, 2025), bereich(0, 30));
}

TEST_F(JahrTest, SixteenChannelTypeShowsTheGroupFromTheFirstChannel) {
  profile().Uhrentyp = 280;
  profile().Kanalzahl = 16;
  profile().MaxSz = 500;
  profile().KeineZeit = 1535;
  lade({}, {prio(1, 1, 31, 1, 4, 5)});  // channel number 5: channel 6
  const Jahresprogramm j = Rechne_pzgrafik(2025, 5);
  EXPECT_EQ(j.ErsterKanal, 5);
  EXPECT_EQ(j.spalte(6), 1);
  EXPECT_EQ(j.spalte(9), std::nullopt);
  EXPECT_EQ(tageMit(j, 1, 4, 2025), bereich(0, 30));
  EXPECT_EQ(j.programm(6, 3), 4);
  EXPECT_EQ(j.programm(2, 3), 0);
  // The frame may show another group (paged to channel 2): the yearly total still takes the
  // channel's own days.
  EXPECT_EQ(Rechne_pzgrafik(2025, 2).spalte(6), std::nullopt);
  lade({}, {prio(1, 1, 31, 12, 10, 5, 1)});
  EXPECT_EQ(Jahresbetriebsstunden(6, 2025), 525600);
  EXPECT_EQ(Jahresbetriebsstunden(5, 2025), 0);
}

TEST_F(JahrTest, PermanentOnAllYearGivesEveryMinute) {
  lade({}, {prio(1, 1, 31, 12, 10, 1, 1)});
  EXPECT_EQ(Jahresbetriebsstunden(1, 2025), 525600);
  EXPECT_EQ(Jahresbetriebsstunden(1, 2024), 527040);
  EXPECT_EQ(Jahresbetriebsstunden(2, 2025), 0);
  EXPECT_GE(env.busyOn, 1);
  EXPECT_EQ(env.busyDepth, 0);
}

TEST_F(JahrTest, OperatingHoursFollowTheProgramOfEachDay) {
  // P0 on 6:00-22:00 every day; January runs P1, which has no switching times.
  lade({woche(360, 0, kTaeglich, 1, 1), woche(1320, 0, kTaeglich, 1, 0)}, {prio(1, 1, 31, 1, 1, 1)});
  EXPECT_EQ(Jahresbetriebsstunden(1, 2025), 960 * 334);
  // P9, the last program: January on all day.
  lade({woche(360, 0, kTaeglich, 1, 1), woche(1320, 0, kTaeglich, 1, 0), woche(0, 9, kTaeglich, 1, 1)},
       {prio(1, 1, 31, 1, 9, 1)});
  EXPECT_EQ(tageMit(Rechne_pzgrafik(2025, 1), 0, 9, 2025), bereich(0, 30));
  EXPECT_EQ(Jahresbetriebsstunden(1, 2025), 960 * 334 + 1440 * 31);
  lade({woche(0, 0, kTaeglich, 1, 1)});
  EXPECT_EQ(Jahresbetriebsstunden(1, 2024), 527040);
}

// A value device's priority time (family 1) fills the column of the channel it was entered for
// and counts in that channel's yearly hours, on each of the four channels shown.
TEST_F(JahrTest, ValueDevicePriorityTimesKeepTheirOwnChannel) {
  profile().Geraetefamilie = 1;
  // The record as the priority form lays it out.
  const PzEingabe e{.vonTag = 1, .vonMonat = 2, .bisTag = 28, .bisMonat = 2, .prio = 3, .kanal = 3};
  EXPECT_EQ(Pz_Zeitraum_Satz(e, 1), prioWert(1, 2, 28, 2, 3, 3));
  for (int kanal = 1; kanal <= 4; ++kanal) {
    SCOPED_TRACE(kanal);
    lade({}, {prioWert(1, 2, 28, 2, 3, kanal), prioWert(1, 1, 31, 12, 8, kanal, 200)});
    const Jahresprogramm j = Rechne_pzgrafik(2025, 1);
    for (int c = 0; c < kProgTagSpalten; ++c) {
      // Permanent on all year comes after program 3 in the order of priority times and wins.
      EXPECT_EQ(tageMit(j, c, kProgPermanentEin, 2025).size(), c == kanal - 1 ? 365u : 0u) << "column " << c;
      EXPECT_EQ(Jahresbetriebsstunden(c + 1, 2025), c == kanal - 1 ? 525600 : 0) << "channel " << c + 1;
    }
    // On all day in P0; February runs program 3, which has no switching times.
    lade({wocheWert(0, 0, kTaeglich, kanal, 200)}, {prioWert(1, 2, 28, 2, 3, kanal)});
    const Jahresprogramm f = Rechne_pzgrafik(2025, 1);
    for (int c = 0; c < kProgTagSpalten; ++c)
      EXPECT_EQ(tageMit(f, c, 3, 2025), c == kanal - 1 ? bereich(31, 58) : std::vector<int>{}) << "column " << c;
    EXPECT_EQ(Jahresbetriebsstunden(kanal, 2025), 1440 * (365 - 28));
  }
}
