// The astro table of one channel: shifting to the place's clock, clamping, polar days, the day
// index mapping and the channel limits.
#include <gtest/gtest.h>

#include <QDate>
#include <chrono>
#include <cmath>
#include <vector>

#include "calendar/Astrotabelle.h"
#include "calendar/Sonne.h"
#include "model/Hooks.h"
#include "model/Zustand.h"
#include "tests/calendar/SunReference.h"
#include "tests/support/ScriptedEnvironment.h"

using namespace qv;

namespace {

constexpr int16_t kKeine280 = 1535;
constexpr int16_t kKeine309 = 1791;

// A row whose states and last index carry markers, so that untouched words can be checked.
struct Row {
  TAstroTag t[kAstroDays];
  Row() {
    for (int d = 0; d < kAstroDays; ++d)
      t[d] = {-7, -7, static_cast<int16_t>(d % 2), static_cast<int16_t>(1 - d % 2)};
  }
};

class AstroTest : public ::testing::Test {
 protected:
  void SetUp() override { resetAllState(); }
  void TearDown() override { hooks().Zeige_Astrogrenzen = nullptr; }
  test::ScriptedEnvironment env;
};

}  // namespace

TEST_F(AstroTest, GreenwichStoresTheExactMinutes) {
  // No shift at all: every stored minute is the computed one, none is lost on the way.
  Row r;
  Rechne_Astrozeile(r.t, AstroPlace{0, 48, 0, 0, 0}, 309, kKeine309, 2026);
  for (int n = 0; n < 366; ++n) {
    const int monat = QDate(2026, 1, 1).addDays(n).month();
    const int tag = n < 365 ? QDate(2026, 1, 1).addDays(n).day() : 32;
    const int m = n < 365 ? monat : 12;
    EXPECT_EQ(r.t[n].Aufgang, *Sonnenaufgang(tag, m, 48)) << n;
    EXPECT_EQ(r.t[n].Untergang, *Sonnenuntergang(tag, m, 48)) << n;
  }
  EXPECT_EQ(r.t[0].Aufgang, 470);
  EXPECT_EQ(r.t[0].Untergang, 977);
}

TEST_F(AstroTest, StatesAndLastIndexAreLeftAlone) {
  Row r;
  Rechne_Astrozeile(r.t, AstroPlace{-13.5, 52.5, -60, 30, -30}, 280, kKeine280, 2024);
  for (int d = 0; d < 366; ++d) {
    EXPECT_EQ(r.t[d].ZustandAuf, d % 2);
    EXPECT_EQ(r.t[d].ZustandUnter, 1 - d % 2);
  }
  EXPECT_EQ(r.t[366], (TAstroTag{-7, -7, 0, 1}));
}

TEST_F(AstroTest, DayIndexFollowsTheYear) {
  Row common, leap;
  Rechne_Astrozeile(common.t, AstroPlace{0, 40, 0, 0, 0}, 309, kKeine309, 2026);
  Rechne_Astrozeile(leap.t, AstroPlace{0, 40, 0, 0, 0}, 309, kKeine309, 2024);
  // Index 60 is 2 March in a common year and 1 March in a leap year.
  EXPECT_EQ(common.t[60].Aufgang, *Sonnenaufgang(2, 3, 40));
  EXPECT_EQ(leap.t[60].Aufgang, *Sonnenaufgang(1, 3, 40));
  EXPECT_EQ(leap.t[59].Aufgang, *Sonnenaufgang(29, 2, 40));
  // Index 365: the day after 31 December in a common year, 31 December in a leap year.
  EXPECT_EQ(common.t[365].Untergang, *Sonnenuntergang(32, 12, 40));
  EXPECT_EQ(leap.t[365].Untergang, *Sonnenuntergang(31, 12, 40));
}

