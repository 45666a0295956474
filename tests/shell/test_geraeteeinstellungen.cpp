// The device settings dialog's mappings between list positions and settings.
#include <gtest/gtest.h>

#include "model/Zustand.h"
#include "shell/Einstellungsdatei.h"
#include "shell/Geraeteeinstellungen.h"

using namespace qv;

TEST(Geraeteeinstellungen, PeriodIndexAndBack) {
  const struct {
    int minuten, index, zurueck;
  } faelle[] = {{1, 0, 1}, {6, 5, 6}, {7, 6, 10}, {8, 6, 10}, {11, 7, 12}, {12, 7, 12}, {13, 8, 15},
                {20, 9, 20}, {21, 10, 30}, {0, 11, 60}, {45, 11, 60}, {-3, 11, 60}};
  for (const auto& f : faelle) {
    EXPECT_EQ(Periodenindex(f.minuten), f.index) << f.minuten;
    EXPECT_EQ(Periode_aus_Index(f.index), f.zurueck) << f.minuten;
  }
  EXPECT_FALSE(Periode_aus_Index(-1));
  EXPECT_FALSE(Periode_aus_Index(12));
}

TEST(Geraeteeinstellungen, OnlyWhatWasChangedInTheDialogIsTakenOver) {
  Einstellstellung gezeigt;
  gezeigt.lpt = 0;
  gezeigt.zeilen = 65;
  gezeigt.swRegel = 1;
  gezeigt.messKanal = 2;
  Einstellstellung aktuell = gezeigt;  // the settings by now: a program brought rule 2
  aktuell.swRegel = 2;
  aktuell.messKanal = 0;
  const struct {
    const char* fall;
    int Einstellstellung::*feld;
    int wert;
  } faelle[] = {{"lines", &Einstellstellung::zeilen, 80},
                {"rule", &Einstellstellung::swRegel, 3},
                {"rule back to the shown one", &Einstellstellung::swRegel, 1},
                {"port", &Einstellstellung::lpt, 4}};
  for (const auto& f : faelle) {
    Einstellstellung jetzt = gezeigt;
    jetzt.*f.feld = f.wert;
    const Einstellstellung s = Geaenderte_Stellung(gezeigt, jetzt, aktuell);
    // The changed value; the others as the settings are now.
    EXPECT_EQ(s.lpt, f.feld == &Einstellstellung::lpt ? 4 : 0) << f.fall;
    EXPECT_EQ(s.swRegel, f.feld == &Einstellstellung::swRegel && f.wert != 1 ? f.wert : 2) << f.fall;
    EXPECT_EQ(s.messKanal, 0) << f.fall;
    EXPECT_EQ(s.zeilen, f.feld == &Einstellstellung::zeilen ? 80 : 65) << f.fall;
  }
}

// Back in the dialog after one program and then another was opened: a value that followed the
// first counts as shown and follows the second too; the value the user changed stays.
TEST(Geraeteeinstellungen, AFollowedValueFollowsAgain) {
  Einstellstellung gezeigt;
  gezeigt.swRegel = 1;
  Einstellstellung jetzt = gezeigt;
  jetzt.zeilen = 80;
  Einstellstellung aktuell = gezeigt;
  for (int regel : {2, 3}) {
    aktuell.swRegel = regel;
    jetzt = Nachgefuehrte_Stellung(gezeigt, jetzt, aktuell);
    EXPECT_EQ(jetzt.swRegel, regel);
    EXPECT_EQ(jetzt.zeilen, 80);
  }
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
