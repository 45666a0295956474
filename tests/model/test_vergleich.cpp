// Comparing a new entry with a stored one, and the name tests.
#include <gtest/gtest.h>

#include "model/Texte.h"
#include "model/Vergleich.h"
#include "tests/model/SzBuilders.h"

using namespace qv;
using namespace qv::test;

namespace {

class VergleichTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    profile().Kanalzahl = 4;
  }
};

struct Case {
  int family;
  TSz alt, neu;
  int expected;
  const char* what;
};

}  // namespace

TEST_F(VergleichTest, ComparesEntriesOfBothFamilies) {
  const TSz wk = weekdaySz(600, 1 | 4, 1, 1, 0, 2);
  const TSz pz = periodPz(3, 5, 11, 20, 10, 3, 1);
  const Case cases[] = {
      // Family 0 switching times.
      {0, wk, wk, 2, "identical"},
      {0, weekdaySz(600, 1 | 64, 1, 1), weekdaySz(600, 1 | 64, 1, 1), 2, "identical with Sunday"},
      {0, datedSz(600, 1, 1, 1, 1, 0, true), datedSz(600, 1, 1, 1, 1, 0, true), 2, "identical one-off date"},
      {0, wk, weekdaySz(600, 1 | 4, 1, 0, 0, 2), 1, "other state"},
      {0, weekdaySz(600, 1, 1, 1, 5), weekdaySz(600, 1, 1, 0, 30), 3, "pulse on pulse, other length"},
      {0, weekdaySz(600, 1, 1, 1), weekdaySz(600, 1, 1, 1, 5), 0, "plain stored, pulse new"},
      {0, weekdaySz(600, 1, 1, 1, 5), weekdaySz(600, 1, 1, 1), 0, "pulse stored, plain new"},
      {0, wk, weekdaySz(601, 1 | 4, 1, 1, 0, 2), 0, "other minute"},
      {0, wk, weekdaySz(600, 1, 1, 1, 0, 2), 0, "other weekdays"},
      {0, wk, weekdaySz(600, 1 | 4, 2, 1, 0, 2), 0, "other channel set"},
      {0, wk, weekdaySz(600, 1 | 4, 1, 1, 0, 3), 0, "other program"},
      {0, wk, datedSz(600, 1, 1, 1, 1), 0, "weekday against dated"},
      {0, datedSz(600, 1, 1, 1, 1), datedSz(600, 1, 1, 1, 1, 0, true), 0, "one-off flag makes another entry"},
      {0, datedSz(600, 1, 1, 1, 1), datedSz(600, 2, 1, 1, 1), 0, "other day"},
      {0, datedSz(600, 1, 1, 1, 1), datedSz(600, 1, 1, 1, 0), 1, "dated, other state"},
      // Family 0 priority times.
      {0, pz, pz, 2, "priority identical"},
      {0, pz, periodPz(3, 5, 11, 20, 10, 3, 0), 1, "priority other on/off"},
      {0, pz, periodPz(3, 5, 12, 20, 10, 3, 1), 0, "priority other end month"},
      {0, pz, periodPz(3, 5, 11, 20, 10, 3, 1, 67, true), 0, "priority other year"},
      {0, pz, periodPz(3, 5, 11, 20, 10, 1, 1), 0, "priority other channel set"},
      {0, pz, periodPz(3, 5, 11, 21, 10, 3, 1), 0, "priority other end day"},
      {0, pz, weekdaySz(600, 1, 3, 1), 0, "priority against switching time"},
      {0, easterPz(49, 1, 1, 0), easterPz(49, 1, 1, 1), 1, "Easter other state"},
      {0, easterPz(49, 1, 1, 0), easterPz(50, 1, 1, 0), 0, "Easter other offset"},
      {0, TSz{255, 0, 0, 0, 0, 0}, TSz{255, 0, 0, 0, 0, 0}, 2, "no valid entry"},
      // Family 1.
      {1, weekdaySz1(600, 1, 3, 100), weekdaySz1(600, 1, 3, 100), 2, "value identical"},
      {1, weekdaySz1(600, 64, 3, 100), weekdaySz1(600, 64, 3, 100), 2, "identical on Sunday"},
      {1, weekdaySz1(600, 1, 3, 100), weekdaySz1(600, 1, 3, 101), 1, "other value"},
      {1, weekdaySz1(600, 1, 3, 100), weekdaySz1(600, 1, 3, 100, 4), 3, "plain stored, pulse new"},
      {1, weekdaySz1(600, 1, 3, 100, 4), weekdaySz1(600, 1, 3, 100), 3, "pulse stored, plain new"},
      {1, weekdaySz1(600, 1, 3, 100, 4), weekdaySz1(600, 1, 3, 100, 4), 2, "same pulse"},
      {1, weekdaySz1(600, 1, 1, 100), weekdaySz1(600, 1, 2, 100), 0, "channel 1 against channel 2"},
      {1, weekdaySz1(600, 1, 1, 100), weekdaySz1(600, 1, 5, 100), 0, "channel 1 against channel 5"},
      {1, datedSz1(600, 1, 1, 3, 9), datedSz1(600, 1, 1, 4, 9), 0, "dated channel 3 against 4"},
      {1, datedSz1(600, 1, 1, 1, 9), datedSz1(600, 1, 1, 5, 9), 0, "dated channel 1 against 5"},
      {1, weekdaySz1(600, 1, 3, 100), weekdaySz1(600, 2, 3, 100), 0, "other weekdays"},
      {1, weekdaySz1(600, 1, 3, 100), datedSz1(600, 1, 1, 3, 100), 0, "weekday against dated"},
      {1, periodPz1(4, 1, 9, 30, 8, 3, 50), periodPz1(4, 1, 9, 30, 8, 3, 60), 1, "priority other value"},
      {1, periodPz1(4, 1, 9, 30, 8, 3, 50), periodPz1(4, 1, 9, 30, 8, 3, 50), 2, "priority identical"},
  };
  for (const Case& c : cases) {
    profile().Geraetefamilie = static_cast<int16_t>(c.family);
    EXPECT_EQ(Vergleiche_Sz(c.alt, c.neu), c.expected) << c.what;
  }
}

