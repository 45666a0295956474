// Changing astro times through the grid-cell dialog: the new time of a cell, the dialog's OK and
// Cancel outcomes and applying one run to a selection of days.
#include <gtest/gtest.h>

#include <functional>

#include "model/Hooks.h"
#include "tests/views/ViewFixtures.h"
#include "views/Zellaenderung.h"

using namespace qv;
using namespace qv::test;

namespace {

// A stand-in for the dialog: records what it was handed and answers with the given action.
struct FakeDialog {
  int opened = 0;
  int zeit = 0, option = 0, wert = 0, offen = 1;
  std::function<void()> action;

  FakeDialog() {
    hooks().Zellendialog = [this] {
      ++opened;
      const ViewState& v = viewState();
      zeit = v.GridDlgZeit;
      option = v.GridDlgOption;
      wert = v.GridDlgWert;
      offen = v.GridDlgOffen;
      if (action) action();
      cellDialogUnloaded();
    };
  }
  ~FakeDialog() { hooks().Zellendialog = nullptr; }
};

struct Refills {
  int count = 0;
  Refills() {
    hooks().Fuelle_Grid = [this](int) { ++count; };
  }
  ~Refills() { hooks().Fuelle_Grid = nullptr; }
};

void fuelleKanal(int k, int aufgang, int untergang) {
  for (auto& d : astro().AstroTab[k]) d = TAstroTag{static_cast<int16_t>(aufgang), static_cast<int16_t>(untergang), 0, 1};
}

}  // namespace

TEST(Zellaenderung, NewCellTimeByOption) {
  frisch();
  waehleUhrentyp(280);
  ViewState& v = viewState();
  v.GridDlgVerschiebung = -1;
  EXPECT_EQ(Neue_Zellenzeit(600), -1);
  v.GridDlgVerschiebung = 0;
  v.GridDlgOption = 1;
  v.GridDlgZeit = 375;
  EXPECT_EQ(Neue_Zellenzeit(600), 375);
  v.GridDlgOption = 0;
  v.GridDlgZeit = 1535;
  EXPECT_EQ(Neue_Zellenzeit(600), 1535);
  v.GridDlgOption = 2;
  v.GridDlgVerschiebung = 1410;
  EXPECT_EQ(Neue_Zellenzeit(45), 15);
  EXPECT_EQ(Neue_Zellenzeit(600), 570);
  v.GridDlgVerschiebung = 90;
  EXPECT_EQ(Neue_Zellenzeit(1380), 30);
  v.GridDlgVerschiebung = 0;
  EXPECT_EQ(Neue_Zellenzeit(733), 733);
  // A day without time is left as it is under a shift.
  v.GridDlgVerschiebung = 60;
  EXPECT_EQ(Neue_Zellenzeit(1535), -1);
  // No valid time to store: nothing changes.
  v.GridDlgOption = 1;
  v.GridDlgZeit = 6039;
  EXPECT_EQ(Neue_Zellenzeit(600), -1);
}

TEST(Zellaenderung, DialogOkCancelAndPresets) {
  frisch();
  waehleUhrentyp(309);
  ViewState& v = viewState();
  v.GridDlgZeit = 600;
  v.GridDlgWert = 1;
  EXPECT_TRUE(cellDialogOk(0, 0, 0));
  EXPECT_EQ(v.GridDlgZeit, 1791);
  EXPECT_EQ(v.GridDlgWert, 0);
  EXPECT_EQ(v.GridDlgVerschiebung, 0);
  EXPECT_EQ(program().Geaendert, 1);
  waehleUhrentyp(280);
  EXPECT_TRUE(cellDialogOk(0, 0, 0));
  EXPECT_EQ(v.GridDlgZeit, 1535);

  program().Geaendert = 0;
  EXPECT_FALSE(cellDialogOk(1, 24, 0));
  EXPECT_FALSE(cellDialogOk(1, 7, 60));
  EXPECT_FALSE(cellDialogOk(1, 99, 99));
  EXPECT_EQ(program().Geaendert, 0);
  EXPECT_EQ(v.GridDlgZeit, 1535);
  EXPECT_TRUE(cellDialogOk(1, 7, 5));
  EXPECT_EQ(v.GridDlgZeit, 425);
  EXPECT_EQ(v.GridDlgOption, 1);

  EXPECT_TRUE(cellDialogOk(2, 1, 30));
  EXPECT_EQ(v.GridDlgVerschiebung, 90);
  EXPECT_EQ(v.GridDlgOption, 2);
  EXPECT_EQ(shiftPreset().stunde, 1);
  EXPECT_EQ(shiftPreset().minute, 30);
  EXPECT_TRUE(cellDialogOk(2, -1, -1));
  EXPECT_EQ(v.GridDlgVerschiebung, 0);

  program().Geaendert = 0;
  cellDialogCancel();
  EXPECT_EQ(v.GridDlgVerschiebung, -1);
  EXPECT_EQ(program().Geaendert, 0);
  EXPECT_EQ(shiftPreset().stunde, -1);
  EXPECT_EQ(shiftPreset().minute, -1);

  v.GridDlgZeit = 1535;
  EXPECT_EQ(changePreset().stunde, 12);
  EXPECT_EQ(changePreset().minute, 0);
  v.GridDlgZeit = 425;
  EXPECT_EQ(changePreset().stunde, 7);
  EXPECT_EQ(changePreset().minute, 5);

  v.GridDlgOffen = 0;
  cellDialogUnloaded();
  EXPECT_EQ(v.GridDlgOffen, -1);
  EXPECT_TRUE(v.KeinRefresh);
}

