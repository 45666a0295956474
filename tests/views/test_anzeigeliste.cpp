// The display list and the display filter's two tests.
#include <gtest/gtest.h>

#include "tests/views/ViewFixtures.h"
#include "views/Anzeigeliste.h"
#include "views/Filter.h"

using namespace qv;
using namespace qv::test;

namespace {

// The slot indexes the list holds, in order.
std::vector<int> liste() {
  std::vector<int> out;
  for (int n = 0; n < viewState().AnzAnzeige; ++n) out.push_back(viewState().ZeileZuSz[n]);
  return out;
}

FilterSettings& filter() { return viewState().filter; }

}  // namespace

TEST(Anzeigeliste, ModesTakeTheirPartOfTheTable) {
  frisch();
  waehleUhrentyp(240);
  setzeSlot(1, {wochenSz(60, 1, 1, 1), datumSz(70, 2, 3, 2, 0)}, {periodePz(1, 1, 2, 1, 1, 1)});
  using V = std::vector<int>;
  Baue_Anzeigeliste(0, 1);
  EXPECT_EQ(liste(), (V{0, 1}));
  EXPECT_EQ(viewState().Anzeigeliste[1], program().Sz[1][1]);
  Baue_Anzeigeliste(1, 1);  // every other value below 2: all switching times
  EXPECT_EQ(liste(), (V{0, 1}));
  Baue_Anzeigeliste(2, 1);
  EXPECT_EQ(liste(), (V{2}));
  Baue_Anzeigeliste(7, 1);
  EXPECT_EQ(liste(), (V{2}));
  // Filtered with the start-up record: nothing is dropped.
  Baue_Anzeigeliste(-1, 1);
  EXPECT_EQ(liste(), (V{0, 1}));
  Baue_Anzeigeliste(3, 1);
  EXPECT_EQ(liste(), (V{2}));
  Baue_Anzeigeliste(0, 0);
  EXPECT_EQ(viewState().AnzAnzeige, 0);
}

TEST(Anzeigeliste, RebuildLeavesNothingOfAnEarlierBuild) {
  frisch();
  waehleUhrentyp(280);
  ProgramState& p = program();
  for (int i = 0; i < 400; ++i) p.Sz[0][i] = wochenSz(i, 1, i % 16, 1);
  p.AnzSz[0] = p.AnzGesamt[0] = 400;
  Baue_Anzeigeliste(0, 0);
  EXPECT_EQ(viewState().AnzAnzeige, 400);
  filter().FilterKanal = 3;
  Baue_Anzeigeliste(-1, 0);
  ASSERT_EQ(viewState().AnzAnzeige, 25);
  EXPECT_EQ(viewState().ZeileZuSz[2], 35);  // row 3 of the filtered list
  for (int n = 25; n < kAnzeigeEintraege; ++n) {
    EXPECT_EQ(viewState().Anzeigeliste[n], TSz{}) << n;
    EXPECT_EQ(viewState().ZeileZuSz[n], -1) << n;
  }
  viewState().Anzeigeliste[4] = wochenSz(1, 1, 1, 1);
  Loesche_Anzeigezeile(4);
  EXPECT_EQ(viewState().Anzeigeliste[4], TSz{});
  Loesche_Anzeigezeile(501);  // ignored
}

TEST(Filter, StartValuesByFamily) {
  frisch();
  FilterSettings f = filterStartValues(0);
  EXPECT_EQ(f.FilterKanal, 255);
  EXPECT_EQ(f.FilterWtag, 127);
  EXPECT_EQ(f.FilterMonVon, 1);
  EXPECT_EQ(f.FilterMonBis, 12);
  EXPECT_EQ(f.FilterEinAus, 2);
  EXPECT_EQ(f.FilterImpuls, 2);
  EXPECT_EQ(f.FilterProgVon, 0);
  EXPECT_EQ(f.FilterProgBis, 10);
  EXPECT_EQ(f.FilterWert, 0);
  EXPECT_EQ(f.FilterAn, 0);
  profile().Geraetefamilie = 1;
  filter().FilterKanal = 2;
  filter().FilterAn = -1;
  Filter_Startwerte();
  EXPECT_EQ(filter().FilterProgBis, 7);
  EXPECT_EQ(filter().FilterKanal, 255);
  EXPECT_EQ(filter().FilterAn, 0);
}

TEST(Filter, ChannelByMaskAndOnType280ByNumber) {
  frisch();
  waehleUhrentyp(240);
  FilterSettings f = filterStartValues(0);
  f.FilterKanal = 4;
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 1, 5, 1), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 1, 3, 1), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 1, 0, 1), f));  // an entry without a channel
  EXPECT_TRUE(passesPriorityFilter(periodePz(1, 1, 2, 1, 1, 12), f));
  EXPECT_FALSE(passesPriorityFilter(periodePz(1, 1, 2, 1, 1, 3), f));

  waehleUhrentyp(280);
  f.FilterKanal = 255;
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 1, 0, 1), f));
  EXPECT_TRUE(passesPriorityFilter(periodePz(1, 1, 2, 1, 1, 0), f));
  f.FilterKanal = 0;
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 1, 0, 1), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 1, 1, 1), f));
  EXPECT_TRUE(passesPriorityFilter(periodePz(1, 1, 2, 1, 1, 0), f));
  EXPECT_FALSE(passesPriorityFilter(periodePz(1, 1, 2, 1, 1, 4), f));
}

