#pragma once
// The twelve brands the program is delivered under, and the set-up that copies one brand's row
// into the brand globals (brand()). Nothing else in the program knows the brand number.
#include <QString>
#include <array>
#include <cstdint>

namespace qv {

constexpr int kBrandCount = 12;
constexpr int kClockTypeSlots = 20;

// One brand as data. Strings are UTF-8; a null clock-type name is a type the brand does not offer.
struct BrandRow {
  const char* code;  // brand code in the brand file, all capitals
  int16_t Markengruppe;
  const char* S_Titel;
  const char* S_Hersteller;
  const char* S_Startbild;
  const char* S_Infobild;
  std::array<const char*, 6> S_InfoZeile;
  std::array<int16_t, 12> PosStartbild;  // twips
  std::array<int16_t, 16> PosInfo;       // twips
  int16_t EibHersteller;
  std::array<int16_t, 6> EibKennung;
  std::array<uint32_t, 2> FarbeInfo;  // red in the low byte
  std::array<const char*, kClockTypeSlots> S_Typ;  // slots 01..20 at [0]..[19]
  const char* S_Modellkurz;
};

// The row of brand 1..12; nullptr for any other number.
const BrandRow* brandRow(int marke);

// The clock-type name of a slot the brand does not offer.
const QString& notOfferedName();

// Sets every brand global from the row of brand 1..12, so nothing of an earlier brand survives;
// any other number changes nothing.
void Setze_Markentexte(int marke);

}  // namespace qv
