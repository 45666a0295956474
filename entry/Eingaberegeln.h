#pragma once
// Rules shared by the switching-time and priority-time entry forms: check-box colours, the digit
// filter and the leading-number value of the numeric fields, the items of their lists, the month
// lengths, and the refusals and questions every entry form shows.
#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace qv {

// Windows colour references are 0x00BBGGRR.
QColor fromVbColour(uint32_t bgr);
constexpr uint32_t kFarbeAngehakt = 0xFF8080;  // light blue
constexpr uint32_t kFarbeLeer = 0xC0C0C0;      // light grey
QColor Haekchenfarbe(bool checked);

// The key filter of the numeric fields: only the digits and Backspace pass.
bool Nur_Ziffern(int code);
// The value of the leading number of a text, blanks before it skipped; 0 when there is none.
// Saturates at 32767, so an overlong number stays out of every range.
int leadingNumber(const QString& text);

// List items: " 1." .. "31."; " 0" .. "23"; "00" .. "59"; "--", " 1" .. "59".
QStringList Tagesliste();
QStringList Stundenliste();
QStringList Minutenliste();
QStringList Impulsliste();
// The twelve month names of the language.
QStringList Monatsliste();
// "keine", "Programm P1" .. "Programm P7", and P8, P9 on family 0.
QStringList Prioliste(int familie);
// "Kanal 1" .. "Kanal 16".
QStringList Kanalliste16();

// The day field's text of day index i (0 = day 1): "1. " for the first, else the day and ". ".
QString Tagestext(int index);
// The pulse field's text of pulse index i: "--", or the item, a blank and " sec".
QString Impulstext(int index);
// The highest day index the month index (0 = January) admits, or -1 when it admits every day
// (no month chosen). February always admits day 29.
int Letzter_Tagindex(int monatIndex);

// A refusal: a beep, then the critical message box.
void Abweisen(const QString& text);
// The question before overwriting a stored record: a beep, then critical with Yes and No.
bool Ueberschreiben_fragen(const QString& text);
// The memory-full message: critical, no beep.
void Speicher_voll(const QString& text);
// A run-time error: a plain box "Error : " and the number.
void Laufzeitfehler(int nummer);

}  // namespace qv
