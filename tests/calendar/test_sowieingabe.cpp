// The changeover editor's checks, appending and years.
#include <gtest/gtest.h>

#include "calendar/SoWiEingabe.h"
#include "calendar/SoWiTabelle.h"

using namespace qv;

namespace {

TSwEintrag eintrag(int vTag, int vStd, int bTag, int bStd) {
  return SwEintrag_Bauen({vStd, 1, vTag, 3}, {bStd, 1, bTag, 10});
}

}  // namespace

TEST(SoWiEingabe, Years) {
  EXPECT_EQ(SwStartjahr(2003), 2003);
  EXPECT_EQ(SwStartjahr(2041), 2040);
  EXPECT_EQ(SwStartjahr(2060), 2040);
  EXPECT_EQ(SwStartjahr(2061), 1996);
  EXPECT_EQ(SwStartjahr(1995), 1996);
  EXPECT_EQ(SwJahrTaste(2031, 5), 2035);
  EXPECT_EQ(SwJahrTaste(1999, 6), std::nullopt);  // 1996 is the end itself
  EXPECT_EQ(SwJahrTaste(2040, 0), std::nullopt);  // so is 2040
  EXPECT_EQ(SwJahrTaste(2001, 7), 2007);
  EXPECT_EQ(SwTageImMonat(2, 2004), 29);
  EXPECT_EQ(SwTageImMonat(2, 2005), 28);
  EXPECT_EQ(SwTageImMonat(11, 2005), 30);
}

TEST(SoWiEingabe, TheOtherEntryOfTheYearIsCheckedInEveryMode) {
  resetAllState();
  ProgramState& p = program();
  p.SwProJahr[0] = 1;
  p.SwKopf[0] = 64 + 7;
  p.SwTab[0][0] = eintrag(30, 2, 26, 3);
  p.SwTab[0][1] = eintrag(10, 2, 12, 3);
  p.SwTab[0][2] = eintrag(28, 2, 24, 3);
  p.AnzSw[0] = 3;
  struct Fall {
    TSwEintrag e;
    int index;
    SwPruefung::Art art;
    int nr;
  };
  const Fall faelle[] = {
      {SwEintrag_Bauen({2, 1, 5, 3}, {2, 3, 5, 3}), 3, SwPruefung::AnfaEndd, 0},  // the shift takes no part
      {SwEintrag_Bauen({2, 1, 5, 3}, {3, 1, 5, 3}), 3, SwPruefung::Ok, 0},        // the hour does
      {eintrag(5, 2, 24, 3), 3, SwPruefung::GleiDatum, 3},  // new second entry of 2004
      {eintrag(28, 2, 1, 3), 3, SwPruefung::GleiDatum, 3},
      {SwEintrag_Bauen({2, 1, 5, 3}, {2, 1, 28, 3}), 3, SwPruefung::GleiDatum, 3},  // back on the other forward
      {eintrag(30, 2, 26, 3), 1, SwPruefung::GleiDatum, 1},  // change of entry 1 against 0
      {eintrag(10, 2, 12, 3), 1, SwPruefung::Ok, 0},      // its own old value does not count
      {eintrag(30, 2, 26, 3), 4, SwPruefung::Ok, 0},      // a year's first entry: no partner
  };
  for (const Fall& f : faelle) {
    const SwPruefung r = SwEintrag_pruefen(f.e, f.index);
    EXPECT_EQ(r.art, f.art) << f.index;
    EXPECT_EQ(r.nr, f.nr) << f.index;
  }
  p.SwProJahr[0] = 0;
  EXPECT_EQ(SwEintrag_pruefen(eintrag(5, 2, 24, 3), 3).art, SwPruefung::Ok);
}

TEST(SoWiEingabe, AppendingKeepsToTheTableAndItsYears) {
  resetAllState();
  ProgramState& p = program();
  EXPECT_EQ(SwEintrag_anfuegen(eintrag(30, 2, 26, 3), 2003), SwAnfuegen::Angefuegt);
  EXPECT_EQ(p.SwKopf[0], 7);
  EXPECT_EQ(p.AnzSw[0], 1);
  EXPECT_TRUE(SwJahr_voll());
  // A loaded table starting in 2059 has no room for 2060.
  resetAllState();
  p.SwKopf[0] = 2059 - 1996;
  p.AnzSw[0] = 1;
  EXPECT_EQ(SwEintrag_anfuegen(eintrag(30, 2, 26, 3), 2040), SwAnfuegen::JahrZuSpaet);
  EXPECT_EQ(p.AnzSw[0], 1);
  p.AnzSw[0] = kSwEntries;
  EXPECT_EQ(SwEintrag_anfuegen(eintrag(30, 2, 26, 3), 2040), SwAnfuegen::Voll);
  EXPECT_EQ(p.Geaendert, 0);
}
