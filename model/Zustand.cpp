#include "model/Zustand.h"

#include "model/Marke.h"
#include "model/Sortierung.h"
#include "model/Texte.h"

namespace qv {
namespace {

ProgramState gProgram;
Uhrenprofil gProfile;
DeviceSettings gSettings;
AstroState gAstro;

}  // namespace

void ProgramState::clearSlot(int slot) {
  for (auto& r : Sz[slot]) r = TSz{};
  AnzSz[slot] = AnzPz[slot] = AnzGesamt[slot] = AnzSw[slot] = 0;
  for (auto& e : SwTab[slot]) e = TSwEintrag{};
  SwKopf[slot] = SwProJahr[slot] = 0;
  for (auto& b : Kopf[slot]) b = 0;
  Programmnummer[slot] = kKeineProgrammnummer;
  Verwendung[slot].clear();
  for (auto& names : Kanalname) names[slot].clear();
  Dateiname[slot].clear();
}

ProgramState& program() { return gProgram; }
Uhrenprofil& profile() { return gProfile; }
DeviceSettings& settings() { return gSettings; }
AstroState& astro() { return gAstro; }

void StateSnapshot::restore() const {
  gProgram = prog;
  gProfile = prof;
  gSettings = set;
  gAstro = ast;
}

void setAstroPlaceStartValues(AstroState& a) {
  a.AstroLaenge = 0;
  a.AstroBreite = 0;
  a.AstroZeitzone = -60;
  a.AstroKorrAuf = 0;
  a.AstroKorrUnter = 0;
}

void startAstroPlaceOfReadProgram() {
  if (gProfile.Uhrentyp == 280) setAstroPlaceStartValues(gAstro);
}

void resetAllState() {
  gProgram = ProgramState{};
  gProfile = Uhrenprofil{};
  gSettings = DeviceSettings{};
  gAstro = AstroState{};
  texts() = Texts{};
  sortSelectors() = SortSelectors{};
  brand() = Brand{};
}

}  // namespace qv
