// The device settings dialog's mappings between list positions and settings.
#include <gtest/gtest.h>

#include "shell/Geraeteeinstellungen.h"

using namespace qv;

TEST(Geraeteeinstellungen, PeriodIndexAndBack) {
  const struct {
    int minuten, index, zurueck;
  } faelle[] = {{1, 0, 1}, {6, 5, 6}, {7, 6, 10}, {8, 6, 10}, {11, 7, 12}, {13, 8, 15},
                {20, 9, 20}, {21, 10, 30}, {0, 11, 60}, {45, 11, 60}, {-3, 11, 60}};
  for (const auto& f : faelle) {
    EXPECT_EQ(Periodenindex(f.minuten), f.index) << f.minuten;
    EXPECT_EQ(Periode_aus_Index(f.index), f.zurueck) << f.minuten;
  }
  EXPECT_FALSE(Periode_aus_Index(-1));
  EXPECT_FALSE(Periode_aus_Index(12));
}

TEST(Geraeteeinstellungen, PulseDurationList) {
  EXPECT_EQ(Dauer_Anzahl(0), 59);
  EXPECT_EQ(Dauer_Anzahl(8), 60);
  EXPECT_EQ(Dauerindex(60, 59), 58);
  EXPECT_EQ(Dauerindex(60, 60), 59);
  EXPECT_EQ(Dauerindex(0, 60), 0);
}

TEST(Geraeteeinstellungen, DigitKeysReplaceTheUnits) {
  const struct {
    int wert, ziffer, maximum, neu;  // neu -1: refused
  } faelle[] = {{65, 7, 120, 67}, {118, 5, 120, 115}, {120, 0, 120, -1}, {112, 9, 120, 119},
                {5, 0, 20, -1},   {5, 9, 20, 9},      {15, 0, 20, 10}};
  for (const auto& f : faelle) {
    const auto r = Ziffertaste(f.wert, f.ziffer, f.maximum);
    EXPECT_EQ(r.value_or(-1), f.neu) << f.wert << " " << f.ziffer;
  }
}
