// Record fields, record tests and the table operations.
#include <gtest/gtest.h>

#include <vector>

#include "model/Satz.h"
#include "tests/model/SzBuilders.h"

using namespace qv;
using namespace qv::test;

namespace {

class SatzTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    profile().Kanalzahl = 4;
    profile().Uhrentyp = 240;
  }
  void family(int f) { profile().Geraetefamilie = static_cast<int16_t>(f); }
};

TSz w0only(int w0) { return {u8(w0), 0, 0, 0, 0, 0}; }

}  // namespace

TEST_F(SatzTest, BitFeldReadsBitRangesOfAWord) {
  struct Case { int von, bis, wert, expected; };
  const Case cases[] = {{0, 3, 0xAB, 0xB}, {4, 7, 0xAB, 0xA}, {7, 7, 0x80, 1}, {5, 7, 224, 7},
                        {1, 3, 0x0E, 7}, {0, 15, 1234, 1234}, {4, 11, 1439, 89}, {2, 7, 255, 63}};
  for (const Case& c : cases) EXPECT_EQ(Bit_Feld(c.von, c.bis, c.wert), c.expected) << c.von << ".." << c.bis;
}

TEST_F(SatzTest, KindFollowsByteZeroAndFamily) {
  struct Case { int w0, family0, family1; };
  const Case cases[] = {{0, 1, 4},   {89, 1, 4},  {95, 1, 4},  {96, 2, 5},  {127, 2, 5},
                        {128, 0, 3}, {217, 0, 3}, {223, 0, 3}, {224, 6, 6}, {255, 6, 6}};
  for (const Case& c : cases) {
    family(0);
    EXPECT_EQ(Sz_Art(w0only(c.w0)), c.family0) << "w0 " << c.w0;
    family(1);
    EXPECT_EQ(Sz_Art(w0only(c.w0)), c.family1) << "w0 " << c.w0;
  }
}

TEST_F(SatzTest, FamilyZeroSwitchingTimeFields) {
  const TSz wk = weekdaySz(23 * 60 + 59, 0b0100101, 0b1010, 1, 17, 9);
  EXPECT_EQ(Sz_Minuten(wk), 1439);
  EXPECT_EQ(Sz_Wochentage(wk), 0b0100101);
  EXPECT_EQ(Sz_Impuls(wk), 17);
  EXPECT_EQ(Sz_Prio(wk), 9);
  EXPECT_EQ(Sz_Kanal(wk), 0b1010);
  EXPECT_EQ(Sz_Zustand(wk), 1);
  EXPECT_EQ(Sz_Schaltwert(wk), 1);
  EXPECT_EQ(Ist_Einmalig(wk), 0);
  EXPECT_EQ(Ist_AstroSz(wk), 0);

  TSz astro = wk;
  astro.w4 |= 16;
  EXPECT_EQ(Ist_AstroSz(astro), 1);
  EXPECT_EQ(Sz_Kanal(astro), 0b1010);

  const TSz dated = datedSz(0, 31, 12, 1, 0, 0, true);
  EXPECT_EQ(Sz_Art(dated), 1);
  EXPECT_EQ(Sz_Minuten(dated), 0);
  EXPECT_EQ(Sz_Monat(dated), 12);
  EXPECT_EQ(Sz_Tag(dated), 31);
  EXPECT_EQ(Sz_Wochentage(dated), 0);
  EXPECT_EQ(Sz_Prio(dated), 0);
  EXPECT_EQ(Ist_Einmalig(dated), 1);
  for (int d = 1; d <= 7; ++d) EXPECT_EQ(Wochentag_gesetzt(d, dated), 0) << d;
  EXPECT_EQ(Datum_passt(31, 12, dated), 1);
  EXPECT_EQ(Datum_passt(31, 11, dated), 0);
  EXPECT_EQ(Datum_passt(30, 12, dated), 0);

  const TSz daily = weekdaySz(600, 127, 1, 0);
  for (int d = 1; d <= 7; ++d) EXPECT_EQ(Wochentag_gesetzt(d, daily), 1) << d;
  const TSz tuesday = weekdaySz(600, 2, 1, 0);
  EXPECT_EQ(Wochentag_gesetzt(1, tuesday), 0);
  EXPECT_EQ(Wochentag_gesetzt(2, tuesday), 1);
}

