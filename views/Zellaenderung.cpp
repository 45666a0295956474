#include "views/Zellaenderung.h"

#include <algorithm>

#include "model/Hooks.h"
#include "views/Gridinhalt.h"

namespace qv {
namespace {

constexpr int kTagMinuten = 1440;

int16_t& zeitFeld(TAstroTag& d, int spalte) { return spalte == 3 ? d.Aufgang : d.Untergang; }
int16_t& zustandFeld(TAstroTag& d, int spalte) { return spalte == 3 ? d.ZustandAuf : d.ZustandUnter; }

}  // namespace

void Oeffne_Zellendialog(int art, int zeit, int option, int wert) {
  ViewState& v = viewState();
  v.GridDlgArt = static_cast<int16_t>(art);
  v.GridDlgZeit = static_cast<int16_t>(zeit);
  v.GridDlgOffen = 0;
  v.GridDlgOption = static_cast<int16_t>(option);
  v.GridDlgWert = static_cast<int16_t>(wert);
  if (hooks().Zellendialog) {
    hooks().Zellendialog();
  } else {
    cellDialogCancel();
  }
  // However the dialog ended, the wait is over.
  v.GridDlgOffen = -1;
}

int Neue_Zellenzeit(int alt) {
  const ViewState& v = viewState();
  if (v.GridDlgVerschiebung < 0) return -1;
  int neu;
  if (v.GridDlgOption == 0 || v.GridDlgOption == 1) {
    neu = v.GridDlgZeit;
  } else {
    // A day without time keeps it, and its state, under a shift.
    if (alt >= kTagMinuten) return -1;
    neu = (alt + v.GridDlgVerschiebung) % kTagMinuten;
  }
  if ((neu < 0 || neu >= kTagMinuten) && neu != profile().KeineZeit) return -1;
  return neu;
}

Zellenvorgabe changePreset() {
  const int zeit = viewState().GridDlgZeit;
  if (zeit == profile().KeineZeit || zeit < 0 || zeit >= kTagMinuten) return {12, 0};
  return {zeit / 60, zeit % 60};
}

Zellenvorgabe shiftPreset() {
  const int v = viewState().GridDlgVerschiebung;
  if (v < 0) return {};
  return {(v / 60) % 24, v % 60};
}

bool cellDialogOk(int option, int stunden, int minuten) {
  ViewState& v = viewState();
  switch (option) {
    case 0:
      if (profile().Uhrentyp == 309) v.GridDlgZeit = 1791;
      if (profile().Uhrentyp == 280) v.GridDlgZeit = 1535;
      v.GridDlgVerschiebung = 0;
      v.GridDlgWert = 0;
      break;
    case 1:
      if (stunden < 0 || stunden > 23 || minuten < 0 || minuten > 59) return false;
      v.GridDlgZeit = static_cast<int16_t>(stunden * 60 + minuten);
      v.GridDlgVerschiebung = 0;
      break;
    default:
      v.GridDlgVerschiebung = std::max(stunden, 0) * 60 + std::max(minuten, 0);
      break;
  }
  if (option >= 0 && option <= 2) v.GridDlgOption = static_cast<int16_t>(option);
  program().Geaendert = 1;
  return true;
}

void cellDialogCancel() { viewState().GridDlgVerschiebung = -1; }

void cellDialogUnloaded() {
  viewState().KeinRefresh = true;
  viewState().GridDlgOffen = -1;
}

void Aendere_Astrozeiten(int zeile0, int zeile1, int spalte0, int spalte1) {
  ViewState& v = viewState();
  if (v.GridDlgOffen != -1) return;
  const int k = Angezeigter_Astrokanal();
  const int d0 = std::clamp(std::min(zeile0, zeile1) - 1, 0, kAstroDays - 1);
  const int d1 = std::clamp(std::max(zeile0, zeile1) - 1, 0, kAstroDays - 1);
  const int c0 = std::min(spalte0, spalte1);
  const int c1 = std::max(spalte0, spalte1);
  bool geoeffnet = false;
  for (int c = c0; c <= c1; ++c) {
    if (c != 3 && c != 4) continue;
    if (c == 3 || c0 == 4) {
      TAstroTag& erster = astro().AstroTab[k][d0];
      Oeffne_Zellendialog(1, zeitFeld(erster, c), v.GridDlgOption, zustandFeld(erster, c));
      geoeffnet = true;
    }
    if (!geoeffnet) continue;
    for (int d = d0; d <= d1; ++d) {
      TAstroTag& tag = astro().AstroTab[k][d];
      const int neu = Neue_Zellenzeit(zeitFeld(tag, c));
      v.GridDlgZeit = static_cast<int16_t>(neu);
      if (neu >= 0) {
        zeitFeld(tag, c) = static_cast<int16_t>(neu);
        zustandFeld(tag, c) = v.GridDlgWert;
      }
    }
  }
  if (geoeffnet) callHook(hooks().Fuelle_Grid, 0);
}

}  // namespace qv
