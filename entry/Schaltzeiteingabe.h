#pragma once
// The switching-time entry form's logic: what its fields hold, how that is packed into a program
// record, the form-level state that outlives the window, the OK procedure over a small port the
// window implements, the channel controls per clock type, the frame of the last stored record and
// stepping through the stored switching times.
#include <QString>
#include <optional>
#include <vector>

#include "entry/Auswahlsaetze.h"
#include "model/Zustand.h"

namespace qv {

// The fields of the form as OK reads them.
struct SzFelder {
  int stunde = 0, minute = 0, impuls = 0;  // leading numbers of the three texts
  int einmal = 0;                          // chk1x
  int programm = 0;                        // LstPrio position
  int zustand = 1;                         // 1 when cmdEinAus reads S_EIN
  QString tagText, monatText;              // txtAnztag, txtAnzMon
  int monatIndex = -1;                     // LstMonat position
  int wochentage = 0;                      // Monday 1 .. Sunday 64
  int kanalfeld = 0;                       // 16 channels: cbokanal position (-1 none); else the mask
};

// The fields OK checks again; the form puts the focus on the one refused.
enum class SzFeld { Keines, Stunde, Minute, Impuls, Tag, Monat, Programm };

// 2 dated (day and month texts both filled), 1 weekday (some weekday ticked), 0 neither.
int Eingabeart_aus(const SzFelder& f);
// The channel number 1..8 of the family-1 layout: the lowest ticked box, or the combo position + 1.
int KanalNr_aus(const SzFelder& f, int kanalzahl);
// The first field whose value is out of range for the entry kind, or Keines.
SzFeld Ungueltiges_Feld(const SzFelder& f, int art, int familie);
// The record of a checked entry (art 1 or 2).
TSz Packe_Sz(const SzFelder& f, int art, int familie, int kanalzahl);

// The first stored record of the slot that the new one collides with: r 1, 2 or 3 of
// Vergleiche_Sz and its index; r = 0 when none. The record at index ausser is skipped.
struct Konflikt {
  int r = 0;
  int index = -1;
};
Konflikt Finde_Konflikt(int slot, const TSz& neu, int ausser = -1);

// Form-level state: kept from one opening of the form to the next.
struct SzFormState {
  int16_t EingabeArt = 0;  // 0 none, 1 weekday, 2 date
  // The mode the form opened in: the main window may set EingabeModus for another form meanwhile.
  int16_t Modus = 0;
  int16_t AktZeile = 0;    // display row of the record in the fields (change, copy)
  int16_t AltSatz = 0;     // index in slot 0 of the record shown as already entered
  int16_t AlleOk = 0;      // 1 while the accept-all run goes on
  // The records of the selected rows, taken when the form opened and found again by content.
  Auswahlsaetze Auswahl;
};
SzFormState& szFormState();

// Takes the records of the selected rows for change (slot 0) or copy (slot 1). False when a row
// does not lead to a switching time of that slot.
bool Merke_Auswahl(SzFormState& s, int speicher);

// What the OK procedure needs of the window.
class SzFormular {
 public:
  virtual ~SzFormular() = default;
  virtual SzFelder Felder() const = 0;
  // Runs the leave check of the field that has the focus; false when it refused the value.
  virtual bool Pruefe_Fokusfeld() = 0;
  virtual void Fokus_auf(SzFeld feld) = 0;
  virtual void Zeige_AltSz(int index) = 0;
  // The confirmation picture for a moment.
  virtual void Bestaetige() = 0;
  virtual void Zeige_Sz_in_Feldern(int nr, int speicher) = 0;
  virtual void Automatik_Schritt() = 0;
  // Whether this window's own automation box is ticked: a change or copy run steps its rows only
  // then, not when another entry form switched the automation on meanwhile.
  virtual bool Automatik_gewaehlt() const { return true; }
  // The main window shows the program's switching-time list when it is next active.
  virtual void Ansicht_Schaltzeiten() = 0;
  // Arms the accept-all timer for the next record.
  virtual void Alleok_weiter() = 0;
  virtual void Schliessen() = 0;
};

// cmdSzok_Click: checks, packs, scans and stores one entry, then goes on by mode.
void cmdSzok(SzFormState& s, SzFormular& form);

// Opening in new mode with a full program: S_KeinWeit, and the form does not stay.
bool Speicher_voll_bei_Neu();

// Channel controls by clock type: shown, ticked, enabled per box 1..4, and the combo.
struct Kanalplan {
  int kanalzahl = 4;  // 1, 2, 3, 4 or 16; unknown counts become 4
  bool sichtbar[4]{}, angehakt[4]{}, aktiv[4]{true, true, true, true};
  bool kombi = false;
};
Kanalplan Kanalplan_fuer(int kanalzahl, int evu, int messKanal);

// The five labels of the frame of the stored record.
struct AltSzTexte {
  QString kan, day, time, imp, prio;
  bool impLassen = false;  // a pulse field beyond 59 leaves the label as it was
};
AltSzTexte AltSz_Texte(const TSz& rec);
// The record kinds the frame steps through (switching times of either family).
bool Ist_Schaltzeit(const TSz& rec);
// The arrows: the next switching time back or forward from pos; empty (and pos moved as far as
// the search went) when there is none.
std::optional<int> Schritt_zurueck(int16_t& pos);
std::optional<int> Schritt_vor(int16_t& pos);

}  // namespace qv
