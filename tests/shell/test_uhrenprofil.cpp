// Clock profiles: the forward mapping from a clock-type name and the preselection from the
// settings file, together with the settings file's read-back.
#include <gtest/gtest.h>

#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Einstellungsdatei.h"
#include "shell/Marken.h"
#include "shell/Uhrenprofil.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

// Every slot with a distinct name, whatever a real brand offers.
void nameEverySlot() {
  for (int slot = 1; slot <= kClockTypeSlots; ++slot) brand().S_Typ[slot] = QStringLiteral("T%1").arg(slot);
}

struct Expected {
  int slot, Kanalzahl, Uhrentyp, Busprog, Geraetecode, MaxSz, Evu, Bewft, SpeicherGroesse;
};

}  // namespace

TEST(Uhrenprofil, EverySlotSetsItsRow) {
  const Expected rows[] = {
      {1, 1, 240, 0, 72, 324, 0, 0, 2048},   {2, 2, 240, 0, 72, 324, 0, 0, 2048},
      {3, 3, 240, 0, 72, 324, 0, 0, 2048},   {4, 4, 240, 0, 72, 324, 0, 0, 2048},
      {5, 4, 240, -1, 72, 324, 0, 0, 2048},  {6, 1, 240, 0, 72, 324, 1, 0, 2048},
      {7, 2, 240, 0, 72, 324, 1, 0, 2048},   {8, 3, 240, 0, 72, 324, 1, 0, 2048},
      {9, 4, 240, 0, 72, 324, 1, 0, 2048},   {20, 2, 309, 0, 80, 120, 0, 0, 2048},
      {10, 1, 240, 0, 73, 324, 0, 1, 2048},  {11, 2, 240, 0, 73, 324, 0, 1, 2048},
      {12, 3, 240, 0, 73, 324, 0, 1, 2048},  {13, 4, 240, 0, 73, 324, 0, 1, 2048},
      {14, 4, 240, -1, 73, 324, 0, 1, 2048}, {15, 16, 280, -1, 74, 500, 0, 1, 8192},
      {16, 1, 240, 0, 73, 324, 1, 1, 2048},  {17, 2, 240, 0, 73, 324, 1, 1, 2048},
      {18, 3, 240, 0, 73, 324, 1, 1, 2048},  {19, 4, 240, 0, 73, 324, 1, 1, 2048},
  };
  for (const Expected& e : rows) {
    SCOPED_TRACE(e.slot);
    resetAllState();
    nameEverySlot();
    profile().Geraetefamilie = 1;
    profile().KeineZeit = 77;
    ASSERT_EQ(applyClockProfile(QStringLiteral("T%1").arg(e.slot)), e.slot);
    const Uhrenprofil& p = profile();
    EXPECT_EQ(p.Kanalzahl, e.Kanalzahl);
    EXPECT_EQ(p.Uhrentyp, e.Uhrentyp);
    EXPECT_EQ(p.Busprog, e.Busprog);
    EXPECT_EQ(p.Geraetecode, e.Geraetecode);
    EXPECT_EQ(p.MaxSz, e.MaxSz);
    EXPECT_EQ(p.Evu, e.Evu);
    EXPECT_EQ(p.Bewft, e.Bewft);
    EXPECT_EQ(p.SpeicherGroesse, e.SpeicherGroesse);
    EXPECT_EQ(p.FtJahre, e.Bewft ? 14 : 1);
    // Only the 280 and 309 rows name the family and the no-time value.
    EXPECT_EQ(p.Geraetefamilie, e.Uhrentyp == 280 ? 0 : 1);
    EXPECT_EQ(p.KeineZeit, e.Uhrentyp == 280 ? 1535 : e.Uhrentyp == 309 ? 1791 : 77);
    EXPECT_TRUE(p.UhrentypText.isEmpty());
  }
}

TEST(Uhrenprofil, Slot20IsComparedBeforeSlots10To19) {
  resetAllState();
  nameEverySlot();
  brand().S_Typ[20] = brand().S_Typ[12];
  EXPECT_EQ(applyClockProfile("T12"), 20);
  EXPECT_EQ(profile().Uhrentyp, 309);
  EXPECT_EQ(profile().MaxSz, 120);
  // Slots 01..09 still come first.
  brand().S_Typ[20] = brand().S_Typ[3];
  EXPECT_EQ(applyClockProfile("T3"), 3);
}

TEST(Uhrenprofil, The280TypeOpensTheAstroLimitsAndLeavesItsNoTimeValueBehind) {
  resetAllState();
  Setze_Markentexte(1);
  for (auto& g : astro().AstroGrenzen) g = TAstroEinst{300, 1000, 1, 0};
  ASSERT_EQ(applyClockProfile("MX 280 S EIB"), 15);
  for (const auto& g : astro().AstroGrenzen) {
    EXPECT_EQ(g.GrenzeAuf, 0);
    EXPECT_EQ(g.GrenzeUnter, 1439);
    EXPECT_EQ(g.ZustandAuf, 1);  // the states are not the profile's
  }
  EXPECT_EQ(profile().SpeicherGroesse, 8192);
  ASSERT_EQ(applyClockProfile("MX 240  "), 4);
  EXPECT_EQ(profile().SpeicherGroesse, 2048);
  EXPECT_EQ(profile().KeineZeit, 1535);
  EXPECT_EQ(profile().Kanalzahl, 4);
}