TEST(Filter, WeekdayProgramAndMonthOfSwitchingTimes) {
  frisch();
  waehleUhrentyp(240);
  FilterSettings f = filterStartValues(0);
  f.FilterWtag = 1 + 16;  // Monday, Friday
  f.FilterProgVon = 2;
  f.FilterProgBis = 3;
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 16 + 32, 1, 1, 0, 2), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 32, 1, 1, 0, 2), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 1, 1, 1, 0, 4), f));
  f.FilterMonVon = 3;
  f.FilterMonBis = 5;
  EXPECT_TRUE(passesSwitchingFilter(datumSz(0, 9, 3, 1, 1), f));
  EXPECT_TRUE(passesSwitchingFilter(datumSz(0, 9, 5, 1, 1), f));
  EXPECT_FALSE(passesSwitchingFilter(datumSz(0, 9, 6, 1, 1), f));
  // A weekday entry whose mask is 0 counts as dated (month field 0 here).
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 0, 1, 1), f));
  // Weekly program only.
  f.FilterMonVon = 0;
  f.FilterMonBis = -1;
  EXPECT_FALSE(passesSwitchingFilter(datumSz(0, 9, 3, 1, 1), f));
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 1, 1, 1, 0, 2), f));
  EXPECT_FALSE(passesPriorityFilter(periodePz(1, 1, 12, 31, 2, 1), f));
  EXPECT_FALSE(passesPriorityFilter(periodePz(11, 1, 2, 28, 2, 1), f));
}

TEST(Filter, StatePulseAndFamilyOneValue) {
  frisch();
  waehleUhrentyp(240);
  FilterSettings f = filterStartValues(0);
  f.FilterEinAus = 1;
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 1, 1, 1), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 1, 1, 0), f));
  f.FilterEinAus = 2;
  f.FilterImpuls = 0;
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 1, 1, 0), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 1, 1, 0, 5), f));
  f.FilterImpuls = 1;
  EXPECT_TRUE(passesSwitchingFilter(wochenSz(0, 1, 1, 0, 5), f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz(0, 1, 1, 0), f));

  profile().Geraetefamilie = 1;
  f = filterStartValues(1);
  f.FilterKanal = 15;
  f.FilterWert = 100;
  const TSz hundert = wochenSz1(0, 1, 2, 100, 0, 1);
  const TSz hunderteins = wochenSz1(0, 1, 2, 101, 0, 1);
  f.FilterEinAus = 0;  // equal
  EXPECT_TRUE(passesSwitchingFilter(hundert, f));
  EXPECT_FALSE(passesSwitchingFilter(hunderteins, f));
  f.FilterEinAus = 1;  // up to
  EXPECT_TRUE(passesSwitchingFilter(hundert, f));
  EXPECT_FALSE(passesSwitchingFilter(hunderteins, f));
  f.FilterEinAus = 2;  // from
  EXPECT_TRUE(passesSwitchingFilter(hunderteins, f));
  EXPECT_FALSE(passesSwitchingFilter(wochenSz1(0, 1, 2, 99, 0, 1), f));
}

TEST(Filter, PriorityMonthSpanAlsoOverTheNewYear) {
  frisch();
  waehleUhrentyp(240);
  FilterSettings f = filterStartValues(0);
  auto zeigt = [&](const TSz& rec, int von, int bis) {
    f.FilterMonVon = static_cast<int16_t>(von);
    f.FilterMonBis = static_cast<int16_t>(bis);
    return passesPriorityFilter(rec, f);
  };
  const TSz sommer = periodePz(6, 15, 9, 20, 1, 1);
  EXPECT_TRUE(zeigt(sommer, 3, 7));
  EXPECT_TRUE(zeigt(sommer, 7, 12));
  EXPECT_TRUE(zeigt(sommer, 9, 9));
  EXPECT_FALSE(zeigt(sommer, 1, 5));
  EXPECT_FALSE(zeigt(sommer, 10, 12));

  const TSz winter = periodePz(11, 1, 2, 28, 1, 1);
  EXPECT_TRUE(zeigt(winter, 2, 5));
  EXPECT_TRUE(zeigt(winter, 1, 1));
  EXPECT_TRUE(zeigt(winter, 12, 12));
  EXPECT_TRUE(zeigt(winter, 11, 11));
  EXPECT_FALSE(zeigt(winter, 3, 10));

  const TSz maerz = periodePz(3, 5, 3, 20, 1, 1);  // 5 to 20 March
  EXPECT_TRUE(zeigt(maerz, 3, 3));
  EXPECT_TRUE(zeigt(maerz, 1, 12));
  EXPECT_FALSE(zeigt(maerz, 4, 12));
  EXPECT_FALSE(zeigt(maerz, 1, 2));

  // Program range.
  f.FilterMonVon = 1;
  f.FilterMonBis = 12;
  f.FilterProgVon = f.FilterProgBis = 4;
  EXPECT_TRUE(passesPriorityFilter(periodePz(1, 1, 2, 1, 4, 1), f));
  EXPECT_FALSE(passesPriorityFilter(periodePz(1, 1, 2, 1, 10, 1), f));
}

TEST(Anzeigeliste, FilteredBuildUsesFilterRecordForBothLists) {
  frisch();
  waehleUhrentyp(280);
  setzeSlot(0, {wochenSz(0, 1, 0, 1), wochenSz(5, 1, 4, 1), datumSz(9, 1, 6, 0, 1)},
            {periodePz(1, 1, 1, 31, 1, 0), periodePz(6, 1, 6, 30, 1, 4), periodePz(11, 1, 2, 1, 1, 0)});
  filter().FilterKanal = 0;
  filter().FilterMonVon = 1;
  filter().FilterMonBis = 1;
  using V = std::vector<int>;
  Baue_Anzeigeliste(-1, 0);
  EXPECT_EQ(liste(), (V{0}));
  Baue_Anzeigeliste(3, 0);
  EXPECT_EQ(liste(), (V{3, 5}));
}
