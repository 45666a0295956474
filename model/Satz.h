#pragma once
// Record fields and record tests: the only code that knows the bit layout of a program record.
// Every accessor reads the record and changes nothing; results are small integers, flags 1/0.
#include "model/Zustand.h"

namespace qv {

// Bits von..bis of wert.
int Bit_Feld(int von, int bis, int wert);

// Record kind 0..6: 0 weekday, 1 dated, 2 priority (family 0); 3 weekday, 4 dated, 5 priority
// (family 1, value devices); 6 no valid entry (also the free marker w0 = 255).
int Sz_Art(const TSz& rec);
int Sz_Minuten(const TSz& rec);
int Sz_Monat(const TSz& rec);
int Sz_Tag(const TSz& rec);
int Sz_Wochentage(const TSz& rec);
int Sz_Impuls(const TSz& rec);
int Sz_Prio(const TSz& rec);
int Sz_Kanal(const TSz& rec);
int Sz_Zustand(const TSz& rec);
int Sz_Schaltwert(const TSz& rec);
int Ist_AstroSz(const TSz& rec);
int Ist_Einmalig(const TSz& rec);
int Pz_Datumsart(const TSz& rec);
int Pz_Jahrcode(const TSz& rec);
int Pz_Osterwert(const TSz& rec);
int Pz_Osterabstand(const TSz& rec);
int Pz_Beginn_Monat(const TSz& rec, int jahr);
int Pz_Beginn_Tag(const TSz& rec, int jahr);
int Pz_Ende_Monat(const TSz& rec, int jahr);
int Pz_Ende_Tag(const TSz& rec, int jahr);

// Record tests.
int Kanal_gesetzt(int kanal, const TSz& rec);  // kanal 1-based
int Wochentag_gesetzt(int tag, const TSz& rec);  // 1 Monday .. 7 Sunday
int Datum_passt(int tag, int monat, const TSz& rec);
int Maximum(int a, int b);

// Table operations.
void Loesche_Sz(int nr, int speicher);
void Loesche_SoWiEintrag(int nr, int speicher);
// Stores a new switching time at AnzSz, behind the switching times and before the priority
// times, which move up by one; counts it. Returns its index, or -1 when the slot is full.
int Fuege_Schaltzeit_ein(int speicher, const TSz& rec);
bool Pruefe_Szliste(int speicher);
int Kanal_frei(int kanal);
int Hat_Osterbezug();

}  // namespace qv
