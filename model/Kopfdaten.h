#pragma once
// The program header block: the first eight bytes of the device image (checksum place, format id,
// changeover rule with family and channel count, option bits, moment of saving), kept per slot
// in program().Kopf.
#include <QDateTime>
#include <array>
#include <cstdint>

namespace qv {

// Builds Kopf(0, 0..7) from the settings and one reading of the clock. Asks first whether to
// switch on the own changeover table when it has entries but another rule is chosen. On the
// 240 type the format id follows the records (72, or 73 with Easter or year-bound priorities).
void Baue_Kopfdaten();

// Header bytes 4..7 for a moment: t \ 16, (t mod 16) * 16 + month, day, year - 1872
// (t = minute of the day).
std::array<uint8_t, 4> Kopf_Zeitstempel(const QDateTime& moment);

// Decimal value of a packed-BCD byte; 255 when a nibble is above 9.
int BCD_zu_Dez(int x);

}  // namespace qv
