#pragma once
// Printing and text export of the lists and the device data sheet: the print choices, the text
// file's name, titles and lines, the page layout, and the run that prints every chosen list.
#include <QString>
#include <QVector>
#include <cstdint>
#include <functional>
#include <memory>

#include "views/Gridinhalt.h"
#include "views/Zeilendrucker.h"

namespace qv {

struct PrintState {
  int16_t DruckSz = 0;
  int16_t DruckPz = 0;
  int16_t DruckSw = 0;
  int16_t DruckAstro = 0;
  int16_t DruckGeraet = 0;
  int16_t DruckAnsicht = 0;  // not 0: the grid as shown (the frame's print button: AktAnsicht + 1)
  int16_t DruckInDatei = 0;  // 1: everything goes to the text file; lasts for the run
  // A new print job (each list is one); the windows install the printer.
  std::function<std::unique_ptr<Zeilendrucker>()> neuerDruckauftrag;
};

PrintState& printState();

// The message when no printer can be used, in the UI language.
QString Drucker_nicht_bereit();
// True when a list, the data sheet or the grid as shown is chosen for printing.
bool Etwas_zu_drucken();
// The program file's name with its extension replaced by ".txt"; "" for an empty name.
QString Textdateiname(const QString& dateiname);
// The data sheet's heading: the menu text without "&" and ".".
QString Geraeteeigenschaften_Titel();
// Print columns of the eight fields of a view.
QVector<int> Drucktabulatoren(int ansicht);
// The view's print columns for a list: a field starts further right where a text of the field
// before it (the header included) would reach it otherwise, so that every row of the list takes
// one line, in every language.
QVector<int> Drucktabulatoren(int ansicht, const GridInhalt& g);
// Lines per page as printed: 30..120, else 65.
int Druckzeilen(int zeilen);

// The title of a view's list for a slot, and the channel line of the header panel.
QString Listentitel(int ansicht, int slot, bool gefiltert);
QString Kanalzeile(int slot);

// A grid content as a list (text form or pages with headers).
void Drucke_Grid(Zeilendrucker& d, const GridInhalt& g, int ansicht, int slot, bool gefiltert);
// The device data sheet from GeraeteText.
void Drucke_Geraeteeigenschaften(Zeilendrucker& d, int slot);

// Prints every chosen list of the own program unfiltered, then the data sheet, then the grid as
// shown, each time clearing the choice. A failure is reported and ends the run; the view, the
// filter and the grid are as before in every case.
void Drucke_Listen();

}  // namespace qv