TEST_F(SatzTest, FamilyZeroPriorityTimeFields) {
  // 5 March .. 20 November 2003, Permanent, channels 1 and 2, on.
  const TSz pz = periodPz(3, 5, 11, 20, 10, 3, 1, 2003 - 1936, true);
  EXPECT_EQ(Sz_Art(pz), 2);
  EXPECT_GE(Sz_Minuten(pz), 1536);
  EXPECT_EQ(Sz_Prio(pz), 10);
  EXPECT_EQ(Sz_Kanal(pz), 3);
  EXPECT_EQ(Sz_Zustand(pz), 1);
  EXPECT_EQ(Sz_Schaltwert(pz), 1);
  EXPECT_EQ(Ist_Einmalig(pz), 1);
  EXPECT_EQ(Ist_AstroSz(pz), 0);
  EXPECT_EQ(Pz_Jahrcode(pz), 67);
  EXPECT_EQ(Pz_Datumsart(pz), 3);
  EXPECT_EQ(Pz_Beginn_Monat(pz, 1999), 3);
  EXPECT_EQ(Pz_Beginn_Tag(pz, 1999), 5);
  EXPECT_EQ(Pz_Ende_Monat(pz, 1999), 11);
  EXPECT_EQ(Pz_Ende_Tag(pz, 1999), 20);

  // Day 17 and later keep bit 4 of the begin day in w0.
  const TSz late = periodPz(12, 31, 1, 31, 4, 1, 1);
  EXPECT_EQ(Pz_Beginn_Monat(late, 2000), 12);
  EXPECT_EQ(Pz_Beginn_Tag(late, 2000), 31);
  // The state counts only for Permanent.
  EXPECT_EQ(Sz_Zustand(late), 0);
  EXPECT_EQ(Sz_Schaltwert(late), 0);
}

TEST_F(SatzTest, DateKindOfPriorityTimes) {
  struct Case { TSz rec; int expected; const char* what; };
  TSz easterFlagged = easterPz(0, 1, 1, 0);
  easterFlagged.w3 |= 64;
  const Case cases[] = {
      {periodPz(1, 1, 12, 31, 1, 1, 0), 0, "no flag"},
      {periodPz(1, 1, 12, 31, 1, 1, 0, 0, true), 1, "flag without year"},
      {periodPz(1, 1, 12, 31, 1, 1, 0, 67, true), 3, "flag with year (low bits)"},
      {periodPz(1, 1, 12, 31, 1, 1, 0, 80, true), 3, "flag with year (high bits only)"},
      {periodPz(1, 1, 12, 31, 1, 1, 0, 67, false), 0, "year without flag"},
      {easterPz(49, 1, 1, 0), 2, "Easter"},
      {easterFlagged, 2, "Easter with flag"},
  };
  for (const Case& c : cases) EXPECT_EQ(Pz_Datumsart(c.rec), c.expected) << c.what;
}

TEST_F(SatzTest, EasterRelativeDatesFollowTheYear) {
  struct Case { int offset, year, month, day; };
  const Case cases[] = {
      {0, 2000, 4, 23},  {49, 2000, 6, 11}, {-2, 2000, 4, 21}, {0, 2008, 3, 23},  {49, 2008, 5, 11},
      {-82, 2008, 1, 1}, {-82, 1913, 1, 0}, {173, 2000, 10, 13},
  };
  for (const Case& c : cases) {
    const TSz r = easterPz(c.offset, 3, 1, 0);
    EXPECT_EQ(Pz_Osterabstand(r), c.offset);
    EXPECT_EQ(Pz_Osterwert(r), c.offset + 82);
    EXPECT_EQ(Pz_Beginn_Monat(r, c.year), c.month) << c.offset << " in " << c.year;
    EXPECT_EQ(Pz_Beginn_Tag(r, c.year), c.day) << c.offset << " in " << c.year;
    EXPECT_EQ(Pz_Ende_Monat(r, c.year), c.month);
    EXPECT_EQ(Pz_Ende_Tag(r, c.year), c.day);
    EXPECT_EQ(Sz_Prio(r), 3);
  }
}

