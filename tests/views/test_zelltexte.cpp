// Cell texts in German and English.
#include <gtest/gtest.h>

#include "tests/views/ViewFixtures.h"
#include "views/Zelltexte.h"

using namespace qv;
using namespace qv::test;

namespace {
const QString U(const char* s) { return QString::fromUtf8(s); }
}  // namespace

TEST(Zelltext, DateByLanguage) {
  frisch();
  waehleSprache(1);
  EXPECT_EQ(Datum_Text(1, 1), "1. Januar");
  EXPECT_EQ(Datum_Text(17, 5), "17. Mai");
  EXPECT_EQ(Datum_Text(31, 12), "31. Dezember");
  EXPECT_EQ(Datum_Text(5, 0), "5. Dezember");
  EXPECT_EQ(Datum_Text(5, 13), "5. Dezember");
  EXPECT_EQ(Datum_Text(3, 3), U("3. März"));
  waehleSprache(2);
  EXPECT_EQ(Datum_Text(17, 5), "may, 17. ");
  EXPECT_EQ(Datum_Text(1, 1), "january, 1st");
}

TEST(Zelltext, TimeOfDayDurationAndShortTime) {
  frisch();
  waehleSprache(1);
  EXPECT_EQ(Uhrzeit_Text(0), "  0:00 Uhr");
  EXPECT_EQ(Uhrzeit_Text(425), "  7:05 Uhr");
  EXPECT_EQ(Uhrzeit_Text(1065), "17:45 Uhr");
  EXPECT_EQ(Uhrzeit_Text(1439), "23:59 Uhr");
  for (int keine : {1440, 1535, 1791, -1}) EXPECT_EQ(Uhrzeit_Text(keine), "  --:-- Uhr") << keine;
  EXPECT_EQ(Dauer_Text(307), " 5 h 07 Min");
  EXPECT_EQ(Dauer_Text(1500), " 25 h 00 Min");
  EXPECT_EQ(Dauer_Text(-5), " 0 h 00 Min");
  EXPECT_EQ(Uhrzeit_kurz(425), "7:05");
  EXPECT_EQ(Uhrzeit_kurz(1065), "17:45");
  EXPECT_EQ(Uhrzeit_kurz(1535), "25:35");
}

TEST(Zelltext, ChannelsByClockType) {
  frisch();
  waehleSprache(1);
  waehleUhrentyp(240);
  EXPECT_EQ(Kanal_Text(5), " C1 C3");
  EXPECT_EQ(Kanal_Text(15), " C1 C2 C3 C4");
  EXPECT_EQ(Kanal_Text(0), "");
  waehleUhrentyp(309);
  EXPECT_EQ(Kanal_Text(8), "");
  EXPECT_EQ(Kanal_Text(3), " C1 C2");
  waehleUhrentyp(280);
  EXPECT_EQ(Kanal_Text(0), " C1");
  EXPECT_EQ(Kanal_Text(15), " C16");
  // The caller's value is not shifted.
  int maske = 5;
  waehleUhrentyp(240);
  Kanal_Text(maske);
  EXPECT_EQ(maske, 5);
}

TEST(Zelltext, WeekdaysStateOneOffAndYear) {
  frisch();
  waehleSprache(1);
  waehleUhrentyp(240);
  EXPECT_EQ(Wochentage_Text(wochenSz(0, 127, 1, 1)), U("täglich"));
  EXPECT_EQ(Wochentage_Text(wochenSz(0, 1 + 4 + 16, 1, 1)), "Mo Mi Fr");
  EXPECT_EQ(Wochentage_Text(wochenSz(0, 64, 1, 1)), "So");
  EXPECT_EQ(Wochentage_Text(datumSz(0, 3, 4, 1, 1)), "");
  EXPECT_EQ(Wochentage_Text(periodePz(1, 1, 2, 1, 1, 1)), "");

  EXPECT_EQ(Zustand_Text(wochenSz(0, 1, 1, 1)), "EIN");
  EXPECT_EQ(Zustand_Text(datumSz(0, 1, 1, 1, 0)), "AUS");
  EXPECT_EQ(Zustand_Text(periodePz(1, 1, 2, 1, 3, 1, 1)), "");
  EXPECT_EQ(Zustand_Text(periodePz(1, 1, 2, 1, 10, 1, 1)), "EIN");
  EXPECT_EQ(Zustand_Text(TSz{255, 255, 0, 255, 255, 255}), "0");

  EXPECT_EQ(Einmal_Text(1), "1x");
  EXPECT_EQ(Einmal_Text(0), " ");
  EXPECT_EQ(Jahr_Text(67), "2003");
  EXPECT_EQ(Jahr_Text(1), "1937");
  EXPECT_EQ(Jahr_Text(127), "2063");
  EXPECT_EQ(Jahr_Text(0), "");
  EXPECT_EQ(Jahr_Text(128), "");

  waehleSprache(2);
  EXPECT_EQ(Zustand_Text(wochenSz(0, 1, 1, 1)), texts().S_EIN);
  EXPECT_EQ(Wochentage_Text(wochenSz(0, 1 + 2, 1, 1)), texts().S_Mo.mid(1) + texts().S_Di);
}

TEST(Zelltext, FamilyOneShowsValuesAndWeekdays) {
  frisch();
  waehleSprache(1);
  waehleUhrentyp(240);
  profile().Geraetefamilie = 1;
  EXPECT_EQ(Zustand_Text(wochenSz1(0, 3, 2, 200)), "200");
  EXPECT_EQ(Zustand_Text(datumSz1(0, 3, 4, 2, 17)), "17");
  EXPECT_EQ(Zustand_Text(periodePz1(1, 1, 2, 1, 8, 1, 99)), "99");
  EXPECT_EQ(Zustand_Text(periodePz1(1, 1, 2, 1, 3, 1, 99)), "");
  // A weekday entry of a value device keeps its weekday mask in the same place.
  EXPECT_EQ(Wochentage_Text(wochenSz1(0, 3, 2, 200)), "Mo Di");
  EXPECT_EQ(Wochentage_Text(datumSz1(0, 3, 4, 2, 17)), "");
}