TEST_F(VergleichTest, MonthNamesAreExact) {
  Texts& t = texts();
  t.S_Januar = "Januar";
  t.S_Maerz = QString::fromUtf8("März");
  t.S_Dezember = "Dezember";
  EXPECT_EQ(IstMonatsname("Januar"), 1);
  EXPECT_EQ(IstMonatsname(QString::fromUtf8("März")), 1);
  EXPECT_EQ(IstMonatsname("Dezember"), 1);
  EXPECT_EQ(IstMonatsname("januar"), 0);
  EXPECT_EQ(IstMonatsname("Januar "), 0);
  EXPECT_EQ(IstMonatsname("Jan"), 0);
  EXPECT_EQ(Monatsname(1), "Januar");
  EXPECT_EQ(Monatsname(3), QString::fromUtf8("März"));
  EXPECT_EQ(Monatsname(12), "Dezember");
  EXPECT_EQ(Monatsname(0), "");
  EXPECT_EQ(Monatsname(13), "");
  // A trailing blank in the text table makes the typed name no month name.
  t.S_Februar = "Februar ";
  EXPECT_EQ(IstMonatsname("Februar"), 0);
}

TEST_F(VergleichTest, ProgramNamesDependOnTheFamily) {
  Texts& t = texts();
  const QString names[] = {"Programm P1", "Programm P2", "Programm P3", "Programm P4", "Programm P5",
                           "Programm P6", "Programm P7", "Programm P8", "Programm P9"};
  QString* fields[] = {&t.S_ProgP1, &t.S_ProgP2, &t.S_ProgP3, &t.S_ProgP4, &t.S_ProgP5,
                      &t.S_ProgP6, &t.S_ProgP7, &t.S_ProgP8, &t.S_ProgP9};
  for (int i = 0; i < 9; ++i) *fields[i] = names[i];
  t.S_Permanent = "Permanent";
  for (int family : {0, 1}) {
    profile().Geraetefamilie = static_cast<int16_t>(family);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(IstProgrammname(names[i]), 1) << i;
    EXPECT_EQ(IstProgrammname("Programm P8"), family == 0 ? 1 : 0);
    EXPECT_EQ(IstProgrammname("Programm P9"), family == 0 ? 1 : 0);
    EXPECT_EQ(IstProgrammname("Permanent"), 1);
    EXPECT_EQ(IstProgrammname("permanent"), 0);
    EXPECT_EQ(IstProgrammname("Programm P10"), 0);
    EXPECT_EQ(IstProgrammname(""), 0);
  }
}
