#include "views/Menuezustand.h"

#include "model/Ansicht.h"
#include "model/Zustand.h"
#include "views/Gridinhalt.h"
#include "views/Rahmenzustand.h"

namespace qv {

const std::vector<std::pair<const char*, ItemState MenuState::*>>& menuItems() {
  static const std::vector<std::pair<const char*, ItemState MenuState::*>> kItems{
      {"mnuDat\u00d6ff", &MenuState::mnuDatOeff}, {"mnuDatVorl", &MenuState::mnuDatVorl},
      {"mnuDatSpei", &MenuState::mnuDatSpei},     {"mnuDatVorlSchl", &MenuState::mnuDatVorlSchl},
      {"mnuDatExp", &MenuState::mnuDatExp},       {"mnuDatImp", &MenuState::mnuDatImp},
      {"mnuIRAccess", &MenuState::mnuIRAccess},
      {"mnuBaSz", &MenuState::mnuBaSz},           {"mnuBaPz", &MenuState::mnuBaPz},
      {"mnuBaAstro", &MenuState::mnuBaAstro},     {"mnuBaSw", &MenuState::mnuBaSw},
      {"mnuBal\u00f6", &MenuState::mnuBaLoe},     {"mnuBa\u00c4nd", &MenuState::mnuBaAend},
      {"mnuBaKop", &MenuState::mnuBaKop},         {"mnuAnsSZ", &MenuState::mnuAnsSZ},
      {"mnuAnsPz", &MenuState::mnuAnsPz},         {"mnuAnsSW", &MenuState::mnuAnsSW},
      {"mnuAnsAsz", &MenuState::mnuAnsAsz},       {"mnuAnsSZVorl", &MenuState::mnuAnsSZVorl},
      {"mnuAnsPzVorl", &MenuState::mnuAnsPzVorl}, {"mnuAnsSWVorl", &MenuState::mnuAnsSWVorl},
      {"mnuAnsGrafik", &MenuState::mnuAnsGrafik}, {"mnuMaster", &MenuState::mnuMaster},
  };
  return kItems;
}

void Zustand_Datei(MenuState& m) {
  const ProgramState& p = program();
  m.mnuDatSpei.enabled = p.HatDateiname == 1;
  m.mnuIRAccess.enabled = profile().Evu == 1;
  m.mnuDatExp.enabled = true;
  // An open entry form works on records of the program and the template: neither is replaced.
  const bool keineEingabe = offeneEingabeformen() == 0;
  m.mnuDatOeff.enabled = m.mnuDatImp.enabled = m.mnuDatVorl.enabled = keineEingabe;
  m.mnuDatVorlSchl.enabled = frameState().vorlageOffen && keineEingabe;
}

void Zustand_Bearbeiten(MenuState& m, const GridSelection& auswahl) {
  const ProgramState& p = program();
  const ViewState& v = viewState();
  if (v.AnzGridZeilen == 0 || !Ganze_Datenzeilen(auswahl, v.AnzGridZeilen)) {
    m.mnuBaLoe.enabled = m.mnuBaAend.enabled = m.mnuBaKop.enabled = false;
  } else {
    const bool eigenes = p.AktSpeicher == 0;
    m.mnuBaLoe.enabled = eigenes;
    m.mnuBaAend.enabled = eigenes;
    m.mnuBaKop.enabled = !eigenes;
  }
  if (offeneEingabeformen() > 0 && v.AktAnsicht != 3) m.mnuBaLoe.enabled = m.mnuBaAend.enabled = m.mnuBaKop.enabled = false;
  switch (profile().Uhrentyp) {
    case 280:
    case 309:
      m.mnuBaSz.enabled = m.mnuBaSw.enabled = m.mnuBaPz.enabled = m.mnuBaAstro.enabled = true;
      if (v.AktAnsicht == 3) {
        // The astro channel shown decides, not always channel 1.
        const bool astrozeiten = astro().AstroAktiv[Angezeigter_Astrokanal() + 1] == -1;
        m.mnuBaLoe.enabled = m.mnuBaAend.enabled = astrozeiten;
        m.mnuBaKop.enabled = false;
      }
      break;
    case 240:
      m.mnuBaSz.enabled = m.mnuBaSw.enabled = m.mnuBaPz.enabled = true;
      m.mnuBaAstro.enabled = false;
      break;
    default:
      break;
  }
}

void Zustand_Ansicht(MenuState& m) {
  const ProgramState& p = program();
  const AstroState& a = astro();
  ItemState* ansichten[] = {&m.mnuAnsSZ,     &m.mnuAnsPz,     &m.mnuAnsSW,    &m.mnuAnsAsz,
                            &m.mnuAnsSZVorl, &m.mnuAnsPzVorl, &m.mnuAnsSWVorl};
  m.mnuAnsSZ.enabled = true;
  for (ItemState* s : ansichten) s->checked = false;
  const int ansicht = viewState().AktAnsicht;
  if (ansicht >= 0 && ansicht <= 2) ansichten[ansicht + (p.AktSpeicher == 1 ? 4 : 0)]->checked = true;
  if (ansicht == 3) m.mnuAnsAsz.checked = true;

  switch (profile().Uhrentyp) {
    case 309:
      m.mnuAnsSW.enabled = p.AnzSw[0] >= 1;
      m.mnuAnsPz.enabled = p.AnzPz[0] >= 1;
      m.mnuAnsAsz.enabled = a.AstroAktiv[1] != 0;
      m.mnuAnsGrafik.enabled = !(a.AstroAktiv[1] == 0 && p.AnzGesamt[0] == 0);
      break;
    case 240:
      m.mnuAnsSW.enabled = p.AnzSw[0] >= 1;
      m.mnuAnsPz.enabled = p.AnzPz[0] >= 1;
      m.mnuAnsGrafik.enabled = p.AnzGesamt[0] != 0;
      m.mnuAnsAsz.enabled = false;
      break;
    default:
      break;
  }
  const bool vorlage = frameState().vorlageOffen;
  m.mnuAnsSZVorl.enabled = m.mnuAnsPzVorl.enabled = m.mnuAnsSWVorl.enabled = vorlage;
}

MenuState Menuezustand(const MenuState& vorher, const GridSelection& auswahl) {
  MenuState m = vorher;
  Zustand_Datei(m);
  Zustand_Bearbeiten(m, auswahl);
  Zustand_Ansicht(m);
  // The coding dialog has its way in through this item.
  m.mnuMaster.visible = true;
  return m;
}

}  // namespace qv
