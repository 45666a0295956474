#pragma once
// The device settings dialog's logic: its lists, the mappings between list positions and the
// settings, what "Ok" and "Speichern" take from a dialog position, and the device texts that the
// data sheet prints. A position (Einstellstellung) is what the dialog's controls show; -1 marks a
// list that is empty or has no chosen entry for the clock type.
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

#include "shell/Einstellungsdatei.h"

namespace qv {

struct Einstellstellung {
  int lpt = 0;            // port entry 0..6 (Lpt - 1)
  int faktor = 1;         // delay factor, hsbverz
  int maxDelay = 25;      // maximum of hsbverz
  int zeilen = 65;        // Hsbzeilen 30..120
  int swRegel = 0;        // cboswregel 0..4
  int sprache = -1;       // cbosprache 0..1 (type 240)
  int astro = -1;         // 0 optastroC1, 1 optastroC1undC2 (type 309)
  int messKanal = -1;     // channel of the chosen cboMessKan entry, 0 = "kein Messimpuls" (utility types)
  int periode = -1;       // cboMessPeriode 0..11
  int dauer = -1;         // cboMessImpDauer index = seconds - 1
  int zustand = -1;       // cboMessZustand 0..1
  int lage = -1;          // cboMessImpLage 0..1
  friend bool operator==(const Einstellstellung&, const Einstellstellung&) = default;
};

// Which type-dependent groups the clock type shows.
bool Zeigt_Messimpuls();  // 240 with Evu = 1
bool Zeigt_Sprache();     // 240
bool Zeigt_Astro();       // 309

// List entries.
QStringList Lpt_Eintraege();
QStringList SwRegel_Eintraege();
QStringList Sprache_Eintraege();
QStringList Perioden_Eintraege();
QStringList Dauer_Eintraege(int anzahl);
QStringList Zustand_Eintraege();
QStringList Lage_Eintraege();
// "kein Messimpuls" then the free channels' entries; kanaele receives 0 and the channel numbers.
QStringList Messkanal_Eintraege(QVector<int>* kanaele);
QString Verzoegerung_Text(int faktor);  // "Verzögerungsfaktor :5"
QString Zeilen_Text(int zeilen);        // "65 Zeilen"

// Period list position for a period in minutes and back (-1 gives no value).
int Periodenindex(int minuten);
std::optional<int> Periode_aus_Index(int index);
// Entries of the pulse-duration list: 59 for the 1-minute period, else 60.
int Dauer_Anzahl(int periodenindex);
// Position chosen for a stored duration in a list of that many entries.
int Dauerindex(int sekunden, int anzahl);
// A digit key on a scroll bar replaces the units digit; empty when the value is refused.
std::optional<int> Ziffertaste(int wert, int ziffer, int maximum);

// The position the dialog opens with, from the settings (values no control can show are clamped).
Einstellstellung Anfangsstellung();
// What the dialog stands for by now: each value the user changed since the dialog showed it
// (gezeigt) as the controls show it (jetzt), every other one as the settings give it now
// (aktuell), so a program opened meanwhile keeps the changeover rule it brought.
Einstellstellung Geaenderte_Stellung(const Einstellstellung& gezeigt, const Einstellstellung& jetzt,
                                     const Einstellstellung& aktuell);
// Back in the dialog: the position it shows from now on; gezeigt becomes what counts as shown.
Einstellstellung Nachgefuehrte_Stellung(Einstellstellung& gezeigt, const Einstellstellung& jetzt,
                                        const Einstellstellung& aktuell);
// "Ok": the position into the settings; what a hidden or empty control shows keeps its setting.
// A value the program file keeps (the changeover rule, the clock's language, the astro channels,
// the measuring pulse) that changes marks the program changed; port, delay and lines do not.
void Uebernimm_Einstellung(const Einstellstellung& s);
// "Speichern": the 18 values of the settings file, hidden or empty controls giving the setting.
SettingsFileValues Einstellung_Dateiwerte(const Einstellstellung& s);
// The device texts 1..15 as the dialog leaves them when it closes; indexes 0 and the others of
// the array are left alone.
void Fuelle_Geraetetexte(const Einstellstellung& s, std::array<QString, 16>& texte);

// The texts of the device data sheet (GeraeteText); 0 is its heading.
std::array<QString, 16>& GeraeteText();
// Refreshes 1..15 from the current settings, as opening and closing the dialog would, without
// any of the dialog's other effects.
void Aktualisiere_Geraetetexte();

}  // namespace qv
