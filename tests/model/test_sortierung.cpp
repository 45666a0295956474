// Sorting a program slot: display orders by the selectors, time order, stability, key widths.
#include <gtest/gtest.h>

#include <vector>

#include "model/Satz.h"
#include "model/Sortierung.h"
#include "tests/model/SzBuilders.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;
using namespace qv::test;

namespace {

class SortierungTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    profile().Kanalzahl = 4;
    profile().Uhrentyp = 240;
    env.setNow(QDateTime(QDate(2003, 6, 1), QTime(12, 0)));
  }

  void selectors(std::optional<int> sz, std::optional<int> pz) {
    sortSelectors().SortArtSz = sz;
    sortSelectors().SortArtPz = pz;
  }

  // Sorts the records in slot 0 and returns them in their new order.
  std::vector<TSz> sorted(const std::vector<TSz>& recs, int modus = 1) {
    ProgramState& p = program();
    for (size_t i = 0; i < recs.size(); ++i) p.Sz[0][i] = recs[i];
    p.AnzGesamt[0] = static_cast<int16_t>(recs.size());
    SortiereSz(modus, 0);
    return {p.Sz[0], p.Sz[0] + recs.size()};
  }

  ScriptedEnvironment env;
};

constexpr int kMon = 1, kTue = 2, kWed = 4, kThu = 8, kSun = 64;

TSz marked(TSz r, int mark) {  // w2 is not read by any key
  r.w2 = u8(mark);
  return r;
}

std::vector<int> marks(const std::vector<TSz>& recs) {
  std::vector<int> m;
  for (const TSz& r : recs) m.push_back(r.w2);
  return m;
}

}  // namespace

TEST_F(SortierungTest, SmallSlotsAreLeftAloneWithoutHourglass) {
  const TSz a = weekdaySz(600, kMon, 1, 1);
  program().Sz[0][0] = a;
  program().Sz[0][1] = weekdaySz(60, kMon, 1, 1);  // beyond the count
  program().AnzGesamt[0] = 1;
  SortiereSz(1, 0);
  SortiereSz(0, 0);
  program().AnzGesamt[0] = 0;
  SortiereSz(1, 0);
  EXPECT_EQ(program().Sz[0][0], a);
  EXPECT_EQ(env.busyOn, 0);

  program().AnzGesamt[0] = 2;
  SortiereSz(1, 0);
  EXPECT_EQ(program().Sz[0][0], weekdaySz(60, kMon, 1, 1));
  EXPECT_EQ(env.busyOn, 1);
  EXPECT_EQ(env.busyDepth, 0);
}

TEST_F(SortierungTest, OnlyTheGivenSlotIsSorted) {
  const TSz late = weekdaySz(900, kMon, 1, 1), early = weekdaySz(60, kMon, 1, 1);
  fillSlot(0, late, early);
  fillSlot(1, late, early);
  SortiereSz(1, 1);
  EXPECT_EQ(program().Sz[1][0], early);
  EXPECT_EQ(program().Sz[0][0], late);
}

TEST_F(SortierungTest, EqualKeysKeepTheirOrderInBothModes) {
  const std::vector<TSz> recs = {marked(weekdaySz(600, kMon, 1, 1), 1), marked(weekdaySz(300, kMon, 1, 1), 2),
                                 marked(weekdaySz(600, kMon, 1, 1), 3), marked(weekdaySz(600, kMon, 1, 1), 4),
                                 marked(weekdaySz(300, kMon, 1, 1), 5)};
  for (std::optional<int> sz : {std::optional<int>{}, std::optional<int>{1}, std::optional<int>{8}}) {
    selectors(sz, std::nullopt);
    EXPECT_EQ(marks(sorted(recs, 1)), (std::vector<int>{2, 5, 1, 3, 4}));
  }
  EXPECT_EQ(marks(sorted(recs, 0)), (std::vector<int>{2, 5, 1, 3, 4}));

  // A full slot: each of two keys on some 250 records, far beyond a small sort's reach.
  std::vector<TSz> voll;
  std::vector<int> erwartet;
  for (int i = 0; i < kRecordsPerSlot; ++i) voll.push_back(marked(weekdaySz(i % 2 ? 600 : 300, kMon, 1, 1), i / 2));
  for (int i = 0; i < kRecordsPerSlot; i += 2) erwartet.push_back(i / 2);
  for (int i = 1; i < kRecordsPerSlot; i += 2) erwartet.push_back(i / 2);
  selectors(std::nullopt, std::nullopt);
  EXPECT_EQ(marks(sorted(voll, 1)), erwartet);
  EXPECT_EQ(marks(sorted(voll, 0)), erwartet);
}

