// The day model of the program simulation.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "calendar/Jahresprogramm.h"
#include "calendar/Simulation.h"
#include "model/Sortierung.h"
#include "model/Zustand.h"
#include "tests/calendar/sim_records.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;
using namespace qv::simtest;

namespace {

using Segs = std::vector<std::pair<int, int>>;

Segs segs(const Tagesmodell& m) {
  Segs out;
  for (int k = 0; k < m.AnzAbschnitte; ++k) out.emplace_back(m.Abschnitt[k].Zustand, m.Abschnitt[k].Dauer);
  return out;
}

constexpr int kMontag = 1, kSonntag = 64;

class SimulationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    profile().Uhrentyp = 240;
    profile().Kanalzahl = 4;
    profile().MaxSz = 324;
  }

  void astro309(int auf, int unter) {
    profile().Uhrentyp = 309;
    profile().Kanalzahl = 2;
    profile().KeineZeit = 1791;
    astro().AstroAktiv[0] = astro().AstroAktiv[1] = -1;
    for (auto& t : astro().AstroTab[0]) t = {static_cast<int16_t>(auf), static_cast<int16_t>(unter), 0, 0};
  }

  test::ScriptedEnvironment env;
};

}  // namespace

TEST_F(SimulationTest, PermanentProgramsAreOneSegment) {
  lade({woche(360, 0, kTaeglich, 1, 1)});
  Tagesmodell m = Rechne_SzGrafik(1, 6, 1, 2025, kProgPermanentEin);
  EXPECT_EQ(segs(m), (Segs{{1, 1440}}));
  EXPECT_EQ(m.EinMinuten, 1440);
  m = Rechne_SzGrafik(1, 6, 1, 2025, kProgPermanentAus);
  EXPECT_EQ(segs(m), (Segs{{0, 1440}}));
  EXPECT_EQ(m.EinMinuten, 0);
}

TEST_F(SimulationTest, DailyOnAndOffOfTheProgramInForce) {
  lade({woche(360, 0, kTaeglich, 1, 1), woche(1320, 0, kTaeglich, 1, 0), woche(600, 3, kTaeglich, 1, 1)});
  const Tagesmodell m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(segs(m), (Segs{{0, 360}, {1, 960}, {0, 120}}));
  EXPECT_EQ(m.EinMinuten, 960);
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{0, 1440}}));  // another channel
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 3)), (Segs{{1, 600}, {1, 840}}));  // on since yesterday
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 5)), (Segs{{0, 1440}}));
}

TEST_F(SimulationTest, StateAtMidnightComesFromTheLastSwitchingBefore) {
  // Sunday 20:00 on, Monday 08:00 off: 6 January 2025 is a Monday.
  lade({woche(1200, 0, kSonntag, 1, 1), woche(480, 0, kMontag, 1, 0)});
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 0)), (Segs{{1, 480}, {0, 960}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 7, 1, 2025, 0)), (Segs{{0, 1440}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 5, 1, 2025, 0)), (Segs{{0, 1200}, {1, 240}}));

  // A dated switching on 31 December is seen from 1 January.
  lade({datum(1080, 31, 12, 1, 1), datum(480, 1, 1, 1, 0)});
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 1, 1, 2025, 0)), (Segs{{1, 480}, {0, 960}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 2, 1, 2025, 7)), (Segs{{0, 1440}}));  // dated: any program
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 31, 12, 2025, 7)), (Segs{{0, 1080}, {1, 360}}));
}

TEST_F(SimulationTest, AtOneMinuteTheLastRecordDecides) {
  lade({woche(600, 0, kTaeglich, 1, 1), woche(600, 0, kTaeglich, 1, 0)});
  // The new state is the last one's; the state at midnight the first one's.
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 0)), (Segs{{1, 600}, {0, 840}}));
}

TEST_F(SimulationTest, StateAndPulseAtOneMinute) {
  // Before a later event: a state segment of length 0, then the pulse up to that event.
  lade({woche(720, 0, kTaeglich, 1, 1), woche(720, 0, kTaeglich, 1, 1, 2), woche(1080, 0, kTaeglich, 1, 0)});
  Tagesmodell m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(segs(m), (Segs{{0, 720}, {1, 0}, {3, 360}, {0, 360}}));
  EXPECT_EQ(m.EinMinuten, 360);
  // At the day's last event: the pulse of length 0, then the state to 24:00.
  lade({woche(60, 0, kTaeglich, 1, 0), woche(720, 0, kTaeglich, 1, 1), woche(720, 0, kTaeglich, 1, 1, 2)});
  m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(segs(m), (Segs{{1, 60}, {0, 660}, {3, 0}, {1, 720}}));
  EXPECT_EQ(m.EinMinuten, 780);
}

