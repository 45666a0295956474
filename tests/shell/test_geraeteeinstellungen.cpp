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
