#pragma once
// What the main grid's mouse does to the program views: the sort key chosen by a header click,
// the program-number jump to the other list and back, and what a double click opens.
#include <QString>

namespace qv {

// A click on the header of column spalte: the switching and priority views sort by that column
// and are redrawn. False in the other views and for the number column.
bool Spaltenkopf_geklickt(int spalte);

// The column whose program numbers jump to the other list in the view shown, or -1.
int Programmspalte();
// A press on a program number of the own program shows the other list filtered to it.
bool Programmsprung(int spalte, const QString& zelltext);
// The release after a jump: back to the list where it started, the program filter off.
bool Sprung_zurueck();

enum class Doppelklickaktion { Keine, Aendern, Kopieren, NeuSz, NeuPz, NeuSw, Astro };
// A double click on a row whose number cell reads nummertext: change (own program) or copy
// (template) of a data row, the new entry of the view on an empty row, the cell dialog in the
// astro view.
Doppelklickaktion Doppelklick(const QString& nummertext);

}  // namespace qv