TEST_F(SortierungTest, WeekdayOrders) {
  const TSz mon2300 = marked(weekdaySz(23 * 60, kMon, 1, 1), 1);
  const TSz tue0100 = marked(weekdaySz(60, kTue, 1, 1), 2);
  const TSz tueThu = marked(weekdaySz(720, kTue | kThu, 1, 1), 3);
  const TSz wed = marked(weekdaySz(0, kWed, 1, 1), 4);
  const TSz sun = marked(weekdaySz(0, kSun, 1, 1), 5);
  const TSz none = marked(weekdaySz(0, 0, 1, 1), 6);

  selectors(1, std::nullopt);  // day, then time
  EXPECT_EQ(marks(sorted({none, sun, wed, tueThu, tue0100, mon2300})), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  selectors(2, std::nullopt);  // time, then day
  EXPECT_EQ(marks(sorted({mon2300, tue0100})), (std::vector<int>{2, 1}));
}

TEST_F(SortierungTest, DatedRecordsAndSelectorRows) {
  // A dated record carries PRIO 10, so by program it follows weekday records of P1..P9.
  const TSz p9 = marked(weekdaySz(600, kMon, 1, 1, 0, 9), 1);
  const TSz dated = marked(datedSz(0, 1, 1, 1, 1), 2);
  const TSz p1 = marked(weekdaySz(1200, kSun, 1, 1, 0, 1), 3);
  selectors(7, std::nullopt);
  EXPECT_EQ(marks(sorted({dated, p9, p1})), (std::vector<int>{3, 1, 2}));

  // Astro records first with 9.
  TSz astro = weekdaySz(1300, kMon, 1, 1);
  astro.w4 |= 16;
  selectors(9, std::nullopt);
  EXPECT_EQ(marks(sorted({marked(weekdaySz(10, kMon, 1, 1), 1), marked(astro, 2)})), (std::vector<int>{2, 1}));

  // By channel first (default), then by program.
  selectors(std::nullopt, std::nullopt);
  const TSz ch3 = marked(weekdaySz(10, kMon, 4, 1), 1);
  const TSz ch1 = marked(weekdaySz(900, kSun, 1 | 4, 1, 0, 5), 2);
  const TSz noChannel = marked(weekdaySz(5, kMon, 0, 1), 3);  // counts as the last channel
  const TSz ch4 = marked(weekdaySz(0, kMon, 8, 1), 4);
  EXPECT_EQ(marks(sorted({noChannel, ch4, ch3, ch1})), (std::vector<int>{2, 1, 4, 3}));

  // By pulse length with 4.
  selectors(4, std::nullopt);
  EXPECT_EQ(marks(sorted({marked(weekdaySz(0, kMon, 1, 1, 5), 1), marked(weekdaySz(900, kMon, 1, 1), 2)})),
            (std::vector<int>{2, 1}));
  // By state with 6, by one-off flag with 5.
  selectors(6, std::nullopt);
  EXPECT_EQ(marks(sorted({marked(weekdaySz(0, kMon, 1, 1), 1), marked(weekdaySz(900, kMon, 1, 0), 2)})),
            (std::vector<int>{2, 1}));
  selectors(5, std::nullopt);
  EXPECT_EQ(marks(sorted({marked(datedSz(0, 1, 1, 1, 1, 0, true), 1), marked(datedSz(900, 2, 2, 1, 1), 2)})),
            (std::vector<int>{2, 1}));
}

TEST_F(SortierungTest, DisplayKeysOfOneRecordByRow) {
  // Wednesday 06:30, P3, channels 2 and 3, on, pulse 5: MIN 390, PRIO 3, CHAN 1, DAY 2.
  const TSz sz = weekdaySz(390, kWed, 6, 1, 5, 3);
  struct Row { std::optional<int> art; int64_t key; };
  const Row rows[] = {
      {std::nullopt, 1 * (1 << 25) + 3 * (1 << 21) + 2 * (1 << 12) + 390 * 2 + 1},
      {1, 2 * (1 << 21) + 390 * (1 << 10) + 3 * (1 << 6) + 1 * 2},
      {2, 390 * (1 << 19) + 2 * (1 << 10) + 3 * (1 << 6) + 1 * 2},
      {3, 1 * (1 << 25) + 3 * (1 << 21) + 2 * (1 << 12) + 390 * 2 + 1},
      {4, 5 * (1 << 24) + 1 * (1 << 20) + 2 * (1 << 11) + 390},
      {5, 1 * (1 << 25) + 3 * (1 << 21) + 2 * (1 << 12) + 390 * 2 + 1},
      {6, 1 * (1 << 29) + 1 * (1 << 25) + 3 * (1 << 21) + 2 * (1 << 12) + 390 * 2},
      {7, 3 * (1 << 26) + 1 * (1 << 22) + 2 * (1 << 12) + 390 * 2 + 1},
      {8, 390 * (1 << 18) + 3 * (1 << 14) + 5 * (1 << 8)},
      {9, 1 * (1 << 29) + 390 * (1 << 17) + 3 * (1 << 13) + 5 * (1 << 7)},
      {10, 1 * (1 << 25) + 3 * (1 << 21) + 2 * (1 << 12) + 390 * 2 + 1},
  };
  for (const Row& r : rows) {
    selectors(r.art, std::nullopt);
    EXPECT_EQ(SzSortSchluessel(sz), r.key) << r.art.value_or(0);
  }

  // Year-bound priority time 2003, 5 March .. 20 November, Permanent, channel 2, on, flag:
  // J 67, B 101, E 372, PRIO 10, CHAN 1, X 1, S 1.
  const TSz pz = periodPz(3, 5, 11, 20, 10, 2, 1, 67, true);
  const int64_t base = int64_t{1} << 30;
  const Row pzRows[] = {
      {1, base + 67 * (1 << 23) + 101 * (1 << 12) + 10 * (1 << 8) + 1 * (1 << 4) + 2 + 1},
      {2, base + 67 * (1 << 23) + 372 * (1 << 12) + 10 * (1 << 8) + 1 * (1 << 4) + 2 + 1},
      {3, base + 1 * (1 << 26) + 10 * (1 << 22) + 101 * (1 << 13) + 67 * (1 << 7) + (1 << 4) + 1},
      {4, base + 1 * (1 << 28) + 10 * (1 << 24) + 1 * (1 << 20) + 101 * (1 << 11) + 67 * (1 << 5) + 1},
      {5, base + 1 * (1 << 28) + 10 * (1 << 24) + 1 * (1 << 22) + 101 * (1 << 13) + 67 * (1 << 7) + 1},
      {6, base + 10 * (1 << 26) + 1 * (1 << 22) + 101 * (1 << 13) + 67 * (1 << 7) + (1 << 4) + 1},
      {std::nullopt, base + 10 * (1 << 26) + 1 * (1 << 22) + 101 * (1 << 13) + 67 * (1 << 7) + (1 << 4) + 1},
  };
  for (const Row& r : pzRows) {
    selectors(std::nullopt, r.art);
    EXPECT_EQ(SzSortSchluessel(pz), r.key) << r.art.value_or(0);
  }
  EXPECT_EQ(SzSortSchluessel(TSz{255, 0, 0, 0, 0, 0}), -1);
}

TEST_F(SortierungTest, SwitchingTimesPrecedePriorityTimesForEverySelector) {
  for (int family : {0, 1}) {
    profile().Geraetefamilie = static_cast<int16_t>(family);
    const std::vector<TSz> recs =
        family == 0
            ? std::vector<TSz>{periodPz(1, 1, 12, 31, 10, 15, 1), easterPz(173, 1, 8, 0), weekdaySz(1439, 0, 15, 1, 63, 9),
                               yearPz(2063, 12, 31, 12, 31, 9, 15), datedSz(1439, 31, 12, 15, 1, 63, true),
                               TSz{255, 255, 0, 127, 255, 255}, periodPz(1, 1, 1, 1, 1, 1, 0),
                               weekdaySz(0, 1, 1, 0)}
            : std::vector<TSz>{periodPz1(1, 1, 12, 31, 8, 8, 255), weekdaySz1(1439, 127, 8, 255, 63, 7),
                               periodPz1(12, 31, 12, 31, 7, 15, 255), datedSz1(1439, 31, 12, 8, 255, 63),
                               TSz{255, 255, 0, 127, 255, 255}, periodPz1(1, 1, 1, 1, 1, 1, 0),
                               weekdaySz1(0, 1, 1, 0)};
    const std::optional<int> szArts[] = {std::nullopt, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::optional<int> pzArts[] = {std::nullopt, 0, 1, 2, 3, 4, 5, 6, 7};
    for (const auto& sz : szArts)
      for (const auto& pz : pzArts) {
        selectors(sz, pz);
        const std::vector<TSz> out = sorted(recs);
        ASSERT_EQ(out[0].w0, 255) << family << "/" << sz.value_or(-1) << "/" << pz.value_or(-1);
        bool inPriority = false;
        for (size_t i = 1; i < out.size(); ++i) {
          const bool priority = Sz_Minuten(out[i]) >= 1536;
          ASSERT_FALSE(inPriority && !priority) << family << "/" << sz.value_or(-1) << "/" << pz.value_or(-1);
          inPriority = priority;
        }
      }
  }
}

TEST_F(SortierungTest, TimeOrderInterleavesWeekdayAndDatedRecords) {
  const TSz wk0600 = marked(weekdaySz(360, kSun, 1, 1), 1);
  const TSz dated0600pulse = marked(datedSz(360, 24, 12, 1, 1, 3), 2);
  const TSz dated0500 = marked(datedSz(300, 1, 1, 1, 1), 3);
  const TSz wk0700 = marked(weekdaySz(420, kMon, 1, 0), 4);
  const TSz pz = marked(periodPz(1, 1, 1, 1, 1, 1, 0), 5);
  const TSz wk0600pulse = marked(weekdaySz(360, kMon, 1, 1, 1), 6);
  EXPECT_EQ(marks(sorted({pz, wk0700, dated0600pulse, wk0600pulse, wk0600, dated0500}, 0)),
            (std::vector<int>{3, 1, 6, 2, 4, 5}));
}

TEST_F(SortierungTest, YearBoundPriorityTimesAgainstTheCurrentYear) {
  selectors(std::nullopt, 1);
  const TSz bound = marked(yearPz(2003, 6, 1, 6, 30), 1);
  const TSz every = marked(periodPz(1, 1, 12, 31, 1, 1, 0), 2);
  env.setNow(QDateTime(QDate(2002, 12, 31), QTime(23, 0)));
  EXPECT_EQ(marks(sorted({bound, every})), (std::vector<int>{2, 1}));
  env.setNow(QDateTime(QDate(2004, 1, 1), QTime(0, 0)));
  EXPECT_EQ(marks(sorted({bound, every})), (std::vector<int>{1, 2}));

  // From 2064 on the year field outgrows the classic key; the order still holds.
  env.setNow(QDateTime(QDate(2070, 1, 1), QTime(0, 0)));
  const TSz wk = marked(weekdaySz(1439, 0, 15, 1, 63, 9), 3);
  EXPECT_EQ(marks(sorted({every, wk, bound})), (std::vector<int>{3, 1, 2}));
  selectors(std::nullopt, 2);
  EXPECT_EQ(marks(sorted({every, wk, bound})), (std::vector<int>{3, 1, 2}));
  EXPECT_GT(SzSortSchluessel(every), int64_t{1} << 31);
}

TEST_F(SortierungTest, ValueDevicesOrderByValueChannelAndProgram) {
  profile().Geraetefamilie = 1;
  // Values above 1 must not spill into the time or channel fields.
  selectors(6, std::nullopt);
  const TSz v200 = marked(weekdaySz1(0, kMon, 1, 200), 1);
  const TSz v3 = marked(weekdaySz1(1439, kSun, 8, 3), 2);
  const TSz v100 = marked(weekdaySz1(600, kMon, 2, 100), 3);
  EXPECT_EQ(marks(sorted({v200, v3, v100})), (std::vector<int>{2, 3, 1}));
  EXPECT_LT(SzSortSchluessel(v200), SzSortSchluessel(periodPz1(1, 1, 1, 1, 1, 1, 0)));

  // Default row: channel first, the channel number taken from the record, not the value byte.
  selectors(std::nullopt, std::nullopt);
  const TSz ch5 = marked(weekdaySz1(0, kMon, 5, 1), 1);
  const TSz ch2 = marked(weekdaySz1(900, kSun, 2, 8, 0, 7), 2);
  const TSz ch2early = marked(datedSz1(0, 1, 1, 2, 255), 3);
  EXPECT_EQ(marks(sorted({ch5, ch2, ch2early})), (std::vector<int>{2, 3, 1}));

  // Same channel and time: the value is the last field of the default row.
  const TSz high = marked(weekdaySz1(600, kMon, 1, 255), 1);
  const TSz low = marked(weekdaySz1(600, kMon, 1, 2), 2);
  EXPECT_EQ(marks(sorted({high, low})), (std::vector<int>{2, 1}));

  // Priority times by Permanent value with 5.
  selectors(std::nullopt, 5);
  const TSz p255 = marked(periodPz1(1, 1, 1, 2, 8, 1, 255), 1);
  const TSz p0 = marked(periodPz1(12, 1, 12, 2, 8, 3, 0), 2);
  const TSz p17 = marked(periodPz1(6, 1, 6, 2, 8, 2, 17), 3);
  EXPECT_EQ(marks(sorted({p255, p0, p17})), (std::vector<int>{2, 3, 1}));
}
