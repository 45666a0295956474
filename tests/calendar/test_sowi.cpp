// Changeover-table entries, their comparison keys and the rule days.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <tuple>

#include "calendar/SoWiTabelle.h"
#include "model/Kalender.h"
#include "model/Zustand.h"

using namespace qv;
namespace chr = std::chrono;

TEST(SoWiRegeltag, AgreesWithTheCalendarForEveryYear1996To2060) {
  int checked = 0;
  for (int jahr = kRegeltagErstesJahr; jahr <= kRegeltagLetztesJahr; ++jahr)
    for (int monat = 0; monat < 12; ++monat)
      for (int wtag = 0; wtag < 7; ++wtag) {
        // Our weekdays run 0 Monday .. 6 Sunday; chrono's 0 Sunday .. 6 Saturday.
        const chr::weekday wd{static_cast<unsigned>((wtag + 1) % 7)};
        const chr::year_month ym{chr::year{jahr}, chr::month{static_cast<unsigned>(monat + 1)}};
        for (int ordinal = 0; ordinal < 4; ++ordinal) {
          const chr::year_month_day expected{ym / wd[static_cast<unsigned>(ordinal + 1)]};
          ASSERT_EQ(Regeltag(ordinal, wtag, monat, jahr), static_cast<int>(unsigned(expected.day())))
              << jahr << "-" << monat + 1 << " weekday " << wtag << " ordinal " << ordinal;
          ++checked;
        }
        const chr::year_month_day last{ym / wd[chr::last]};
        ASSERT_EQ(Regeltag(4, wtag, monat, jahr), static_cast<int>(unsigned(last.day())))
            << jahr << "-" << monat + 1 << " weekday " << wtag << " last";
        ++checked;
      }
  EXPECT_EQ(checked, 65 * 12 * 7 * 5);
}

TEST(SoWiRegeltag, KnownDaysAndValuesOutsideTheRules) {
  EXPECT_EQ(Regeltag(4, 6, 2, 2003), 30);  // last Sunday of March 2003
  EXPECT_EQ(Regeltag(4, 6, 9, 2003), 26);
  EXPECT_EQ(Regeltag(0, 0, 0, 1996), 1);   // 1 January 1996 is a Monday
  EXPECT_EQ(Regeltag(4, 0, 1, 2004), 23);
  EXPECT_EQ(Regeltag(4, 6, 1, 2004), 29);
  EXPECT_EQ(Regeltag(4, 4, 1, 2003), 28);
  EXPECT_EQ(Regeltag(5, 6, 2, 2003), 0);
  EXPECT_EQ(Regeltag(-1, 6, 2, 2003), 0);
  EXPECT_EQ(Regeltag(0, 7, 2, 2003), 0);
  EXPECT_EQ(Regeltag(0, 0, 12, 2003), 0);
  EXPECT_EQ(Regeltag(4, 6, 2, 1995), 0);   // the day numbering holds only inside 1996..2060
  EXPECT_EQ(Regeltag(4, 6, 2, 2061), 0);
}

TEST(SoWiRegeltag, AutomaticFillingUsesTheEditorsMonthsAndYear) {
  swEingabe() = SwEingabeState{};
  swEingabe().SwEingabeJahr = 2003;
  const SwRegeltage t = SwAutomatikTage(4, 6, 4, 6);
  EXPECT_EQ(t.TagVonIndex, 29);
  EXPECT_EQ(t.TagBisIndex, 25);
  EXPECT_EQ(SwAutomatikTage(7, 6, 0, 0).TagVonIndex, -1);  // nothing selected
  EXPECT_EQ(SwAutomatikTage(7, 6, 0, 0).TagBisIndex, 5);   // first Monday of October 2003
}

TEST(SoWiEintrag, LayoutOfBothHalves) {
  const TSwEintrag e = SwEintrag_Bauen({2, 1, 30, 3}, {3, 1, 26, 10});
  EXPECT_EQ(e, (TSwEintrag{35, 227, 51, 170}));
  EXPECT_EQ(SwEintrag_Vor(e), (SwHalbe{2, 1, 30, 3}));
  EXPECT_EQ(SwEintrag_Zurueck(e), (SwHalbe{3, 1, 26, 10}));
  EXPECT_TRUE(SwEintrag_belegt(e));
  EXPECT_FALSE(SwEintrag_belegt(TSwEintrag{255, 255, 255, 255}));
  EXPECT_EQ(Jahrestag_Monatsende(1), 31);
  EXPECT_EQ(Jahrestag_Monatsende(2), 59);
  EXPECT_EQ(Jahrestag_Monatsende(12), 365);
  EXPECT_EQ(Jahrestag_Monatsende(0), 0);
  EXPECT_EQ(Jahrestag_Monatsende(13), 0);
}

TEST(SoWiEintrag, EveryHalfReadsBackAndStaysBelowTheFreeMark) {
  for (int h = 0; h <= 12; ++h)
    for (int s = 0; s <= 3; ++s)
      for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) {
          const SwHalbe half{h, s, d, m};
          const TSwEintrag e = SwEintrag_Bauen(half, half);
          ASSERT_LE(e.w0, 199);
          ASSERT_EQ(SwEintrag_Vor(e), half);
          ASSERT_EQ(SwEintrag_Zurueck(e), half);
        }
}

TEST(SoWiSchluessel, EqualExactlyWhenDayMonthAndHourAreEqual) {
  std::map<int, std::tuple<int, int, int>> seen;
  int maxKey = 0;
  for (int h = 0; h <= 12; ++h)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d) {
        const int key = SwSchluessel_Von(SwEintrag_Bauen({h, 0, d, m}, {0, 0, 1, 1}));
        for (int s = 1; s <= 3; ++s) {
          const TSwEintrag e = SwEintrag_Bauen({h, s, d, m}, {h, s, d, m});
          ASSERT_EQ(SwSchluessel_Von(e), key);  // the shift takes no part
          ASSERT_EQ(SwSchluessel_Bis(e), key);  // same formula for the back half
        }
        const auto [it, fresh] = seen.emplace(key, std::make_tuple(h, d, m));
        ASSERT_TRUE(fresh) << "key " << key << " shared";
        maxKey = std::max(maxKey, key);
      }
  EXPECT_EQ(maxKey, 24460);
  const TSwEintrag same = SwEintrag_Bauen({2, 1, 30, 3}, {2, 0, 30, 3});
  EXPECT_EQ(SwSchluessel_Von(same), SwSchluessel_Bis(same));
  const TSwEintrag other = SwEintrag_Bauen({2, 1, 30, 3}, {3, 1, 30, 3});
  EXPECT_NE(SwSchluessel_Von(other), SwSchluessel_Bis(other));
}

TEST(SoWiEintrag, YearOfAnEntryFollowsFromItsPosition) {
  resetAllState();
  program().SwKopf[0] = 7;
  program().SwProJahr[0] = 0;
  EXPECT_EQ(SoWi_Jahr(5, 0), 2008);
  program().SwKopf[0] = 71;
  program().SwProJahr[0] = 1;
  EXPECT_EQ(SoWi_Jahr(4, 0), 2005);
  EXPECT_EQ(SoWi_Jahr(5, 0), 2005);
}
