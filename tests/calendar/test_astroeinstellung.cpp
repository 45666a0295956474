// The astro dialog's values, texts and channel choice.
#include <gtest/gtest.h>

#include <QLocale>

#include "calendar/Astroeinstellung.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"

using namespace qv;

namespace {

class AstroeinstellungTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Setze_TexteDeutsch();
    settings().Sprache = 1;
  }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

}  // namespace

TEST_F(AstroeinstellungTest, ValuesAndTexts) {
  struct Fall {
    int breite, laenge, zeitzone;
    const char *tBreite, *tLaenge, *tZeitzone;
    float gBreite, gLaenge, gZeitzone;
  };
  const Fall faelle[] = {
      {140, 360, 52, "0 Grad", "0 Grad", "+ 1:00 Std", 0, 0, -60},
      {196, 380, 40, "28 Grad Nord", "10 Grad Ost", "- 2:00 Std", 28, -10, 120},
      {75, 340, 34, "32,5 Grad Süd", "10 Grad West", "- 3:30 Std", -32.5f, 10, 210},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(Breite_Text(f.breite), QString::fromUtf8(f.tBreite));
    EXPECT_EQ(Laenge_Text(f.laenge), QString::fromUtf8(f.tLaenge));
    EXPECT_EQ(Zeitzone_Text(f.zeitzone), QString::fromUtf8(f.tZeitzone));
    Astrodaten_aus_Reglern({f.breite, f.laenge, f.zeitzone, 105, 150});
    EXPECT_EQ(astro().AstroBreite, f.gBreite);
    EXPECT_EQ(astro().AstroLaenge, f.gLaenge);
    EXPECT_EQ(astro().AstroZeitzone, f.gZeitzone);
    EXPECT_EQ(astro().AstroKorrAuf, -15);
    EXPECT_EQ(astro().AstroKorrUnter, 30);
    // Back to the same bar values.
    const AstroRegler r = Regler_aus_Astrodaten();
    EXPECT_EQ(r.breite, f.breite);
    EXPECT_EQ(r.laenge, f.laenge);
    EXPECT_EQ(r.zeitzone, f.zeitzone);
    EXPECT_EQ(r.offsetAuf, 105);
  }
  EXPECT_EQ(Offset_Text(105), "-15 Min");
  EXPECT_EQ(Offset_Text(120), "0 Min");

  Setze_TexteFranzoesisch();
  settings().Sprache = 3;
  EXPECT_EQ(Zeitzone_Text(55), "+ 1h45");
  EXPECT_EQ(Zeitzone_Text(71), "+ 5h45");
}

TEST_F(AstroeinstellungTest, StoredValuesOutsideTheBarsStopAtTheirEnds) {
  AstroState& a = astro();
  a.AstroKorrAuf = 500;
  a.AstroKorrUnter = -500;
  a.AstroBreite = 90;
  a.AstroLaenge = -400;
  a.AstroZeitzone = 2000;
  const AstroRegler r = Regler_aus_Astrodaten();
  EXPECT_EQ(r.offsetAuf, 240);
  EXPECT_EQ(r.offsetUnter, 0);
  EXPECT_EQ(r.breite, 280);
  EXPECT_EQ(r.laenge, 720);
  EXPECT_EQ(r.zeitzone, 0);
}

TEST_F(AstroeinstellungTest, PlaceCodes) {
  // Berlin, 52.5 north, 13.5 east, "+ 1:00".
  AstroRegler r{245, 387, 52, 120, 120};
  EXPECT_EQ(Ortcodes(r), (PlaceCodes{333, 35, 44}));
  AstroRegler s;
  Setze_Ort(s, {342, 44, 44});
  EXPECT_EQ(Breite_Text(s.breite), "48 Grad Nord");
  EXPECT_EQ(Laenge_Text(s.laenge), "9 Grad Ost");
}

TEST_F(AstroeinstellungTest, Channels) {
  profile().Uhrentyp = 280;
  AstroState& a = astro();
  EXPECT_EQ(Astrokanal_beim_Oeffnen(), 1);
  a.AstroAktiv[1] = a.AstroAktiv[2] = -1;
  EXPECT_EQ(Astrokanal_beim_Oeffnen(), 3);
  a.AstroAktiv[3] = a.AstroAktiv[4] = -1;
  EXPECT_EQ(Astrokanal_beim_Oeffnen(), 1);
  a.AstroKanal = 2;
  EXPECT_EQ(Astrokanal_fuer_OK(4), 3);
  EXPECT_EQ(Astrokanal_fuer_OK(5), 2);  // a group caption of the other views
  EXPECT_EQ(Astrokanal_fuer_OK(0), 2);
  profile().Uhrentyp = 309;
  EXPECT_EQ(Astrokanal_fuer_OK(3), 0);
  EXPECT_EQ(Grenze_Unter_beim_Oeffnen(721), 1439);
  EXPECT_EQ(Grenze_Unter_beim_Oeffnen(1200), 1200);
  EXPECT_EQ(Grenze_Auf_beim_Oeffnen(0), 0);
  EXPECT_EQ(Grenze_Auf_beim_Oeffnen(721), 0);
  EXPECT_EQ(Grenze_Auf_beim_Oeffnen(300), 300);
}
