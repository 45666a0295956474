// The device image: layout, stored order, checksum and the encoder's worked values.
#include <gtest/gtest.h>

#include "model/Abbild.h"
#include "tests/model/ImageFixtures.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;
using namespace qv::imagetest;

namespace {

int linkOf(const TAbbild& d, int n) { return (d[adr::slot(n) + 3] >> 7) * 256 + d[adr::slot(n) + 2]; }

}  // namespace

TEST(AbbildNibbles, ExchangeDropsBitEightAndStoredOrderIsItsOwnInverse) {
  EXPECT_EQ(TauscheNibbles(0x12), 0x21);
  EXPECT_EQ(TauscheNibbles(0x112), 0x21);
  EXPECT_EQ(TauscheNibbles(0xF0), 0x0F);
  const AbbildFormat& f = *imageFormat(309);
  TAbbild d(2048);
  for (int i = 0; i < 2048; ++i) d[i] = static_cast<uint8_t>(i * 7);
  const TAbbild s = toStoredOrder(f, d);
  EXPECT_EQ(toDecodedOrder(f, s), d);
  for (int a : {0, 7, 12, 17, 100, 103, 106, 112, 832}) EXPECT_TRUE(keepsNibbleOrder(f, a)) << a;
  for (int a : {8, 18, 19, 104, 107, 838, 950}) EXPECT_FALSE(keepsNibbleOrder(f, a)) << a;
  EXPECT_FALSE(keepsNibbleOrder(*imageFormat(240), 12));
}

TEST(AbbildLeer, EmptyProgramsOfEveryFormat) {
  for (int typ : {240, 280, 309}) {
    SCOPED_TRACE(typ);
    useClockType(typ);
    test::ScriptedEnvironment env;
    const TAbbild stored = Kodiere_Abbild();
    const AbbildFormat& f = *imageFormat(typ);
    const TAbbild d = toDecodedOrder(f, stored);
    EXPECT_EQ(stored[100], 0);
    EXPECT_EQ(stored[101], 0);
    EXPECT_EQ(stored[102], 0);
    EXPECT_EQ(stored[103], 1);
    EXPECT_EQ(d[19], 255);
    for (int a = 20; a < 100; ++a) ASSERT_EQ(d[a], 255) << a;
    for (int n = 1; n < f.slotzahl; ++n) ASSERT_EQ(linkOf(d, n), n + 1) << n;
    EXPECT_EQ(linkOf(d, f.slotzahl), 0);
    int sum = 0;
    for (uint8_t v : stored) sum += v;
    EXPECT_EQ(sum % 256, 0);
  }
}

TEST(AbbildVoll, FirstFreeSlotOfAFullMemory) {
  test::ScriptedEnvironment env;
  const struct { int typ, anz, frei; } faelle[] = {{240, 324, 0}, {280, 500, 501}, {309, 120, 121}};
  for (const auto& c : faelle) {
    SCOPED_TRACE(c.typ);
    useClockType(c.typ);
    setRecords(0, manyRecords(c.anz, profile().Kanalzahl));
    const TAbbild stored = Kodiere_Abbild();
    EXPECT_EQ(stored[100] * 256 + stored[101], 1);
    EXPECT_EQ(stored[102] * 256 + stored[103], c.frei);
    const TAbbild d = toDecodedOrder(*imageFormat(c.typ), stored);
    EXPECT_EQ(linkOf(d, c.anz), 0);
  }
  useClockType(240);
  setRecords(0, manyRecords(12, 4));
  const TAbbild stored = Kodiere_Abbild();
  EXPECT_EQ(stored[102] * 256 + stored[103], 13);
}

