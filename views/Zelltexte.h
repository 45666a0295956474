#pragma once
// Cell texts of the program lists, built from the UI texts of the chosen language. Used by the
// main grid, the printed lists, the entry forms' lists of stored entries and the calendar windows.
#include <QString>

#include "model/Zustand.h"

namespace qv {

// "17. Mai" (English: "May, 17. "); a month outside 1..11 names December.
QString Datum_Text(int tag, int monat);
// "1x" or a single blank.
QString Einmal_Text(int flag);
// " C1 C3" for the mask 5; on type 280 the channel number counted from 0 (" C16" for 15).
QString Kanal_Text(int maske);
// "  7:05 Uhr", "17:45 Uhr"; "  --:-- Uhr" for no time (1440 and above, and below 0).
QString Uhrzeit_Text(int minuten);
// " 5 h 07 Min"; hours are not limited to 23. Negative input counts as 0.
QString Dauer_Text(int minuten);
// "täglich" or "Mo Mi Fr" for weekday switching times (both families); empty otherwise.
QString Wochentage_Text(const TSz& rec);
// "EIN"/"AUS", a family-1 value as a number, empty for non-permanent priority times, "0" for
// an invalid record.
QString Zustand_Text(const TSz& rec);
// Year code (year - 1936) 1..127 as the year; empty otherwise.
QString Jahr_Text(int code);
// "7:05"; no unit and no no-time rule (1535 gives "25:35"). Negative input counts as 0.
QString Uhrzeit_kurz(int minuten);

}  // namespace qv
