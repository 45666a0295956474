// What the priority-time form reads from stored records and from the holiday table.
#include <gtest/gtest.h>

#include "entry/Prioritaetseingabe.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;

namespace {

TEST(PzEingabe, FieldsOfStoredRecords) {
  resetAllState();
  struct Fall {
    TSz r;
    int familie, prioAnzahl, prioIndex, kanal, jahrcode;
  } faelle[] = {
      {Pz_Zeitraum_Satz({1, 1, 31, 12, 94, 1, 3, 0, 5}, 0), 0, 10, 2, 5, 94},
      {Pz_Zeitraum_Satz({1, 1, 31, 12, 0, 0, 10, 1, 1}, 0), 0, 10, 9, 1, 0},
      // The highest program of each family is selected, not refused.
      {Pz_Zeitraum_Satz({1, 1, 31, 12, 0, 0, 9, 0, 1}, 0), 0, 10, 8, 1, 0},
      {Pz_Zeitraum_Satz({1, 1, 31, 12, 0, 0, 7, 0, 2}, 1), 1, 8, 6, 2, 0},
      // Family 1: Permanent is stored as 8 and read as 10, the channel sits in word 5.
      {Pz_Zeitraum_Satz({1, 1, 31, 12, 0, 0, 8, 1, 3}, 1), 1, 8, 7, 3, 0},
      // A program the list does not hold gives no position.
      {Pz_Zeitraum_Satz({1, 1, 31, 12, 0, 0, 9, 0, 1}, 0), 1, 8, -1, 1, 0},
  };
  for (const Fall& f : faelle) {
    profile().Geraetefamilie = static_cast<int16_t>(f.familie);
    const PzFelder p = Pz_Felder(f.r, 2026, f.familie, f.prioAnzahl);
    EXPECT_EQ(p.prioIndex, f.prioIndex);
    EXPECT_EQ(p.kanal, f.kanal);
    EXPECT_EQ(p.jahrcode, f.jahrcode);
    EXPECT_FALSE(p.ostern);
  }
  profile().Geraetefamilie = 0;
  const PzFelder o = Pz_Felder(Pz_Oster_Satz(80, 1, 1, 0), 2026, 0, 10);
  EXPECT_TRUE(o.ostern);
  EXPECT_EQ(o.osterabstand, -2);
}

TEST(PzEingabe, HolidayListsSkipMembersThatNameNone) {
  resetHolidayTable();
  HolidayTable& t = holidayTable();
  t.Feiertage = {{"A", 0, 0, 1, 1}, {"B", 2, 0, 49, 0}, {"C", 2, 0, 49, 0}};
  t.AnzFt = 3;
  t.AnzFtSets = 1;
  t.FtSet[0][0] = 3;
  t.FtSet[0][1] = 3;
  t.FtSet[0][2] = 9;
  t.FtSet[0][3] = 1;
  const auto l = Pz_Feiertagsliste(0);
  ASSERT_EQ(l.size(), 2u);
  EXPECT_EQ(l[0].index, 2);
  EXPECT_EQ(l[1].index, 0);
  EXPECT_EQ(Pz_Feiertagsliste(-1).size(), 3u);
  EXPECT_EQ(Pz_Osterfeiertag(49), 2);  // the last one wins
  EXPECT_EQ(Pz_Osterfeiertag(50), -1);
  resetHolidayTable();
}

TEST(PzEingabe, SteppingThroughStoredEntries) {
  resetAllState();
  test::ScriptedEnvironment env;
  ProgramState& p = program();
  p.Sz[0][0] = TSz{0, 1, 0, 0, 1, 1};
  p.Sz[0][1] = TSz{0, 2, 0, 0, 1, 1};
  p.AnzSz[0] = 2;
  p.AnzGesamt[0] = 2;
  // No priority times: down walks to 0 and beeps, up walks to the last record and beeps.
  int16_t alt = 2;
  EXPECT_EQ(Pz_blaettern_zurueck(alt), std::nullopt);
  EXPECT_EQ(alt, 0);
  EXPECT_EQ(Pz_blaettern_vor(alt), std::nullopt);
  EXPECT_EQ(alt, 1);
  EXPECT_EQ(env.beeps, 2);
  p.Sz[0][2] = Pz_Zeitraum_Satz({1, 1, 31, 12, 0, 0, 1, 0, 1}, 0);
  p.AnzPz[0] = 1;
  p.AnzGesamt[0] = 3;
  alt = 3;
  EXPECT_EQ(Pz_blaettern_zurueck(alt), 2);
  EXPECT_EQ(Pz_blaettern_vor(alt), std::nullopt);  // no wrap
  EXPECT_EQ(env.beeps, 3);
}

}  // namespace
