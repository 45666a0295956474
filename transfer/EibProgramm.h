#pragma once
// The switching program over the bus: slot 0 written into a bus clock record by record through
// its mailbox, or read back from it, and the decoders that turn the clock's answers into slot 0.
#include <QByteArray>
#include <cstdint>

#include "transfer/EibVerbindung.h"

namespace qv {

// Mailbox commands of the clock.
namespace uhrbefehl {
constexpr int SoWiSchreiben = 0xC4;
constexpr int Loeschen = 0xE5;
constexpr int SatzSchreiben = 0xE0;
constexpr int RegelLesen = 0x44;
constexpr int SoWiLesen = 0x40;
constexpr int ErsterSatz = 0x60;
constexpr int NaechsterSatz = 0x61;
}  // namespace uhrbefehl

// The answers are [length byte m, ready marker, ...]; results 0, 101 (not ready), 103 (wrong or
// short length), 104 (no valid entry). They write slot 0 and neither sort nor mark it changed.
int16_t Dekodiere_BusRegel(const QByteArray& antwort);
int16_t Dekodiere_BusSw(int nr, const QByteArray& antwort);  // nr 0 = table header, 1..20 entries
int16_t Dekodiere_BusSz(int nr, const QByteArray& antwort);  // nr = index in slot 0

// A record answer whose link to the next slot is 0.
bool Ist_Listenende(const QByteArray& antwort);
// False for the answer of a clock without records (bytes 2..8 all FFh).
bool Nicht_Alles_FF(const QByteArray& antwort);

// modus 1 writes slot 0 into the clock, any other value reads the clock into slot 0. 0 = done,
// 1 = failed (the message has been shown). Opens and closes the link itself.
int16_t Bus_Programm_Uebertragen(BusSitzung& s, uint16_t phys, int modus);

}  // namespace qv
