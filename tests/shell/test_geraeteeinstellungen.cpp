// The device settings dialog's mappings between list positions and settings.
#include <gtest/gtest.h>

#include "model/Zustand.h"
#include "shell/Einstellungsdatei.h"
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

// "Speichern" writes the astro choice only where the astro group is shown; elsewhere the line
// holds its key alone, whatever the global says.
TEST(Geraeteeinstellungen, AstroLineOnlyWhereTheChoiceIsShown) {
  const struct {
    int16_t uhrentyp;
    const char* zeile;
  } faelle[] = {{240, "\r\nASTROC1C2=00\r\n"}, {280, "\r\nASTROC1C2=00\r\n"}, {309, "\r\nASTROC1C2=001\r\n"}};
  for (const auto& f : faelle) {
    resetAllState();
    profile().Uhrentyp = f.uhrentyp;
    settings().AstroC1C2 = 1;
    const SettingsFileValues v = Einstellung_Dateiwerte(Anfangsstellung());
    EXPECT_EQ(v.AstroC1C2.has_value(), f.uhrentyp == 309) << f.uhrentyp;
    EXPECT_TRUE(settingsFileBytes(v).contains(f.zeile)) << f.uhrentyp;
  }
  resetAllState();
}
