// The records of a change or copy run found again after the slot was re-sorted, and a chosen
// holiday found again after the table changed.
#include <gtest/gtest.h>

#include "entry/Auswahlsaetze.h"
#include "entry/Prioritaetseingabe.h"
#include "tests/views/ViewFixtures.h"

using namespace qv;
using namespace qv::test;

namespace {

void zeilenInOrdnung(int anzahl) {
  ViewState& v = viewState();
  v.AnzAnzeige = static_cast<int16_t>(anzahl);
  for (int z = 0; z < anzahl; ++z) v.ZeileZuSz[z] = static_cast<int16_t>(z);
}

bool nurWochentage(const TSz& r) { return r.w0 >= 128; }

TEST(Auswahlsaetze, FindsEachRowsRecordWhereverTheSlotMovedIt) {
  frisch();
  const TSz a = wochenSz(390, 31, 1, 1), d = wochenSz(1320, 31, 1, 0), b = wochenSz(480, 32, 1, 1);
  setzeSlot(0, {a, d, b}, {});
  zeilenInOrdnung(3);
  Auswahlsaetze s;
  ASSERT_TRUE(s.Merke(0, 2, 0));
  EXPECT_EQ(s.von(), 0);
  EXPECT_EQ(s.bis(), 2);
  // Reversed, and a has been changed by the run meanwhile.
  setzeSlot(0, {b, d, wochenSz(1410, 31, 1, 1)}, {});
  EXPECT_EQ(s.Finde(0), -1);  // gone
  EXPECT_EQ(s.Finde(1), 1);
  EXPECT_EQ(s.Finde(2), 0);
  EXPECT_EQ(s.Finde(3), -1);   // not a row of the run
  EXPECT_EQ(s.Finde(-1), -1);
  // Behind the count a record no longer counts.
  program().AnzGesamt[0] = 1;
  EXPECT_EQ(s.Finde(1), -1);
  EXPECT_EQ(s.Finde(2), 0);
}

TEST(Auswahlsaetze, EqualRecordsAreInterchangeable) {
  frisch();
  const TSz x = datumSz(600, 24, 12, 1, 1);
  setzeSlot(1, {x, x, wochenSz(60, 1, 1, 1)}, {});
  zeilenInOrdnung(3);
  Auswahlsaetze s;
  ASSERT_TRUE(s.Merke(1, 2, 1));
  EXPECT_EQ(s.Finde(1), 1);
  setzeSlot(1, {wochenSz(60, 1, 1, 1), x, x}, {});
  EXPECT_EQ(s.Finde(1), 1);  // still a record equal to the one taken
  EXPECT_EQ(s.Finde(2), 0);
}

TEST(Auswahlsaetze, RefusesRowsThatLeadToNoFittingRecord) {
  frisch();
  setzeSlot(0, {wochenSz(60, 1, 1, 1)}, {periodePz(5, 1, 9, 20, 4, 1)});
  zeilenInOrdnung(2);
  Auswahlsaetze s;
  const struct {
    int von, bis;
    bool (*passt)(const TSz&);
    bool ok;
  } faelle[] = {{0, 1, nullptr, true}, {0, 1, nurWochentage, false}, {0, 2, nullptr, false},
                {1, 0, nullptr, false}, {-1, 0, nullptr, false},     {0, 0, nurWochentage, true}};
  for (const auto& f : faelle) {
    EXPECT_EQ(s.Merke(f.von, f.bis, 0, f.passt), f.ok) << f.von << ".." << f.bis;
    EXPECT_EQ(s.Finde(f.von) >= 0, f.ok);
  }
  viewState().ZeileZuSz[1] = 5;  // a row beyond the slot's records
  EXPECT_FALSE(s.Merke(0, 1, 0));
}

TEST(Auswahlsaetze, HolidayFoundAgainByNameAndDefinition) {
  frisch();
  HolidayTable& t = holidayTable();
  const TFeiertag karfreitag{QStringLiteral("Karfreitag"), 2, 0, -2, 0};
  t.Feiertage = {{QStringLiteral("Neujahr"), 0, 0, 1, 1}, karfreitag};
  t.AnzFt = 2;
  EXPECT_EQ(Pz_Feiertag_wiederfinden(karfreitag), 1);
  t.Feiertage.erase(t.Feiertage.begin());
  t.AnzFt = 1;
  EXPECT_EQ(Pz_Feiertag_wiederfinden(karfreitag), 0);
  // Another definition under the same name is another holiday.
  t.Feiertage[0].Tag = -3;
  EXPECT_EQ(Pz_Feiertag_wiederfinden(karfreitag), -1);
}

}  // namespace
