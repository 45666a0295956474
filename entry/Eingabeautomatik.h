#pragma once
// The input automation that proposes the next entry in the switching-time and priority-time
// forms: the arithmetic of its steps and the step procedures of both forms (its settings are in
// model/Automatikeinstellung.h). The forms take part through small field interfaces, so that
// every selection the steps make runs the form's own click rules.
#include <QString>
#include <optional>

#include "model/Automatikeinstellung.h"

namespace qv {

// ---- arithmetic ------------------------------------------------------------------------------

struct Zeitschritt {
  int minute = 0;
  int stunde = 0;
  int uebertrag = 0;  // 1 when the hour passed midnight
};
// The time step: minutes with a carry into the hours, hours with a carry out of the day.
Zeitschritt Zeit_weiter(int minute, int stunde, int incMin, int incStd);

// Month length for the day carry: February has 29 days when heuteJahr is divisible by 4; a
// position outside 0..10 (December, or none) counts as 31 days.
int Monatslaenge_Automatik(int monatPos, int heuteJahr);
// The month after position p (December and no selection become January).
int Naechster_Monat(int monatPos);

// The next program position, or nothing when the step does not move it. Switching times step
// up to the last item; priority times up to the last program, never onto "Permanent".
std::optional<int> Naechstes_Programm_Sz(int pos, int anzahl, int incPrio);
std::optional<int> Naechstes_Programm_Pz(int pos, int anzahl, int incPrio);

// A digit typed on a scroll bar replaces the units; the value is taken only below the maximum.
std::optional<int> Ziffer_eingeben(int wert, int ziffer, int maximum);

// The settings dialog back active: what it shows from now on. A value the user changed since the
// dialog showed gezeigt stays as jetzt has it, every other one follows the settings as they are
// now; gezeigt becomes what counts as shown.
InputAutomation Nachgefuehrte_Automatik(InputAutomation& gezeigt, const InputAutomation& jetzt);

// The labels of the settings dialog's scroll bars.
QString Minutentext(int n);  // "1 Minute", "15 Minuten"
QString Stundentext(int n);
QString Tagetext(int n);
QString Werttext(int n);     // "Zust.:   5"

// ---- the steps over the forms' fields ----------------------------------------------------

// A day list with its month list. Selecting runs the list's click rule as a user's click does.
class Datumsfelder {
 public:
  virtual ~Datumsfelder() = default;
  virtual int monatPos() const = 0;  // -1 when none is selected
  virtual int tagPos() const = 0;
  virtual void waehleMonat(int pos) = 0;
  virtual void waehleTag(int pos) = 0;
  virtual void monatKlick() = 0;
  virtual void tagKlick() = 0;
};

// The day carry (Tag_Ueberlauf and its two twins): a day number beyond the month's end moves
// into the following months, December into January of the same entry.
void Tag_Ueberlauf(int tag, Datumsfelder& felder, int heuteJahr);

// The fields of the switching-time form that its step changes.
class SzAutomatikFelder {
 public:
  virtual ~SzAutomatikFelder() = default;
  virtual void cmdEinAus_Click() = 0;
  virtual int minutePos() const = 0;
  virtual void waehleMinute(int pos) = 0;  // selects and runs Listmin_Click
  virtual int stundePos() const = 0;
  virtual void waehleStunde(int pos) = 0;
  virtual int eingabeArt() const = 0;  // 0 nothing chosen yet, 1 weekdays, 2 date
  virtual void Wochentage_weiter() = 0;
  virtual int prioPos() const = 0;
  virtual int prioAnzahl() const = 0;
  virtual void waehlePrio(int pos) = 0;
  virtual Datumsfelder& datum() = 0;
};

// The fields of the priority-time form that its step changes.
class PzAutomatikFelder {
 public:
  virtual ~PzAutomatikFelder() = default;
  virtual void cmdEinAus_Click() = 0;
  virtual int prioPos() const = 0;
  virtual int prioAnzahl() const = 0;
  virtual void waehlePrio(int pos) = 0;
  virtual bool feiertagsbindung() const = 0;
  virtual Datumsfelder& von() = 0;
  virtual Datumsfelder& bis() = 0;
};

void Automatik_Schritt_Sz(SzAutomatikFelder& f, const InputAutomation& a, int heuteJahr);
void Automatik_Schritt_Pz(PzAutomatikFelder& f, const InputAutomation& a, int heuteJahr);

}  // namespace qv
