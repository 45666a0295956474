#pragma once
// The filter dialog's lists and the way between their positions and the filter record: which item
// each stored value selects when the dialog opens, and what OK stores from the items chosen.
#include <QString>
#include <QStringList>

#include "model/Ansicht.h"

namespace qv {

// "keine", "Programm P1".."Programm P7", in family 0 also P8 and P9, then "Permanent".
QStringList Programmliste(int geraetefamilie);
// The list item of program number p: p itself; in family 1 every p of 8 or more is Permanent.
int Programm_Item(int p, int geraetefamilie);

// "nur Wochenprogramm", then "Januar".."Dezember": item k is month k.
QStringList Vonmonatsliste();
// The to-months from month von to "Dezember"; empty for "nur Wochenprogramm" (0).
QStringList Bismonatsliste(int von);

// The channel list of the 16-channel type: "alle", then "Kanal 1".."Kanal n".
QStringList Kanalliste(int kanalzahl);
// The item a stored FilterKanal selects: the channel's item, or "alle" for 255 and any value that
// names no channel of the list.
int Kanal_Item(int filterKanal, int kanalzahl);
// FilterKanal of a list item: the 0-based channel number, 255 for "alle".
int Kanal_aus_Item(int item);

// The channel mask of the four channel boxes (1, 2, 4, 8) and the weekday mask of the seven
// weekday boxes, Monday 1 .. Sunday 64.
int Kanalmaske(const bool kanal[4]);
int Wochentagmaske(const bool tag[7]);

// What the dialog shows: the ticks and list positions (-1 = no item selected).
struct FilterdialogStellung {
  bool kanal[4]{};      // channel boxes, bits 0..3 of FilterKanal
  int kanalItem = 0;    // channel list of the 16-channel type
  bool tag[7]{};        // weekday boxes
  int vonMonat = 0;     // item of the from-month list
  int bisMonat = -1;    // item of the to-month list, which starts at the from-month
  int vonProg = 0;      // item of the from-program list
  int bisProg = 0;      // item of the to-program list, which starts at the from-item
  int einAus = 2;       // state list (family 0) or comparison (family 1)
  int impuls = 2;
  int wert = 0;         // scroll bar
};

// The positions a stored record selects. Values that no item shows select the nearest item.
FilterdialogStellung Filterdialog_Stellung(const FilterSettings& f, int geraetefamilie, int kanalzahl);
// The record OK stores from the positions, with the filter switched on.
FilterSettings Filterdialog_Ergebnis(const FilterdialogStellung& s, int geraetefamilie, int uhrentyp);

}  // namespace qv