TEST_F(SatzTest, FreeSlotReadsAsNothing) {
  for (int f : {0, 1}) {
    family(f);
    const TSz free = w0only(255);
    EXPECT_EQ(Sz_Art(free), 6);
    EXPECT_EQ(Sz_Prio(free), 0);
    EXPECT_EQ(Sz_Kanal(free), 0);
    EXPECT_EQ(Sz_Schaltwert(free), 0);
    EXPECT_EQ(Sz_Zustand(free), 0);
    EXPECT_EQ(Ist_Einmalig(free), 0);
  }
}

TEST_F(SatzTest, FamilyOneRecordsCarryChannelNumberAndValue) {
  family(1);
  for (int ch = 1; ch <= 8; ++ch) {
    const TSz wk = weekdaySz1(480, 31, ch, 200, 0, 7);
    EXPECT_EQ(Sz_Art(wk), 3);
    EXPECT_EQ(Sz_Kanal(wk), ch);
    EXPECT_EQ(Sz_Prio(wk), 7);
    EXPECT_EQ(Sz_Minuten(wk), 480);
    EXPECT_EQ(Sz_Schaltwert(wk), 200);
    EXPECT_EQ(Sz_Zustand(wk), 0);

    const TSz dated = datedSz1(480, 31, 7, ch, 17);
    EXPECT_EQ(Sz_Art(dated), 4);
    EXPECT_EQ(Sz_Kanal(dated), ch);
    EXPECT_EQ(Sz_Tag(dated), 31);
    EXPECT_EQ(Sz_Monat(dated), 7);
    EXPECT_EQ(Sz_Schaltwert(dated), 17);
    EXPECT_EQ(Ist_AstroSz(dated), 0);
  }
  const TSz permanent = periodPz1(4, 1, 9, 30, 8, 3, 123);
  EXPECT_EQ(Sz_Art(permanent), 5);
  EXPECT_EQ(Sz_Prio(permanent), 10);
  EXPECT_EQ(Sz_Schaltwert(permanent), 123);
  EXPECT_EQ(Sz_Kanal(permanent), 3);
  const TSz program5 = periodPz1(4, 1, 9, 30, 5, 3, 123);
  EXPECT_EQ(Sz_Prio(program5), 5);
  EXPECT_EQ(Sz_Schaltwert(program5), 0);
}

TEST_F(SatzTest, ChannelTestByDeviceKind) {
  struct Case { int family, type; TSz rec; int channelsSet; const char* what; };
  const Case cases[] = {
      {0, 240, weekdaySz(0, 1, 5, 1), 0b0101, "mask 5 = channels 1 and 3"},
      {0, 240, periodPz(1, 1, 2, 2, 1, 8, 0), 0b1000, "priority time on channel 4"},
      {0, 280, weekdaySz(0, 1, 2, 1), 0b100, "16-channel type: number 2 = channel 3"},
      {0, 280, weekdaySz(0, 1, 15, 1), 1 << 15, "16-channel type: channel 16"},
      {1, 240, weekdaySz1(0, 1, 3, 0), 0b100, "value device: channel 3 only"},
      {1, 240, datedSz1(0, 1, 1, 7, 0), 0b1000000, "value device: channel 7 only"},
      {1, 240, periodPz1(1, 1, 2, 2, 8, 5, 9), 0b100000, "value device priority: stored 5 = channel 6"},
      {1, 240, periodPz1(1, 1, 2, 2, 8, 0, 9), 0b1, "value device priority: stored 0 = channel 1"},
  };
  for (const Case& c : cases) {
    family(c.family);
    profile().Uhrentyp = static_cast<int16_t>(c.type);
    for (int k = 1; k <= 16; ++k)
      EXPECT_EQ(Kanal_gesetzt(k, c.rec), (c.channelsSet >> (k - 1)) & 1) << c.what << ", channel " << k;
  }
}