TEST(AbbildKopf, ProgramNumberWriteProtectionMeasuringPulseAndCodingByte) {
  test::ScriptedEnvironment env;
  useClockType(240);
  program().Programmnummer[0] = 123456;
  TAbbild stored = Kodiere_Abbild();
  TAbbild d = toDecodedOrder(*imageFormat(240), stored);
  EXPECT_EQ((std::array<int, 3>{d[13], d[14], d[15]}), (std::array<int, 3>{18, 52, 86}));
  EXPECT_EQ((std::array<int, 3>{stored[13], stored[14], stored[15]}), (std::array<int, 3>{33, 67, 101}));
  EXPECT_EQ(stored[12], 239);
  EXPECT_EQ(d[16], 255);
  EXPECT_EQ(d[17], 255);
  EXPECT_EQ(d[18], 255);

  program().Programmnummer[0] = 0;
  settings().Schreibschutz = 1;
  settings().MessKanal = 3, settings().MessPeriode = 60, settings().MessImpDauer = 12;
  settings().MessZustand = 1, settings().MessZeitpunkt = 1;
  profile().Geraetecode = 72 + 128, settings().Codierbyte = 0x35;
  stored = Kodiere_Abbild();
  d = toDecodedOrder(*imageFormat(240), stored);
  EXPECT_EQ((std::array<int, 3>{d[13], d[14], d[15]}), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(stored[12], 207);
  EXPECT_EQ(d[16], 2 * 64 + 60);
  EXPECT_EQ(d[17], 128 + 64 + 12);
  EXPECT_EQ(d[18], 0x35);
  EXPECT_EQ(d[1], 200);

  program().Programmnummer[0] = kKeineProgrammnummer;
  d = toDecodedOrder(*imageFormat(240), Kodiere_Abbild());
  EXPECT_EQ((std::array<int, 3>{d[13], d[14], d[15]}), (std::array<int, 3>{255, 255, 255}));
}

TEST(AbbildKopf, ChangeoverTableAndItsHeader) {
  test::ScriptedEnvironment env;
  useClockType(240);
  settings().SwRegel = 4;
  program().AnzSw[0] = 1;
  program().SwKopf[0] = 30 + 64;
  program().SwTab[0][0] = TSwEintrag{35, 211, 51, 154};
  program().SwTab[0][1] = TSwEintrag{1, 2, 3, 4};  // beyond the count: not written
  const TAbbild d = toDecodedOrder(*imageFormat(240), Kodiere_Abbild());
  EXPECT_EQ(d[19], 94);
  EXPECT_EQ((std::array<int, 4>{d[20], d[21], d[22], d[23]}), (std::array<int, 4>{35, 211, 51, 154}));
  for (int a = 24; a < 100; ++a) ASSERT_EQ(d[a], 255) << a;
}

TEST(AbbildAstrotyp, SettingsInTheHeaderOfThe309) {
  test::ScriptedEnvironment env;
  useClockType(309);
  AstroState& a = astro();
  a.AstroKorrAuf = -5, a.AstroKorrUnter = 120;
  a.AstroZeitzone = -90, a.AstroLaenge = 13.5f, a.AstroBreite = -32.5f, a.AstroZusatz = 42;
  settings().AstroC1C2 = 1;
  const TAbbild stored = Kodiere_Abbild();
  const TAbbild d = toDecodedOrder(*imageFormat(309), stored);
  EXPECT_EQ(stored[13], 251);  // stored unexchanged
  EXPECT_EQ(d[13], 251);
  EXPECT_EQ(d[14], 120);
  EXPECT_EQ(d[15], 13);
  EXPECT_EQ(d[16], 160);
  EXPECT_EQ(d[17] & 15, 1);
  EXPECT_EQ((d[17] >> 4) & 1, 1);
  EXPECT_EQ((d[17] >> 5) & 3, 2);
  EXPECT_EQ(d[17] >> 7, 0);
  EXPECT_EQ(d[18], 128 + 64 + 42);
  EXPECT_EQ(stored[12], 245 + 2 + 8);
  EXPECT_EQ(d[1], 80);
  // No astro times: every day holds the no-time value.
  for (int day = 0; day < 366; ++day) {
    TAstroTag t;
    fromTripleB(&d[adr::kAstro309 + 3 * day], t);
    ASSERT_EQ(t.Aufgang, 1791);
    ASSERT_EQ(t.Untergang, 1791);
  }
}

TEST(Abbild8K, AstroTriplesUsageTextAndNames) {
  const auto t = tripleA(1535, 1439, 1, 0);
  EXPECT_EQ(t, (std::array<uint8_t, 3>{128 + 5 * 16 + 15, 15 * 16 + 0 + 5, 15 * 16 + 9}));
  EXPECT_EQ(fromTripleA(t.data()), (TAstroTag{1535, 1439, 1, 0}));
  const auto b = tripleB(4095, 1234);
  TAstroTag back;
  fromTripleB(b.data(), back);
  EXPECT_EQ(back.Aufgang, 4095);
  EXPECT_EQ(back.Untergang, 1234);

  test::ScriptedEnvironment env;
  useClockType(280);
  program().Verwendung[0] = QStringLiteral("V").repeated(49) + QStringLiteral("WXYZ").repeated(3) + "12";
  program().Kanalname[0][0] = QStringLiteral("abcdefghijklmnopqrst");
  program().Kanalname[15][0] = QString::fromUtf8("Tür");
  astro().AstroAktiv[3] = -1;
  astro().AstroTab[2][10] = TAstroTag{400, 1000, 1, 1};
  astro().AstroTab[0][10] = TAstroTag{400, 1000, 1, 1};  // inactive channel: not written
  astro().AstroGrenzen[2] = TAstroEinst{720, 721, 1, 0};
  const TAbbild d = toDecodedOrder(*imageFormat(280), Kodiere_Abbild());
  EXPECT_EQ(d[adr::kVerwendung280 + 48], 'V');
  EXPECT_EQ(d[adr::kVerwendung280 + 49], 'W');
  EXPECT_EQ(d[adr::kVerwendung280 + 50], 'a');  // cut at 50: the first name field follows
  EXPECT_EQ(d[adr::kNamen280 + 18], 's');
  EXPECT_EQ(d[adr::kNamen280 + 19], 0);
  EXPECT_EQ(d[adr::kNamen280 + 20 * 15 + 1], 0xFC);
  EXPECT_EQ(fromTripleA(&d[adr::kAstro280 + 3 * (366 * 2 + 10)]), (TAstroTag{400, 1000, 1, 1}));
  EXPECT_EQ(fromTripleA(&d[adr::kAstro280 + 3 * 10]), (TAstroTag{1535, 1535, 0, 0}));
  EXPECT_EQ(fromTripleA(&d[adr::kGrenzen280 + 6]), (TAstroTag{720, 721, 1, 0}));
  EXPECT_EQ(fromTripleA(&d[adr::kGrenzen280]), (TAstroTag{0, 1439, 0, 0}));
  for (int a = 3152; a < 3176; ++a) ASSERT_EQ(d[a], 0) << a;
  for (int a = 7950; a < 8192; ++a) ASSERT_EQ(d[a], 0) << a;
}

TEST(AbbildKette, LinkBitEightAndTheRecordTableLeftAsItWas) {
  test::ScriptedEnvironment env;
  for (int typ : {240, 280, 309}) {
    SCOPED_TRACE(typ);
    useClockType(typ);
    const int anz = typ == 309 ? 100 : 300;
    const auto recs = manyRecords(anz, profile().Kanalzahl);
    setRecords(0, recs);
    const AbbildFormat& f = *imageFormat(typ);
    const TAbbild d = toDecodedOrder(f, Kodiere_Abbild());
    for (int n = 1; n <= f.slotzahl; ++n) {
      const bool last = n == anz || n == f.slotzahl;
      ASSERT_EQ(d[adr::slot(n) + 3] >> 7, (!last && n >= 255) ? 1 : 0) << n;
      ASSERT_EQ(linkOf(d, n), last ? 0 : n + 1) << n;
    }
    for (int i = 0; i < anz; ++i) {
      ASSERT_EQ(program().Sz[0][i], recs[i]) << i;
      ASSERT_EQ(d[adr::slot(i + 1)], recs[i].w0);
      ASSERT_EQ(d[adr::slot(i + 1) + 3] & 127, recs[i].w3);
    }
    for (int i = anz; i < kRecordsPerSlot; ++i) ASSERT_EQ(program().Sz[0][i], TSz{}) << i;
  }
}

TEST(AbbildKette, SlotsOfTheTableBeyondTheCountOnThe309) {
  test::ScriptedEnvironment env;
  useClockType(309);
  program().Sz[0][120] = TSz{7, 8, 0, 9, 10, 11};
  program().Sz[0][121] = TSz{1, 2, 0, 4, 5, 6};
  const TAbbild d = toDecodedOrder(*imageFormat(309), Kodiere_Abbild());
  EXPECT_EQ(d[adr::slot(121)], 7);
  EXPECT_EQ(d[adr::slot(121) + 3], 9);
  EXPECT_EQ(d[adr::slot(122)], 1);
  EXPECT_EQ(d[adr::slot(122) + 3], 0);  // the last slot's b3 is cleared whole
  EXPECT_EQ(d[adr::slot(122) + 5], 6);
}