TEST_F(SimulationTest, PulseWhileOnDoesNotInterruptTheOnTime) {
  lade({woche(360, 0, kTaeglich, 1, 1), woche(720, 0, kTaeglich, 1, 0, 3), woche(1320, 0, kTaeglich, 1, 0)});
  const Tagesmodell m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(segs(m), (Segs{{0, 360}, {1, 360}, {2, 600}, {0, 120}}));
  EXPECT_EQ(m.EinMinuten, 960);
  // An on pulse while off adds nothing.
  lade({woche(720, 0, kTaeglich, 1, 1, 3)});
  EXPECT_EQ(Rechne_SzGrafik(1, 6, 1, 2025, 0).EinMinuten, 0);
}

TEST_F(SimulationTest, AstroTimesOfType309) {
  astro309(420, 1000);
  Tagesmodell m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(segs(m), (Segs{{1, 420}, {0, 580}, {1, 440}}));
  EXPECT_EQ(m.EinMinuten, 860);
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 5)), (Segs{{0, 1440}}));  // only programs 0..4
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{0, 1440}}));  // C1 only
  settings().AstroC1C2 = 1;
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{1, 420}, {0, 580}, {1, 440}}));

  // Summer time puts them an hour later, the evening before too.
  settings().SwRegel = 1;
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 15, 7, 2025, 0)), (Segs{{1, 480}, {0, 580}, {1, 380}}));
}

TEST_F(SimulationTest, Type309OffsetsStayInsideTheDay) {
  astro309(420, 1000);
  astro().AstroKorrAuf = -500;
  astro().AstroKorrUnter = 500;
  // Sunrise no earlier than 0:01, sunset no later than 23:59. No evening before lies inside a
  // day, so the state at midnight is that of last year's 23:59.
  const Tagesmodell m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(segs(m), (Segs{{1, 1}, {0, 1438}, {1, 1}}));
}

TEST_F(SimulationTest, AstroTimesOfType280KeepToTheChannelLimits) {
  profile().Uhrentyp = 280;
  profile().Kanalzahl = 16;
  profile().KeineZeit = 1535;
  profile().MaxSz = 500;
  astro().AstroAktiv[0] = astro().AstroAktiv[2] = -1;
  astro().AstroGrenzen[1] = {400, 900, 0, 0};
  for (auto& t : astro().AstroTab[1]) t = {300, 1000, 1, 0};
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{0, 400}, {1, 500}, {0, 540}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 0)), (Segs{{0, 1440}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(5, 6, 1, 2025, 0)), (Segs{{0, 1440}}));

  astro().AstroTab[1][5].Aufgang = 1535;  // no sunrise on 6 January
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{0, 900}, {0, 540}}));
  astro().AstroTab[1][5].Untergang = 1535;
  astro().AstroTab[1][4] = {1535, 1535, 1, 0};
  astro().AstroTab[1][3] = {300, 1535, 1, 0};  // the last switching before: 4 January, sunrise
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{1, 1440}}));
  // Yesterday's last switching decides, not an older day's: 5 January ends on with its sunrise,
  // 4 January off with its sunset.
  astro().AstroTab[1][4] = {300, 1535, 1, 0};
  astro().AstroTab[1][3] = {300, 1000, 1, 0};
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{1, 1440}}));
  astro().AstroTab[1][4] = {1535, 1000, 1, 0};
  astro().AstroTab[1][3] = {300, 1535, 1, 0};
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{0, 1440}}));
}