TEST(Zellaenderung, ShiftOfOneHourMovesOnlyTheShownChannel) {
  frisch();
  waehleUhrentyp(280);
  fuelleKanal(0, 400, 1200);
  fuelleKanal(2, 410, 1210);
  astro().AstroTab[2][10].Aufgang = 1535;  // day 11 has no sunrise time, and a state of its own
  astro().AstroTab[2][10].ZustandAuf = 1;
  viewState().firstChannelShown = 3;
  FakeDialog dlg;
  dlg.action = [] { cellDialogOk(2, 1, 0); };
  Refills refills;

  Aendere_Astrozeiten(10, 12, 3, 4);  // days 10..12, both time columns
  EXPECT_EQ(dlg.opened, 1);
  EXPECT_EQ(dlg.offen, 0);
  EXPECT_EQ(dlg.zeit, 410);  // the first selected day's sunrise
  EXPECT_EQ(viewState().GridDlgOffen, -1);
  EXPECT_EQ(refills.count, 1);
  const auto& k2 = astro().AstroTab[2];
  EXPECT_EQ(k2[9].Aufgang, 470);
  EXPECT_EQ(k2[10].Aufgang, 1535);
  EXPECT_EQ(k2[10].ZustandAuf, 1);
  EXPECT_EQ(k2[9].ZustandAuf, 0);
  EXPECT_EQ(k2[11].Aufgang, 470);
  for (int d : {9, 10, 11}) EXPECT_EQ(k2[d].Untergang, 1270) << d;
  EXPECT_EQ(k2[8], (TAstroTag{410, 1210, 0, 1}));
  EXPECT_EQ(k2[12], (TAstroTag{410, 1210, 0, 1}));
  for (const auto& d : astro().AstroTab[0]) EXPECT_EQ(d, (TAstroTag{400, 1200, 0, 1}));
}

TEST(Zellaenderung, ChangeDeleteAndCancelOverASelection) {
  frisch();
  waehleUhrentyp(280);
  fuelleKanal(0, 400, 1200);
  FakeDialog dlg;
  Refills refills;

  dlg.action = [] { viewState().GridDlgWert = 1; cellDialogOk(1, 6, 15); };
  Aendere_Astrozeiten(1, 5, 3, 3);
  for (int d = 0; d < 5; ++d) EXPECT_EQ(astro().AstroTab[0][d], (TAstroTag{375, 1200, 1, 1})) << d;
  EXPECT_EQ(astro().AstroTab[0][5].Aufgang, 400);

  // Only column 4 selected: the dialog opens for it and is handed the sunset.
  dlg.action = [] { cellDialogOk(0, 0, 0); };
  Aendere_Astrozeiten(2, 3, 4, 4);
  EXPECT_EQ(dlg.zeit, 1200);
  EXPECT_EQ(dlg.wert, 1);
  EXPECT_EQ(astro().AstroTab[0][1], (TAstroTag{375, 1535, 1, 0}));
  EXPECT_EQ(astro().AstroTab[0][2], (TAstroTag{375, 1535, 1, 0}));

  const auto vorher = astro().AstroTab[0][3];
  program().Geaendert = 0;
  dlg.action = [] { cellDialogCancel(); };
  Aendere_Astrozeiten(1, 10, 0, 4);
  EXPECT_EQ(astro().AstroTab[0][3], vorher);
  EXPECT_EQ(program().Geaendert, 0);

  // A window close that is neither OK nor Cancel counts as Cancel, not as the previous run.
  dlg.action = [] { cellDialogOk(2, 2, 0); };
  Aendere_Astrozeiten(20, 20, 3, 3);
  EXPECT_EQ(astro().AstroTab[0][19].Aufgang, 520);
  dlg.action = [] { cellDialogCancel(); };
  Aendere_Astrozeiten(20, 20, 3, 3);
  EXPECT_EQ(astro().AstroTab[0][19].Aufgang, 520);

  // Number and date columns alone open nothing; nor does anything while a dialog is open.
  const int vorherOffen = dlg.opened;
  Aendere_Astrozeiten(1, 3, 0, 2);
  viewState().GridDlgOffen = 0;
  Aendere_Astrozeiten(1, 3, 3, 4);
  EXPECT_EQ(dlg.opened, vorherOffen);
}

TEST(Zellaenderung, WithoutADialogNothingChanges) {
  frisch();
  waehleUhrentyp(309);
  fuelleKanal(0, 400, 1200);
  Aendere_Astrozeiten(1, 366, 3, 4);
  for (const auto& d : astro().AstroTab[0]) EXPECT_EQ(d, (TAstroTag{400, 1200, 0, 1}));
  EXPECT_EQ(viewState().GridDlgOffen, -1);
}
