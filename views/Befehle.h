#pragma once
// The main window's commands over the program tables: the save question, saving, opening a
// program or a template, closing the template, the checks before writing the memory key, the
// view commands, and delete, change and copy on the selected rows.
#include <QString>

#include "model/Programmleser.h"
#include "views/Gridauswahl.h"

namespace qv {

// ---- the save question ---------------------------------------------------------------------
enum class Anlass { Schliessen, Beenden, Neu, Oeffnen, Lesen };
// Something a save would keep: records, changeover entries, astro times, the usage text or a
// channel name, or a file of its own whose content the changes would replace.
bool Programm_hat_Inhalt();
// New and Exit leave an empty new program without asking; otherwise every place asks whenever
// the program changed.
bool Speicherfrage_noetig(Anlass a);
// "Änderungen speichern in " & file name & "  ?" (close, exit) or " ?" (new, open, read).
QString Speicherfrage_Text(Anlass a);
// Asks when needed. True: the command goes on (No, or Yes and the program was saved). False:
// Cancel, or Yes and the save did not happen; then nothing has changed.
bool Speicherfrage(Anlass a);

// ---- saving --------------------------------------------------------------------------------
// Save: under the known name, else as Save as. 1 = written. Refreshes the grid.
int Speichern();
// Save as: the dialog until a usable name is written, cancelled or refused. A new file leaves
// HatDateiname as it was; only a confirmed overwrite sets it. 1 = written.
int Speichern_unter();
// The frame's save button: Save, but a cancelled dialog is reported with S_KeineDatei.
int Speichern_Knopf();

// ---- opening -------------------------------------------------------------------------------
// The message for a refused read ("" when loaded). For the template only results 1, 2 and 3
// have one; its other refusals end without a message.
QString Lesefehler_Text(LeseErgebnis r, int speicher);
// Reads a program file into slot 0. A refusal leaves the program exactly as it was and is
// reported; a load shows the switching times with the file as the program's name.
bool Lade_Programm(const QString& datei);
// File > Open: the save question, the dialog, the read.
bool Oeffnen();
// File > Open template: reads into slot 1 and shows its switching times.
bool Vorlage_oeffnen();
bool Lade_Vorlage(const QString& datei);
// Empties slot 1 (also before a new clock type); the template items go off.
void Vorlage_leeren();
// File > Close template: slot 1 emptied, the view kept, the own program shown.
void Vorlage_schliessen();

// ---- memory key, new, exit -----------------------------------------------------------------
// The questions before writing the memory key; true = transfer.
bool Export_pruefen();
// Before reading the memory key: the save question, then ImportAktiv. True = transfer.
bool Lesen_vorbereiten();
// Before New: the save question and the holidays' own write (one that fails asks whether to go on
// without it); then the template is closed and the program counts unchanged.
bool Neu_vorbereiten();
// Before the program ends (the exit command, or the frame's close box with Anlass::Schliessen):
// the save question, then the holidays reach their file or the user ends without them. False: the
// program goes on.
bool Beenden_vorbereiten(Anlass a = Anlass::Beenden);

// ---- views ---------------------------------------------------------------------------------
// View commands: views 0..2 of a slot; view 3 (astro times) keeps the slot and shows slot 0.
void Zeige_Ansicht(int ansicht, int speicher);

// ---- delete, change, copy ------------------------------------------------------------------
// Removes the records behind display rows z (grid rows) of slot 0, view 0 or 1. Returns how many.
int Loesche_Datensaetze(const Zeilenbereich& z, int ansicht);
// Removes changeover entries z (grid rows) from slot 0; freed entries read 255.
int Loesche_SoWiZeilen(const Zeilenbereich& z);

enum class Loeschausgang { Nichts, Abgelehnt, Abgebrochen, Geloescht, Astro };
// Edit > Delete on the selection: whole data rows of the own program only; the changeover table
// only from its end; after the confirmation. The astro view deletes the selected astro times.
Loeschausgang Loeschen(const GridSelection& auswahl);

// Edit the selected astro times through the cell dialog with the option preselected (-1 keeps
// the last one); rows outside the days shown are not touched.
void Astrozeiten_bearbeiten(const GridSelection& auswahl, int option);

// Change (modus 1, own program) or copy (modus 2, template) of whole data rows: SelVon, SelBis
// and EingabeModus for the entry forms. False when the selection does not allow it.
bool Auswahl_uebernehmen(const GridSelection& auswahl, int modus);

}  // namespace qv