TEST_F(AstroTest, SixteenChannelTypeClampsAndAddsCorrections) {
  // 48 degrees north, 1 January: sunrise 470 and sunset 977 at Greenwich.
  Row r;
  Rechne_Astrozeile(r.t, AstroPlace{0, 48, 0, 15, -20}, 280, kKeine280, 2026);
  EXPECT_EQ(r.t[0].Aufgang, 485);
  EXPECT_EQ(r.t[0].Untergang, 957);

  // Shifted a whole day later: the sunrise leaves the day, the sunset stays at 23:59.
  Rechne_Astrozeile(r.t, AstroPlace{180, 48, -720, 0, 0}, 280, kKeine280, 2026);
  EXPECT_EQ(r.t[0].Aufgang, kKeine280);
  EXPECT_EQ(r.t[0].Untergang, 1439);
  // A whole day earlier: the sunrise stays at 0:00, the sunset leaves the day.
  Rechne_Astrozeile(r.t, AstroPlace{-180, 48, 720, 0, 0}, 280, kKeine280, 2026);
  EXPECT_EQ(r.t[0].Aufgang, 0);
  EXPECT_EQ(r.t[0].Untergang, kKeine280);
  // The corrections alone can push the times over the edges.
  Rechne_Astrozeile(r.t, AstroPlace{0, 48, 500, -120, 120}, 280, kKeine280, 2026);
  EXPECT_EQ(r.t[0].Aufgang, 0);                // 470 - 500 - 120 < 0
  EXPECT_EQ(r.t[0].Untergang, 977 - 500 + 120);
  // The longitude counts four minutes a degree, floored.
  Rechne_Astrozeile(r.t, AstroPlace{-0.5, 48, 0, 0, 0}, 280, kKeine280, 2026);
  EXPECT_EQ(r.t[0].Aufgang, 468);
}

TEST_F(AstroTest, OtherTypesIgnoreCorrectionsAndDropTimesOutsideTheDay) {
  Row r;
  Rechne_Astrozeile(r.t, AstroPlace{0, 48, 0, 15, -20}, 309, kKeine309, 2026);
  EXPECT_EQ(r.t[0].Aufgang, 470);
  EXPECT_EQ(r.t[0].Untergang, 977);
  Rechne_Astrozeile(r.t, AstroPlace{180, 48, -720, 0, 0}, 309, kKeine309, 2026);
  EXPECT_EQ(r.t[0].Aufgang, kKeine309);
  EXPECT_EQ(r.t[0].Untergang, kKeine309);
  Rechne_Astrozeile(r.t, AstroPlace{-180, 48, 720, 0, 0}, 309, kKeine309, 2026);
  EXPECT_EQ(r.t[0].Aufgang, kKeine309);
  EXPECT_EQ(r.t[0].Untergang, kKeine309);
}

TEST_F(AstroTest, PolarDaysStoreNoSwitchingTime) {
  Row r;
  // Tromsø region, 70 degrees north: no sunrise or sunset at midsummer or midwinter, whatever
  // the shift and the corrections.
  for (int typ : {280, 309}) {
    const int16_t keine = typ == 280 ? kKeine280 : kKeine309;
    Rechne_Astrozeile(r.t, AstroPlace{-19, 70, -60, 60, -60}, typ, keine, 2026);
    for (int n : {171, 343}) {  // 21 June, 10 December
      EXPECT_EQ(r.t[n].Aufgang, keine) << typ << " " << n;
      EXPECT_EQ(r.t[n].Untergang, keine) << typ << " " << n;
    }
    // An ordinary spring day still has both.
    EXPECT_LT(r.t[80].Aufgang, 1440);
    EXPECT_LT(r.t[80].Untergang, 1440);
  }
}

