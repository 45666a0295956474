#pragma once
// The logic of the priority-time entry form: its lists, what a stored record puts into the
// fields and into the frame of stored entries, the holidays it offers, stepping through the
// stored priority times, and accepting an entry (cmdPzOk) over the form's interface.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "entry/Auswahlsaetze.h"
#include "entry/Prioritaetssatz.h"

namespace qv {

// Form-level variables that keep their values between openings.
struct PzFormState {
  int16_t AktZeile = 0;       // display row being changed or copied
  int16_t AltSatz = 0;        // record shown in the frame of stored entries
  int16_t AlleOk = 0;         // accept-all over the selected rows is running
  int16_t AlleFeiertage = 0;  // accept-all over the listed holidays is running
  // The mode the form opened in: the main window sets EingabeModus for other forms meanwhile.
  int16_t Modus = 0;
  // The records behind the selected rows, taken when the form opens and found again by content.
  Auswahlsaetze Auswahl;
};
PzFormState& pzFormState();

// ---- lists ---------------------------------------------------------------------------------
// "Programm P1" .. "Programm P9" (P7 on family 1), then "Permanent".
QStringList Pz_Prioliste(int familie);
// The year codes of the year list: 0 ("Jedes Jahr"), then 1999 .. 2063 (codes 63 .. 127).
std::vector<int> Pz_Jahrcodes();
QString Pz_Jahrtext(int code);  // "Jedes Jahr" or the year

// ---- a stored record -----------------------------------------------------------------------
struct PzFelder {
  bool ostern = false;
  int osterabstand = 0;                              // days from Easter Sunday
  int vonTag = 1, vonMonat = 1, bisTag = 1, bisMonat = 1;
  int jahrcode = 0;
  int prioIndex = -1;  // list position; -1 when the record's program is not in the list
  int einmal = 0;
  int kanal = 0;       // as the channel boxes show it (a mask), or the channel number on type 280
  int zustand = 0;     // 1 ON for a permanent entry
  bool permanent = false;
};
PzFelder Pz_Felder(const TSz& r, int jahr, int familie, int prioAnzahl);

struct AltPzTexte {
  QString von, bis, kan, prio;
};
// The four labels of the frame of stored entries for record r; jahr dates Easter records.
AltPzTexte AltPz_Texte(const TSz& r, int jahr);

// Stepping through the stored priority times of slot 0 (both families), no wrap. The position
// moves even when nothing is found; the result is the record to show, or nothing (a beep).
std::optional<int> Pz_blaettern_zurueck(int16_t& altSatz);
std::optional<int> Pz_blaettern_vor(int16_t& altSatz);

// ---- holidays ------------------------------------------------------------------------------
struct FeiertagEintrag {
  QString name;
  int index = 0;  // into the holiday table when the list was filled
  TFeiertag feiertag;
};
// The holidays of set s in member order (members that name no holiday are skipped), or with
// s = -1 every holiday in table order.
std::vector<FeiertagEintrag> Pz_Feiertagsliste(int s);
// The holiday of that name and definition in the table now, or -1: another window may have
// changed the table since a list showed it.
int Pz_Feiertag_wiederfinden(const TFeiertag& f);
// The last Easter-relative holiday at distance n, or -1.
int Pz_Osterfeiertag(int n);
// Appends "Ostern + n Tag(e)" to the table and rewrites the holiday file (a failed write is
// reported and the holiday stays); returns its index.
int Pz_Osterfeiertag_anlegen(int n);

// ---- accepting an entry --------------------------------------------------------------------
struct PzLesung {
  PzEingabe e;
  bool kanalGewaehlt = true;  // a channel box ticked, or on type 280 a channel chosen
  bool prioGewaehlt = true;   // the program list has a position
  bool bindung = false;       // the holiday layout
  int feiertag = -1;          // the holiday chosen in it, as it stands in the table now
};

// What cmdPzOk needs of the form.
class PzFormular {
 public:
  virtual ~PzFormular() = default;
  // Runs the leave check of the field that has the focus; false when it refused the value.
  virtual bool Pruefe_Fokusfeld() = 0;
  virtual PzLesung lesen() = 0;
  // The frame of stored entries from the form's texts, for an accepted entry e.
  virtual void Setze_Altanzeige(const PzEingabe& e) = 0;
  virtual void Zeige_Okmarke() = 0;
  virtual void Zeige_Pz_in_Feldern(int nr, int speicher) = 0;
  virtual void Automatik_Schritt() = 0;
  // Whether this window's own automation box is ticked: a change or copy run steps its rows only
  // then, not when another entry form switched the automation on meanwhile.
  virtual bool Automatik_gewaehlt() const { return true; }
  // Selects the next listed holiday; false at the end of the list and in the date layout.
  virtual bool Naechster_Feiertag() = 0;
  // The main window shows the program's priority times when it is next active.
  virtual void Ansicht_Prioritaeten() = 0;
  virtual void Starte_Alleok() = 0;
  virtual void Schliessen() = 0;
};

// Opening in new mode on a full memory: the message, and the form must not open.
bool Pz_Speicher_voll_bei_Neu();
// The record kinds the form changes and copies (priority times of either family).
bool Ist_Prioritaetszeit(const TSz& rec);

// The OK of the priority-time form: builds the record or records, checks them against the
// stored ones, stores them by mode and goes on to the next row or holiday.
void Pz_Ok(PzFormular& f);

}  // namespace qv
