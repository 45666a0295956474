#pragma once
// The holiday editor's changes to the holiday table and the holiday sets, and its texts. Every
// change keeps the member codes of the sets naming the same holidays.
#include <QString>

#include "model/Feiertage.h"

namespace qv {

// The weekday list position 0..13 ("Sonntag vor" .. "Sonntag nach") as a Wochentag value
// (-7..-1, 1..7), and back.
int Wochentag_aus_Position(int p);
int Position_aus_Wochentag(int wochentag);
// "Sonntag vor" .. "Montag vor", "Montag nach" .. "Sonntag nach".
QString Wochentag_Eintrag(int p);

// "46 Tag(e) vor Ostern", "Ostern", "3 Tag(e) nach Ostern".
QString Osterdistanz_Text(int d);
// "1. Januar", "Mittwoch vor 23. November", or the Easter distance text.
QString Feiertag_Definition(const TFeiertag& f);

// One pass over the table: a holiday with the same definition takes the name, a holiday with
// the same name takes the definition. Appends the holiday when neither was found; true when
// it was found.
bool Feiertag_Speichern(HolidayTable& t, const TFeiertag& neu);

// Removes holiday k, drops its code from every set and lowers the codes above it.
void Feiertag_Loeschen(HolidayTable& t, int k);

// Puts holiday code c into set s, ascending and without repeats. Returns the member position
// (1-based) of c, or 0 when the set is full and c is no member yet (the set stays unchanged).
int Set_Mitglied_Einfuegen(HolidayTable& t, int s, int c);
// Removes member position m (1-based) of set s.
void Set_Mitglied_Entfernen(HolidayTable& t, int s, int m);

// Appends an empty set; false for an empty name, a name that exists or a full list of sets.
bool Set_Hinzufuegen(HolidayTable& t, const QString& name);
// Removes set s; the sets after it move up with their names and members.
void Set_Loeschen(HolidayTable& t, int s);

}  // namespace qv
