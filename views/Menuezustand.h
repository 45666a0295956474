#pragma once
// Enabled, checked and visible state of the main window's menu items, from the program, the
// clock profile, the view shown and the grid selection. The window applies it when a menu opens
// and after every change of selection, view or slot, so that shortcuts never reach an item the
// menu would show disabled.
#include <utility>
#include <vector>

#include "views/Gridauswahl.h"

namespace qv {

struct ItemState {
  bool enabled = true;
  bool checked = false;
  bool visible = true;
  friend bool operator==(const ItemState&, const ItemState&) = default;
};

// One member per item whose state changes; the others are always enabled. Members are spelt in
// ASCII; menuItems() gives the object names.
struct MenuState {
  // File
  ItemState mnuDatOeff, mnuDatSpei, mnuDatVorl, mnuDatVorlSchl{false}, mnuDatExp, mnuDatImp, mnuIRAccess;
  // Edit
  ItemState mnuBaSz, mnuBaPz, mnuBaAstro, mnuBaSw, mnuBaLoe, mnuBaAend, mnuBaKop;
  // View
  ItemState mnuAnsSZ{true, true}, mnuAnsPz, mnuAnsSW, mnuAnsAsz, mnuAnsSZVorl{false}, mnuAnsPzVorl{false},
      mnuAnsSWVorl{false}, mnuAnsGrafik;
  // Settings
  ItemState mnuMaster;
};

// Object names of the items, with their member.
const std::vector<std::pair<const char*, ItemState MenuState::*>>& menuItems();

// Opening the file menu: save only with a file name, infrared only for types with a program
// number, the bus window only for bus types, the template close while a template is open; open,
// read and the template items off while an entry form is open.
void Zustand_Datei(MenuState& m);
// Opening the edit menu: delete and change on whole data rows of the own program, copy on whole
// data rows of the template; the entry items and the astro edit by clock type.
void Zustand_Bearbeiten(MenuState& m, const GridSelection& auswahl);
// Opening the view menu: the check mark of the view shown, the views that have data.
void Zustand_Ansicht(MenuState& m);
// All of it, starting from the previous state (items a clock type does not decide keep theirs).
MenuState Menuezustand(const MenuState& vorher, const GridSelection& auswahl);

}  // namespace qv
