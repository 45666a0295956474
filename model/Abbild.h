#pragma once
// The device image: 2048 or 8192 bytes holding the header, the changeover table, the record
// slots chained by links, and per clock type astro data and texts. The layout is kept here as
// data; the encoder, the file reader and the tests all take it from here.
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "model/Zustand.h"

namespace qv {

// One image byte per entry, the index being the byte address.
using TAbbild = std::vector<uint8_t>;

struct AbbildFormat {
  int16_t uhrentyp;
  int groesse;         // image size in bytes
  int kapazitaet;      // records the clock holds (MaxSz of the profile)
  int slotzahl;        // chained record slots in the image
  int slotsAusTabelle; // slots filled from the record table (the rest carry only their link)
  bool vollOhneFrei;   // a full memory writes "no free slot" (0) instead of capacity + 1
  bool astroKopf;      // astro settings in bytes 13..18; bytes 12..17 stored unexchanged
  bool letzterSlotOhneW3;  // the last slot's b3 is written as 0
  int16_t keineZeit;   // stored for an astro day without a time; 0 = no astro area
};

// The formats of the clock types 240, 280 and 309; nullptr for any other type.
const AbbildFormat* imageFormat(int uhrentyp);

// Addresses shared by all formats.
namespace adr {
constexpr int kKopf = 0;            // bytes 0..7: header block
constexpr int kSchreibschutz = 12;
constexpr int kProgrammnummer = 13; // 13..15, packed BCD
constexpr int kMessImpuls = 16;     // 16..17
constexpr int kCodierbyte = 18;
constexpr int kSwKopf = 19;
constexpr int kSwTabelle = 20;      // 20 entries of 4 bytes
constexpr int kErsterBelegt = 100;  // 100..101, big-endian
constexpr int kErsterFrei = 102;    // 102..103
// 280 type
constexpr int kAstro280 = 3176;     // 4 channels x 366 days x 3 bytes
constexpr int kGrenzen280 = 7568;   // 4 x 3 bytes
constexpr int kVerwendung280 = 7580;
constexpr int kVerwendungLaenge = 50;
constexpr int kNamen280 = 7630;     // 16 fields of 20 bytes
constexpr int kNamenFeld = 20;
// 309 type
constexpr int kAstro309 = 950;      // 366 days x 3 bytes
constexpr int kAstroTage = 366;

// First byte of record slot n (1-based).
constexpr int slot(int n) { return 98 + 6 * n; }
}  // namespace adr

// Exchanges the two nibbles of an image byte; bit 8 and above are dropped.
int TauscheNibbles(int x);

// True for the bytes the stored order keeps as they are: 0..7, the list heads, the link byte of
// every slot, and on the astro type bytes 12..17.
bool keepsNibbleOrder(const AbbildFormat& f, int address);
// Decoded order to stored order and back (the nibble exchange is its own inverse).
TAbbild toStoredOrder(const AbbildFormat& f, const TAbbild& decoded);
TAbbild toDecodedOrder(const AbbildFormat& f, const TAbbild& stored);
// Byte 0 := the value that makes the sum of all stored bytes a multiple of 256.
void setChecksum(TAbbild& stored);
bool checksumOk(const TAbbild& stored);

// Astro day triples: layout A (280 type, times 0..2047 with states), layout B (309 type,
// times 0..4095, no states).
std::array<uint8_t, 3> tripleA(int aufgang, int untergang, int zustandAuf, int zustandUnter);
TAstroTag fromTripleA(const uint8_t* t);
std::array<uint8_t, 3> tripleB(int aufgang, int untergang);
// Times only; the states are left as they are in `into`.
void fromTripleB(const uint8_t* t, TAstroTag& into);

// Program number as packed BCD for bytes 13..15; 255, 255, 255 above 999999.
std::array<uint8_t, 3> programmnummerBcd(int32_t n);

// Encodes program slot 0 and the settings into an image in stored order with its checksum.
// Sorts the slot by time first and builds the header (which may ask about the changeover table).
// The record table itself is left as it stands: the links are computed on a copy.
// Empty for a clock type without an image format.
TAbbild Kodiere_Abbild();

}  // namespace qv