// Several places through the whole table against the reference, in the place's standard time.
// The table moves the Greenwich event by four minutes a degree and so reads the sun's
// declination up to half a day off: far from Greenwich that costs a little more than a minute.
TEST_F(AstroTest, PlacesAgreeWithTheReference) {
  struct P {
    const char* name;
    double lat, lonEast, zoneMinutes;
    double tolerance = 1.0;
  };
  const P places[] = {
      {"Berlin", 52.5, 13.5, 60},  {"London", 51.5, 0, 0},     {"Madrid", 40.5, -3.5, 60},
      {"Reykjavik", 64, -22, 0},   {"New York", 40.5, -74, -300, 1.5}, {"Sydney", -34, 151, 600, 1.5},
      {"Quito", -0.5, -78.5, -300, 1.5}, {"Ushuaia", -55, -68.5, -180, 1.5},
  };
  for (const P& p : places) {
    SCOPED_TRACE(p.name);
    Row r;
    // The dialog stores west positive and the time zone with the opposite sign.
    Rechne_Astrozeile(r.t, AstroPlace{-p.lonEast, p.lat, -p.zoneMinutes, 0, 0}, 309, kKeine309, 2026);
    for (int n = 0; n < 365; ++n) {
      const QDate d = QDate(2026, 1, 1).addDays(n);
      const auto auf = test::noaaEvent(1999, d.month(), d.day(), p.lat, p.lonEast, true);
      const auto unter = test::noaaEvent(1998, d.month(), d.day(), p.lat, p.lonEast, false);
      ASSERT_TRUE(auf && unter);
      // A time is stored when it lies inside the local day; otherwise no switching time.
      const auto check = [&](int16_t stored, double soll, const char* what) {
        if (stored == kKeine309) {
          EXPECT_TRUE(soll < p.tolerance || soll > 1440 - p.tolerance) << what << " " << n << " " << soll;
        } else {
          EXPECT_LE(std::fabs(stored - soll), p.tolerance) << what << " " << n;
        }
      };
      check(r.t[n].Aufgang, *auf + p.zoneMinutes, "sunrise");
      check(r.t[n].Untergang, *unter + p.zoneMinutes, "sunset");
    }
  }
}

TEST_F(AstroTest, TableOfAChannelUsesProfileAndTodaysYear) {
  profile().Uhrentyp = 280;
  profile().KeineZeit = kKeine280;
  env.setNow(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)));
  astro().AstroTab[2][366] = {11, 12, 1, 1};
  ASSERT_TRUE(Rechne_Astrotabelle(0, 40, 0, 10, 0, 2));
  EXPECT_EQ(astro().AstroTab[2][365].Untergang, *Sonnenuntergang(31, 12, 40));
  EXPECT_EQ(astro().AstroTab[2][0].Aufgang, *Sonnenaufgang(1, 1, 40) + 10);
  EXPECT_EQ(astro().AstroTab[2][366], (TAstroTag{11, 12, 1, 1}));
  EXPECT_EQ(astro().AstroTab[1][0], TAstroTag{});  // other channels untouched
  EXPECT_EQ(env.busyOn, 1);
  EXPECT_EQ(env.busyDepth, 0);

  EXPECT_FALSE(Rechne_Astrotabelle(0, 40, 0, 0, 0, 4));
  EXPECT_FALSE(Rechne_Astrotabelle(0, 40, 0, 0, 0, -1));
}

TEST_F(AstroTest, LimitsAreBroughtIntoRangeAndShown) {
  std::vector<std::pair<int, int>> shown;
  hooks().Zeige_Astrogrenzen = [&](int auf, int unter) { shown.emplace_back(auf, unter); };

  struct Case {
    int16_t auf, unter, wantAuf, wantUnter;
  };
  const Case cases[] = {
      {720, 721, 720, 721},  {0, 1439, 0, 1439}, {721, 1440, 0, 1439},
      {-1, 1441, 0, 1439},   {300, 720, 300, 1439}, {360, 0, 360, 1439},
  };
  for (const Case& c : cases) {
    astro().AstroGrenzen[3] = {c.auf, c.unter, 1, 0};
    Setze_Astrogrenzen(3);
    EXPECT_EQ(astro().AstroKanal, 3);
    EXPECT_EQ(astro().AstroGrenzen[3], (TAstroEinst{c.wantAuf, c.wantUnter, 1, 0})) << c.auf << "/" << c.unter;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), std::make_pair(int{c.wantAuf}, int{c.wantUnter}));
  }

  // A channel outside the table changes nothing.
  shown.clear();
  astro().AstroKanal = 1;
  Setze_Astrogrenzen(4);
  Setze_Astrogrenzen(-1);
  EXPECT_EQ(astro().AstroKanal, 1);
  EXPECT_TRUE(shown.empty());

  // Without an open dialog only the globals change.
  hooks().Zeige_Astrogrenzen = nullptr;
  astro().AstroGrenzen[0] = {900, 100, 0, 0};
  Setze_Astrogrenzen(0);
  EXPECT_EQ(astro().AstroGrenzen[0], (TAstroEinst{0, 1439, 0, 0}));
}