TEST_F(SatzTest, ChannelFreeScansTheOwnProgramOnly) {
  fillSlot(0, weekdaySz(0, 1, 0b0101, 1), periodPz(1, 1, 2, 2, 1, 0b0100, 0));
  fillSlot(1, weekdaySz(0, 1, 0b1010, 1));
  EXPECT_EQ(Kanal_frei(1), 0);
  EXPECT_EQ(Kanal_frei(2), 1);
  EXPECT_EQ(Kanal_frei(3), 0);
  EXPECT_EQ(Kanal_frei(4), 1);

  // Channel numbers are not OR-ed together: numbers 1 and 2 (channels 2 and 3) leave channel 4 free.
  profile().Uhrentyp = 280;
  fillSlot(0, weekdaySz(0, 1, 1, 1), weekdaySz(0, 1, 2, 1));
  EXPECT_EQ(Kanal_frei(1), 1);
  EXPECT_EQ(Kanal_frei(2), 0);
  EXPECT_EQ(Kanal_frei(3), 0);
  EXPECT_EQ(Kanal_frei(4), 1);

  profile().Uhrentyp = 240;
  family(1);
  fillSlot(0, weekdaySz1(0, 1, 3, 0));
  EXPECT_EQ(Kanal_frei(1), 1);
  EXPECT_EQ(Kanal_frei(2), 1);
  EXPECT_EQ(Kanal_frei(3), 0);
  // A priority time stored with field 4 uses channel 5, not 4.
  fillSlot(0, periodPz1(1, 1, 2, 2, 8, 4, 9));
  EXPECT_EQ(Kanal_frei(4), 1);
  EXPECT_EQ(Kanal_frei(5), 0);

  program().AnzGesamt[0] = 0;
  EXPECT_EQ(Kanal_frei(3), 1);
}

TEST_F(SatzTest, EasterOrYearReferenceMarksTheFormat) {
  EXPECT_EQ(Hat_Osterbezug(), 72);
  fillSlot(0, weekdaySz(0, 1, 1, 1), periodPz(1, 1, 2, 2, 1, 1, 0), periodPz(1, 1, 2, 2, 1, 1, 0, 0, true));
  EXPECT_EQ(Hat_Osterbezug(), 72);
  fillSlot(0, weekdaySz(0, 1, 1, 1), yearPz(2003, 1, 1, 2, 2));
  EXPECT_EQ(Hat_Osterbezug(), 73);
  fillSlot(0, easterPz(49, 1, 1, 0));
  EXPECT_EQ(Hat_Osterbezug(), 73);
  // Records beyond the count do not belong to the program.
  fillSlot(0, weekdaySz(0, 1, 1, 1), yearPz(2003, 1, 1, 2, 2));
  program().AnzGesamt[0] = 1;
  EXPECT_EQ(Hat_Osterbezug(), 72);
  // Value-device priority times are not kind 2.
  family(1);
  TSz bound1 = periodPz1(1, 1, 2, 2, 1, 1, 0xF0);
  bound1.w3 |= 64;
  fillSlot(0, bound1, w0only(96));
  EXPECT_EQ(Hat_Osterbezug(), 72);
}

