// The menu items' states: the edit items by selection and slot, the astro edit by clock type and
// channel shown, the file items, and the view check marks with the views that have data.
#include <gtest/gtest.h>

#include "model/Ansicht.h"
#include "model/Zustand.h"
#include "tests/views/ViewFixtures.h"
#include "views/Menuezustand.h"
#include "views/Rahmenzustand.h"

using namespace qv;

namespace {

void frischMenue(int uhrentyp) {
  test::frisch();
  resetFrameState();
  test::waehleUhrentyp(uhrentyp);
}

GridSelection zeilen(int von, int bis, int cols = 8) { return {von, bis, 0, cols - 1, cols}; }

struct Bearbeiten {
  bool loeschen, aendern, kopieren;
};

Bearbeiten bearbeiten(const GridSelection& s) {
  MenuState m;
  Zustand_Bearbeiten(m, s);
  return {m.mnuBaLoe.enabled, m.mnuBaAend.enabled, m.mnuBaKop.enabled};
}

}  // namespace

TEST(MenueBearbeiten, EditItemsFollowWholeDataRowsAndTheSlot) {
  frischMenue(240);
  viewState().AnzGridZeilen = 5;
  struct Fall {
    const char* was;
    int slot;
    GridSelection auswahl;
    Bearbeiten erwartet;
  };
  const Fall faelle[] = {
      {"whole rows, own program", 0, zeilen(2, 3), {true, true, false}},
      {"whole rows, template", 1, zeilen(2, 3), {false, false, true}},
      {"a block of cells", 0, {2, 3, 1, 4, 8}, {false, false, false}},
      {"number column only", 0, {2, 3, 0, 0, 8}, {false, false, false}},
      {"rows below the data", 0, zeilen(8, 10), {false, false, false}},
      {"reaching below the data", 0, zeilen(4, 7), {true, true, false}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    program().AktSpeicher = static_cast<int16_t>(f.slot);
    const Bearbeiten b = bearbeiten(f.auswahl);
    EXPECT_EQ(b.loeschen, f.erwartet.loeschen);
    EXPECT_EQ(b.aendern, f.erwartet.aendern);
    EXPECT_EQ(b.kopieren, f.erwartet.kopieren);
  }
  program().AktSpeicher = 0;
  viewState().AnzGridZeilen = 0;
  const Bearbeiten leer = bearbeiten(zeilen(1, 1));
  EXPECT_FALSE(leer.loeschen || leer.aendern || leer.kopieren);
}

TEST(MenueBearbeiten, EntryAndAstroItemsByClockType) {
  frischMenue(240);
  MenuState m;
  Zustand_Bearbeiten(m, zeilen(1, 1));
  EXPECT_TRUE(m.mnuBaSz.enabled && m.mnuBaPz.enabled && m.mnuBaSw.enabled);
  EXPECT_FALSE(m.mnuBaAstro.enabled);

  // 309 in the astro view: delete and change exactly when the channel has astro times.
  frischMenue(309);
  viewState().AktAnsicht = 3;
  viewState().AnzGridZeilen = 365;
  const GridSelection zeiten{10, 12, 3, 4, 5};
  Zustand_Bearbeiten(m, zeiten);
  EXPECT_TRUE(m.mnuBaAstro.enabled);
  EXPECT_FALSE(m.mnuBaLoe.enabled);
  astro().AstroAktiv[1] = -1;
  Zustand_Bearbeiten(m, zeiten);
  EXPECT_TRUE(m.mnuBaLoe.enabled);
  EXPECT_TRUE(m.mnuBaAend.enabled);
  EXPECT_FALSE(m.mnuBaKop.enabled);

  // 280 showing astro channel 3: its own astro times decide, not channel 1's.
  frischMenue(280);
  viewState().AktAnsicht = 3;
  viewState().firstChannelShown = 3;
  viewState().AnzGridZeilen = 365;
  astro().AstroAktiv[3] = -1;
  Zustand_Bearbeiten(m, zeiten);
  EXPECT_TRUE(m.mnuBaLoe.enabled);
  astro().AstroAktiv[3] = 0;
  astro().AstroAktiv[1] = -1;
  Zustand_Bearbeiten(m, zeiten);
  EXPECT_FALSE(m.mnuBaLoe.enabled);
}

TEST(MenueDatei, SaveInfraredAndTemplateClose) {
  frischMenue(240);
  MenuState m;
  Zustand_Datei(m);
  EXPECT_FALSE(m.mnuDatSpei.enabled);
  EXPECT_FALSE(m.mnuIRAccess.enabled);
  EXPECT_FALSE(m.mnuDatVorlSchl.enabled);
  EXPECT_TRUE(m.mnuDatExp.enabled && m.mnuDatImp.enabled);
  program().HatDateiname = 1;
  profile().Evu = 1;
  frameState().vorlageOffen = true;
  Zustand_Datei(m);
  EXPECT_TRUE(m.mnuDatSpei.enabled);
  EXPECT_TRUE(m.mnuIRAccess.enabled);
  EXPECT_TRUE(m.mnuDatVorlSchl.enabled);
  // The coding dialog keeps its item.
  EXPECT_TRUE(Menuezustand(MenuState{}, zeilen(1, 1)).mnuMaster.visible);
}

TEST(MenueAnsicht, CheckMarkAndViewsWithData) {
  frischMenue(240);
  MenuState m;
  viewState().AktAnsicht = 1;
  program().AktSpeicher = 1;
  Zustand_Ansicht(m);
  EXPECT_TRUE(m.mnuAnsPzVorl.checked);
  EXPECT_FALSE(m.mnuAnsSZ.checked || m.mnuAnsPz.checked);
  EXPECT_FALSE(m.mnuAnsPz.enabled);
  EXPECT_FALSE(m.mnuAnsSW.enabled);
  EXPECT_FALSE(m.mnuAnsGrafik.enabled);
  EXPECT_FALSE(m.mnuAnsAsz.enabled);
  EXPECT_FALSE(m.mnuAnsSZVorl.enabled);  // no template open
  program().AnzPz[0] = 1;
  program().AnzGesamt[0] = 1;
  program().AnzSw[0] = 2;
  frameState().vorlageOffen = true;
  Zustand_Ansicht(m);
  EXPECT_TRUE(m.mnuAnsPz.enabled && m.mnuAnsSW.enabled && m.mnuAnsGrafik.enabled && m.mnuAnsSZVorl.enabled);

  frischMenue(309);
  viewState().AktAnsicht = 3;
  Zustand_Ansicht(m);
  EXPECT_TRUE(m.mnuAnsAsz.checked);
  EXPECT_FALSE(m.mnuAnsAsz.enabled);
  EXPECT_FALSE(m.mnuAnsGrafik.enabled);
  astro().AstroAktiv[1] = -1;
  Zustand_Ansicht(m);
  EXPECT_TRUE(m.mnuAnsAsz.enabled && m.mnuAnsGrafik.enabled);

  // One entry is enough to offer its table, on both types that decide by data.
  for (int typ : {240, 309}) {
    frischMenue(typ);
    program().AnzSw[0] = 1;
    program().AnzPz[0] = 1;
    m = MenuState{};
    Zustand_Ansicht(m);
    EXPECT_TRUE(m.mnuAnsSW.enabled && m.mnuAnsPz.enabled) << typ;
  }

  // 280 decides no view by data.
  frischMenue(280);
  m = MenuState{};
  Zustand_Ansicht(m);
  EXPECT_TRUE(m.mnuAnsPz.enabled && m.mnuAnsSW.enabled && m.mnuAnsAsz.enabled);
}
