// The serial driver against the simulated coupler behind a pseudo-terminal: FT1.2 frames both
// ways, a whole program written and read back, broken frames and missing acknowledgements.
#include <gtest/gtest.h>

#include <set>

#include "tests/transfer/EibFixtures.h"
#include "transfer/EibProgramm.h"
#include "transfer/EibSeriell.h"

using namespace qv;
using namespace qv::test;

TEST(EibFt12, FramesAreSplitAndCheckedOnTheWay) {
  QByteArray p = ft12::Rahmen(0x73, hex("4c010116"));
  EXPECT_EQ(p, hex("6805056873" "4c010116" "d716"));
  QByteArray strom = hex("00e5") + p + hex("6805056873" "4c010116" "d816") + ft12::FesterRahmen(0x40) + hex("6805");
  ASSERT_EQ(ft12::Zerlege(strom)->art, ft12::Stueck::Quittung);
  const std::optional<ft12::Stueck> v = ft12::Zerlege(strom);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->daten, hex("4c010116"));
  // The frame with the wrong sum is passed over; the reset request follows.
  const std::optional<ft12::Stueck> f = ft12::Zerlege(strom);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->art, ft12::Stueck::Fest);
  EXPECT_EQ(f->steuer, 0x40);
  EXPECT_FALSE(ft12::Zerlege(strom));
  EXPECT_EQ(strom, hex("6805"));  // an incomplete frame waits for its rest
}

TEST(EibFt12, ProgramRoundTripOverTheSerialPort) {
  PtyStand t;
  profile().MaxSz = 324;
  t.pty.mit([](KopplerKern& k) { k.neu<SimSchaltuhr>(0x1109); });
  zehnSaetze();
  const ProgramState vorher = program();
  EXPECT_EQ(Bus_Programm_Uebertragen(t.s, 0x1109, 1), 0);
  program().clearSlot(0);
  EXPECT_EQ(Bus_Programm_Uebertragen(t.s, 0x1109, 0), 0);
  SortiereSz(1, 0);
  EXPECT_EQ(program().AnzGesamt[0], 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(program().Sz[0][i], vorher.Sz[0][i]) << i;
  for (int i = 0; i < kSwEntries; ++i) EXPECT_EQ(program().SwTab[0][i], vorher.SwTab[0][i]) << i;
  EXPECT_TRUE(t.env.messages.empty());
  EXPECT_EQ(t.pty.mit([](KopplerKern& k) { return int(k.lokal[0x116]); }), 5);
}

TEST(EibFt12, BrokenFramesAndMissingAcknowledgements) {
  PtyStand t;
  t.pty.mit([](KopplerKern& k) { k.neu<SimSchaltuhr>(0x1109); });
  ASSERT_EQ(t.s.Bus_Oeffnen(1, 9600), 0);
  // A confirmation with a wrong sum is not acknowledged, and the coupler's second send of it
  // gets through; four broken sends never reach the link layer.
  t.pty.kaputteRahmen = 1;
  ASSERT_EQ(t.s.Sende_Lokal(Lokal_Lesen_Telegramm(0x116, 1)), 0);
  QByteArray d;
  EXPECT_EQ(t.s.Erwarte_Bestaetigung(d), 0);
  EXPECT_EQ(d, hex("01"));
  EXPECT_EQ(t.pty.falscheRahmen, 1);
  t.pty.kaputteRahmen = 4;
  ASSERT_EQ(t.s.Sende_Lokal(Lokal_Lesen_Telegramm(0x116, 1)), 0);
  EXPECT_EQ(t.s.Erwarte_Bestaetigung(d), 105);
  EXPECT_EQ(t.pty.falscheRahmen, 5);
  // The coupler starts its link again after giving up, and the next confirmation arrives.
  d.clear();
  ASSERT_EQ(t.s.Sende_Lokal(Lokal_Lesen_Telegramm(0x116, 1)), 0);
  EXPECT_EQ(t.s.Erwarte_Bestaetigung(d), 0);
  EXPECT_EQ(d, hex("01"));
  // Without acknowledgements a send never finishes, and a reset is refused.
  t.pty.keineQuittung = true;
  const size_t vorher = t.pty.steuerbytes().size();
  EXPECT_EQ(t.s.Sende_Lokal(Lokal_Lesen_Telegramm(0x116, 1)), 107);
  // The frame went four times, unchanged.
  const std::vector<uint8_t> gesendet = t.pty.steuerbytes();
  ASSERT_EQ(gesendet.size(), vorher + 4);
  EXPECT_EQ(std::set<uint8_t>(gesendet.begin() + vorher, gesendet.end()).size(), 1u);
  EXPECT_EQ(t.seriell.EIB_ResetAst(), eibfehler::KeineQuittung);
  t.s.Bus_Schliessen();
  EibPuffer p{};
  int16_t n = 0;
  EXPECT_EQ(t.seriell.EIB_Receive(p, n), eibfehler::NichtOffen);
  // A port that does not exist.
  qputenv("QUORVEL_COM2", "/nonexistent/tty");
  EXPECT_EQ(t.s.Bus_Oeffnen(1, 9600), 1);
}