TEST_F(SimulationTest, TheProgramTableIsNeverChanged) {
  astro309(420, 1000);
  // A user record that carries the astro flag must survive every day of the year.
  lade({woche(600, 0, kTaeglich, 1 | 16, 1), woche(1200, 0, kTaeglich, 1, 0), datum(700, 3, 3, 1, 0, 1)},
       {prio(1, 6, 30, 6, 10, 1, 1)});
  program().Geaendert = 0;
  sortSelectors().SortArtSz = 3;
  sortSelectors().SortArtPz = 1;
  const ProgramState before = program();

  Rechne_SzGrafik(1, 6, 1, 2025, 0);
  Jahresbetriebsstunden(1, 2025);
  Rechne_pzgrafik(2025, 1);

  const ProgramState& after = program();
  EXPECT_EQ(std::memcmp(before.Sz, after.Sz, sizeof before.Sz), 0);
  EXPECT_EQ(std::memcmp(before.AnzSz, after.AnzSz, sizeof before.AnzSz), 0);
  EXPECT_EQ(std::memcmp(before.AnzPz, after.AnzPz, sizeof before.AnzPz), 0);
  EXPECT_EQ(std::memcmp(before.AnzGesamt, after.AnzGesamt, sizeof before.AnzGesamt), 0);
  EXPECT_EQ(after.Geaendert, 0);
  EXPECT_EQ(sortSelectors().SortArtSz, 3);
  EXPECT_EQ(sortSelectors().SortArtPz, 1);
}

TEST_F(SimulationTest, RecordsWithTheAstroFlagKeepSwitchingAllYear) {
  astro309(1791, 1791);  // astro on, but no times: the temporary records come and go empty
  lade({woche(600, 0, kTaeglich, 1 | 16, 1), woche(1200, 0, kTaeglich, 1, 0)});
  SimProgramm p = SimProgramm::ausSpeicher(0);
  EXPECT_EQ(Jahresbetriebsstunden(p, 1, 2025), 365 * 600);
  EXPECT_EQ(p.saetze().size(), 2u);
  EXPECT_EQ(p.anzahlTemporaere(), 0);
}

TEST_F(SimulationTest, MeasuringPulseDay) {
  profile().Evu = 1;
  settings().MessKanal = 1;
  settings().MessPeriode = 15;
  settings().MessImpDauer = 5;
  settings().MessZustand = 0;  // measuring with the relay on
  Tagesmodell m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(m.EinMinuten, 1432);
  ASSERT_EQ(m.AnzAbschnitte, 97);
  EXPECT_EQ(m.Abschnitt[0], (TAbschnitt{1, 0}));
  EXPECT_EQ(m.Abschnitt[96], (TAbschnitt{2, 15}));

  settings().MessZustand = 1;
  settings().MessZeitpunkt = 1;
  m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(m.EinMinuten, 8);
  EXPECT_EQ(m.Abschnitt[0], (TAbschnitt{0, 15}));
  EXPECT_EQ(m.Abschnitt[1], (TAbschnitt{3, 15}));

  settings().MessPeriode = 1;
  m = Rechne_SzGrafik(1, 6, 1, 2025, 0);
  EXPECT_EQ(m.AnzAbschnitte, kAbschnitte);
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, kProgPermanentEin)), (Segs{{1, 1440}}));
}

TEST_F(SimulationTest, ValueDevicesSwitchTheirOneChannel) {
  profile().Geraetefamilie = 1;
  lade({wocheWert(360, 0, kTaeglich, 3, 200), wocheWert(1320, 0, kTaeglich, 3, 0)});
  EXPECT_EQ(segs(Rechne_SzGrafik(3, 6, 1, 2025, 0)), (Segs{{0, 360}, {1, 960}, {0, 120}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 0)), (Segs{{0, 1440}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(2, 6, 1, 2025, 0)), (Segs{{0, 1440}}));
}

TEST_F(SimulationTest, MalformedRecordsAndDatesAreIgnored) {
  TSz spaet = datum(0, 6, 1, 1, 1);
  spaet.w0 = 95;  // minute 1520: no minute of a day
  TSz frei;
  frei.w0 = 255;
  frei.w4 = 15;
  lade({spaet, frei, prio(1, 1, 31, 12, 10, 1, 1), woche(600, 0, kTaeglich, 1, 1),
        woche(1200, 0, kTaeglich, 1, 0)});
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 6, 1, 2025, 0)), (Segs{{0, 600}, {1, 600}, {0, 240}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 30, 2, 2025, 0)), (Segs{{0, 1440}}));
  EXPECT_EQ(segs(Rechne_SzGrafik(1, 1, 13, 2025, 0)), (Segs{{0, 1440}}));
  astro309(420, 1000);
  EXPECT_EQ(Rechne_SzGrafik(1, 32, 12, 2025, 0).AnzAbschnitte, 1);
}
