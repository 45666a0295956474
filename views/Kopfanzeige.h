#pragma once
// What the frame's header panel shows and how its fields are taken over: the save line, the
// program number, the channel captions with their paging, the channel names, the usage text,
// the write protection and the usage box.
#include <QString>
#include <cstdint>

namespace qv {

// The save line of a header block: never saved, the moment of saving, or the master-card codes.
QString Speicherzeit_Text(const uint8_t kopf[8], int codierbyte);

// Six digits with leading zeros, or "" for no number (above 999999).
QString Programmnummer_Text(int32_t nummer);

// Taking over the typed program number.
struct Programmnummer_Ergebnis {
  int32_t nummer;  // the number to keep
  bool geaendert;  // the number changed (the program counts as changed)
  QString text;    // what the box shows afterwards
};
Programmnummer_Ergebnis Pruefe_Programmnummer_Text(const QString& text, int32_t alt);
// The same on the program: the text into Programmnummer of slot m; returns the box text.
QString Pruefe_Programmnummer(const QString& text, int m);

// Caption of channel label i (0..3): "C" & channel & ":", or the loaded captions.
QString Kanalbeschriftung(int i);
// The channel that label and box i show, 1..16.
int Kanal_von_Feld(int i);
// Number of channel boxes shown: the channel count (at most 4), one on type 280 in the astro view.
int Sichtbare_Kanalfelder();
// Both paging images show only on the 16-channel type.
bool Blaettern_sichtbar();

// Channel paging. In the astro view the astro channel steps 1..4 (a channel outside that range
// counts as 1 first); else the group start 1, 5, 9, 13 steps by four. Returns the new first
// channel; the ends change nothing.
int Blaettere_Kanaele(int erster, bool vorwaerts, bool astroansicht);
// Pages the frame's channels (viewState().firstChannelShown) and marks the captions rewritten.
void Blaettere(bool vorwaerts);
// On type 280 an astro channel outside 1..4 becomes channel 1 (no astro table beyond 4).
void Astrokanal_begrenzen();
// Channels 1..4 again, captions "C1:".."C4:" (the simulation command).
void Kanaele_zuruecksetzen();
// On the 16-channel type the channel shown becomes the start of its group of four (an astro
// channel 1..4 gives channels 1 to 4); the captions keep their form.
void Kanalgruppe_ausrichten();

// Stores the name typed in box i when it differs, into slot m; true when it was stored.
bool Speichere_Kanalname(int i, const QString& text, int m);
// Stores the usage text of slot m when it differs.
bool Speichere_Verwendung(const QString& text, int m);
// Stores the write-protect button state (1 open, 2 protected) when it differs.
bool Speichere_Schreibschutz(int zustand);
// The write-protect button applies for types with movable holidays and type 309.
bool Schreibschutz_sichtbar();

// The usage box of the gauge for the slot: title and text.
QString Belegung_Titel(int m);
QString Belegung_Text(int m);

// The header boxes' key rules; a rule sees the character a key types. The number box takes
// digits, blank and backspace. The usage text refuses the comma and what the program file cannot
// hold; a channel name takes every character the file can hold, the comma included (its line is
// read whole). Control keys such as backspace pass both text rules.
bool Zeichen_erlaubt_Nummer(QChar c);
bool Zeichen_erlaubt_Text(QChar c);
bool Zeichen_erlaubt_Kanalname(QChar c);

}  // namespace qv