TEST(Uhrenprofil, ANameOfNoSlotChangesNothing) {
  resetAllState();
  Setze_Markentexte(1);
  ASSERT_EQ(applyClockProfile("KV 310"), 20);
  profile().UhrentypText = "KV 310";
  astro().AstroGrenzen[2].GrenzeAuf = 400;
  for (const char* name : {"MX 240", "KV 310 ", "", "kv 310"}) EXPECT_EQ(applyClockProfile(name), std::nullopt) << name;
  EXPECT_EQ(profile().Uhrentyp, 309);
  EXPECT_EQ(profile().Kanalzahl, 2);
  EXPECT_EQ(profile().MaxSz, 120);
  EXPECT_EQ(profile().KeineZeit, 1791);
  EXPECT_EQ(profile().UhrentypText, "KV 310");
  EXPECT_EQ(astro().AstroGrenzen[2].GrenzeAuf, 400);
}

TEST(UhrenprofilPreset, SettingsNameTheirSlot) {
  auto slotFor = [](int16_t typ, int16_t bus, int16_t evu, int16_t bewft, int16_t kanaele) {
    Uhrenprofil p;
    p.Uhrentyp = typ;
    p.Busprog = bus;
    p.Evu = evu;
    p.Bewft = bewft;
    p.Kanalzahl = kanaele;
    return presetClockTypeSlot(p);
  };
  EXPECT_EQ(slotFor(240, 0, 0, 1, 3), 12);
  EXPECT_EQ(slotFor(240, 0, 0, 0, 1), 1);
  EXPECT_EQ(slotFor(240, 0, 1, 0, 4), 9);
  EXPECT_EQ(slotFor(240, 0, 1, 1, 1), 16);
  EXPECT_EQ(slotFor(240, 1, 0, 0, 4), 5);
  EXPECT_EQ(slotFor(240, 1, 1, 1, 9), 14);
  // A bus flag of -1 as the profile holds it is not what the file gives back.
  EXPECT_EQ(slotFor(240, -1, 0, 1, 4), 13);
  EXPECT_EQ(slotFor(240, -1, 0, 0, 5), std::nullopt);
  EXPECT_EQ(slotFor(240, 0, 0, 0, 5), std::nullopt);
  EXPECT_EQ(slotFor(240, 0, 0, 0, 0), std::nullopt);
  EXPECT_EQ(slotFor(280, 1, 0, 1, 6), 15);
  EXPECT_EQ(slotFor(280, 0, 0, 0, 6), 15);
  EXPECT_EQ(slotFor(309, 0, 0, 1, 2), 20);
  EXPECT_EQ(slotFor(0, 0, 0, 0, 0), std::nullopt);
  EXPECT_EQ(slotFor(241, 0, 0, 0, 1), std::nullopt);
}

TEST(UhrenprofilPreset, ATypeTheBrandDoesNotOfferSelectsTheFirstEntry) {
  resetAllState();
  Setze_Markentexte(4);
  const QStringList list = offeredClockTypes();
  ASSERT_EQ(list.size(), 1);
  Uhrenprofil p;
  p.Uhrentyp = 240;
  p.Kanalzahl = 2;
  EXPECT_EQ(presetClockTypeName(p), notOfferedName());
  EXPECT_EQ(preselectedEntry(list, presetClockTypeName(p)), 0);
  p.Uhrentyp = 0;
  EXPECT_EQ(preselectedEntry(list, presetClockTypeName(p)), 0);

  Setze_Markentexte(1);
  const QStringList all = offeredClockTypes();
  ASSERT_EQ(all.size(), 15);
  EXPECT_EQ(all.front(), "MX 210      ");
  EXPECT_EQ(all.back(), "KV 310");
  EXPECT_FALSE(all.contains(notOfferedName()));
  p.Uhrentyp = 309;
  EXPECT_EQ(preselectedEntry(all, presetClockTypeName(p)), 14);
}

// The profile of each clock type goes into the settings file at OK and comes back at the next
// start as the same list entry, whose profile is the one chosen.
TEST(UhrenprofilRoundTrip, EveryMakersTypeSurvivesTheSettingsFile) {
  resetAllState();
  Setze_Markentexte(1);
  const QStringList list = offeredClockTypes();
  for (const QString& name : list) {
    SCOPED_TRACE(name.toStdString());
    test::StartDir dir;
    settings() = DeviceSettings{};
    ASSERT_TRUE(applyClockProfile(name));
    const Uhrenprofil chosen = profile();
    QString error;
    ASSERT_TRUE(writeSettingsFile(settingsFromGlobals(), &error)) << error.toStdString();

    profile() = Uhrenprofil{};
    ASSERT_EQ(readSettingsFile().status, SettingsReadStatus::Complete);
    const int entry = preselectedEntry(list, presetClockTypeName(profile()));
    EXPECT_EQ(list[entry], name);
    ASSERT_TRUE(applyClockProfile(list[entry]));
    EXPECT_EQ(profile().Kanalzahl, chosen.Kanalzahl);
    EXPECT_EQ(profile().Uhrentyp, chosen.Uhrentyp);
    EXPECT_EQ(profile().Busprog, chosen.Busprog);
    EXPECT_EQ(profile().Geraetecode, chosen.Geraetecode);
    EXPECT_EQ(profile().MaxSz, chosen.MaxSz);
    EXPECT_EQ(profile().Evu, chosen.Evu);
    EXPECT_EQ(profile().Bewft, chosen.Bewft);
    EXPECT_EQ(profile().SpeicherGroesse, chosen.SpeicherGroesse);
  }
}
