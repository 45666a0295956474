#pragma once
// Changing astro times in the astro view: the hand-over to the grid-cell dialog, the new time of
// a cell from the dialog's result, the dialog's OK and Cancel outcomes, and applying one result to
// a selection of days.
#include "model/Ansicht.h"

namespace qv {

// Hands one cell to the dialog (hooks().Zellendialog, modal) and returns once it has closed.
// Without a dialog to show, the hand-over counts as cancelled.
void Oeffne_Zellendialog(int art, int zeit, int option, int wert);

// The new minute of a cell whose stored minute is alt: -1 when the dialog was cancelled (or the
// result is no valid time); the dialog's time after delete or change; alt shifted, modulo one
// day, after a shift. A cell without time (1440 and above) is left as it is under a shift (-1).
int Neue_Zellenzeit(int alt);

// Presets of the dialog's hour and minute lists, -1 = no entry selected.
struct Zellenvorgabe {
  int stunde = -1;
  int minute = -1;
};
// "change to": the cell's time, or 12:00 for a cell without time.
Zellenvorgabe changePreset();
// "shift by": the shift of the previous closing (nothing selected after a cancelled dialog).
Zellenvorgabe shiftPreset();

// OK with the option chosen (0 delete, 1 change to, 2 shift by). For change, hours and minutes
// are the boxes' values and must be 0..23 and 0..59: false (nothing stored) when they are not,
// and the dialog stays open. For shift they are the selected list entries (-1 counts 0).
// Stores the results, marks the program as changed.
bool cellDialogOk(int option, int stunden, int minuten);
// Cancel, and any close that is not OK.
void cellDialogCancel();
// The dialog has unloaded: the caller refills the grid itself, and the opener's wait ends.
void cellDialogUnloaded();

// Applies one dialog run to the shown astro channel's times of grid rows zeile0..zeile1 in grid
// columns spalte0..spalte1 (3 sunrise, 4 sunset; other columns are skipped). The dialog opens
// for column 3 when it is selected, for column 4 only when the selection starts there. Does
// nothing while a dialog is open. Refills the grid (hooks().Fuelle_Grid(0)) when it ran.
// A double click on one time cell is the same call with a one-cell selection.
void Aendere_Astrozeiten(int zeile0, int zeile1, int spalte0, int spalte1);

}  // namespace qv