TEST_F(SatzTest, TableOperationsClearEntriesAndCheckTheList) {
  fillSlot(1, weekdaySz(60, 1, 1, 1), weekdaySz(120, 1, 1, 1));
  Loesche_Sz(1, 1);
  EXPECT_EQ(program().Sz[1][1], TSz{});
  EXPECT_EQ(program().Sz[1][0], weekdaySz(60, 1, 1, 1));
  program().SwTab[0][19] = swEntry(30, 3, 26, 10);
  Loesche_SoWiEintrag(19, 0);
  EXPECT_EQ(program().SwTab[0][19], TSwEintrag{});
  // Out-of-range indexes are refused, not written.
  Loesche_Sz(509, 0);
  Loesche_SoWiEintrag(20, 1);
  Loesche_Sz(0, 2);

  EXPECT_TRUE(Pruefe_Szliste(0));
  EXPECT_TRUE(Pruefe_Szliste(1));
  EXPECT_FALSE(Pruefe_Szliste(2));
  EXPECT_FALSE(Pruefe_Szliste(-1));
  program().AnzGesamt[0] = 509;
  EXPECT_TRUE(Pruefe_Szliste(0));
  program().AnzGesamt[0] = 510;
  EXPECT_FALSE(Pruefe_Szliste(0));
  program().AnzGesamt[0] = -1;
  EXPECT_FALSE(Pruefe_Szliste(0));
}

TEST_F(SatzTest, NewSwitchingTimeGoesBehindTheSwitchingTimesAndBeforeThePriorityTimes) {
  const TSz sz1 = weekdaySz(60, 1, 1, 1), sz2 = weekdaySz(120, 2, 1, 1);
  const TSz pz1 = yearPz(2003, 1, 1, 2, 2), pz2 = yearPz(2004, 3, 3, 4, 4);
  const TSz neu = weekdaySz(30, 127, 2, 0);
  struct Fall {
    int anzSz, anzPz, slot;
    std::vector<TSz> vorher, nachher;
  };
  const Fall faelle[] = {
      {2, 2, 0, {sz1, sz2, pz1, pz2}, {sz1, sz2, neu, pz1, pz2}},
      {0, 2, 0, {pz1, pz2}, {neu, pz1, pz2}},
      {2, 0, 1, {sz1, sz2}, {sz1, sz2, neu}},
      {0, 0, 0, {}, {neu}},
  };
  for (const Fall& f : faelle) {
    resetAllState();
    ProgramState& p = program();
    for (size_t i = 0; i < f.vorher.size(); ++i) p.Sz[f.slot][i] = f.vorher[i];
    p.AnzSz[f.slot] = static_cast<int16_t>(f.anzSz);
    p.AnzPz[f.slot] = static_cast<int16_t>(f.anzPz);
    p.AnzGesamt[f.slot] = static_cast<int16_t>(f.anzSz + f.anzPz);
    EXPECT_EQ(Fuege_Schaltzeit_ein(f.slot, neu), f.anzSz);
    EXPECT_EQ(p.AnzSz[f.slot], f.anzSz + 1);
    EXPECT_EQ(p.AnzPz[f.slot], f.anzPz);
    EXPECT_EQ(p.AnzGesamt[f.slot], f.anzSz + f.anzPz + 1);
    for (size_t i = 0; i < f.nachher.size(); ++i) EXPECT_EQ(p.Sz[f.slot][i], f.nachher[i]) << "record " << i;
  }
  // A full slot takes nothing and keeps its records.
  resetAllState();
  program().AnzSz[0] = 1;
  program().AnzPz[0] = kRecordsPerSlot - 1;
  program().AnzGesamt[0] = kRecordsPerSlot;
  program().Sz[0][kRecordsPerSlot - 1] = pz2;
  EXPECT_EQ(Fuege_Schaltzeit_ein(0, neu), -1);
  EXPECT_EQ(program().Sz[0][kRecordsPerSlot - 1], pz2);
  EXPECT_EQ(program().AnzSz[0], 1);
  EXPECT_EQ(Fuege_Schaltzeit_ein(2, neu), -1);
}
