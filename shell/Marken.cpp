#include "shell/Marken.h"

#include <initializer_list>
#include <utility>

#include "model/Marke.h"

namespace qv {
namespace {

using Slots = std::array<const char*, kClockTypeSlots>;

// The offered slots of a brand with their names; every other slot is not offered.
constexpr Slots offers(std::initializer_list<std::pair<int, const char*>> named) {
  Slots s{};
  for (const auto& [slot, name] : named) s[slot - 1] = name;
  return s;
}

constexpr std::array<int16_t, 12> kStartLayout{240, 240, 1040, 240, 1840, 240, 2640, 240, 240, 1080, 5200, 6360};
// The private labels with the wider start picture keep the OK button further left.
constexpr std::array<int16_t, 12> kStartLayoutOk4000{240, 240, 1040, 240, 1840, 240, 2640, 240, 240, 1080, 4000, 6360};
constexpr std::array<int16_t, 16> kInfoLayout{4320, 6350, 240, 240, 240, 480, 240, 1800,
                                               240,  720,  240, 960, 240, 1200, 140, 6240};

// Bus identities. These are placeholders until the brands' registered codes are known: one
// manufacturer code, and device types as three pairs (shared first byte, second byte counting up).
constexpr int16_t kEibHersteller = 0xE1;
constexpr std::array<int16_t, 6> kEibKennung{0x24, 0x01, 0x24, 0x02, 0x24, 0x03};
constexpr std::array<int16_t, 6> kEibKennungChip{0x25, 0x01, 0x25, 0x02, 0x25, 0x03};

constexpr char kAutorZeile[] = "Software: Quorvel-Entwicklung";

constexpr BrandRow kBrands[kBrandCount] = {
    {"KOL", 1, "Quorvel 2.1", "marlun", "quorvel.bmp", "quorvel.bmp",
     {"marlun", "marlun Zeitschalttechnik", "Beispielweg 1, 00000 Musterstadt", "Tel. 0000 / 00 00 01",
      "info@marlun.example", kAutorZeile},
     kStartLayout, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{1, "MX 210      "},
             {2, "MX 220       "},
             {4, "MX 240  "},
             {5, "MX 240 EIB "},
             {10, "MX 210 S"},
             {11, "MX 220 S"},
             {12, "MX 230 S"},
             {13, "MX 240 S"},
             {14, "MX 240 S EIB"},
             {15, "MX 280 S EIB"},
             {16, "MX 460-1"},
             {17, "MX 460-2"},
             {18, "MX 460-3"},
             {19, "MX 460-4"},
             {20, "KV 310"}}),
     "MX240"},
    {"DAV", 2, "Quorvel 2.1", "handelsmarke2", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 2", "Handelsmarke 2 Vertrieb", "Postfach 10 00 02, 00000 Beispielstadt", "Tel. 0000 / 00 00 02",
      "info@marke-2.example", kAutorZeile},
     kStartLayout, kInfoLayout, kEibHersteller, kEibKennung, {0xE0E0C0, 0x8080FF},
     offers({{5, "QJ2 240 EIB"}, {14, "QJ2 240 S EIB"}}), "QJ2-240"},
    {"NIP", 3, "Quorvel 2.1", "handelsmarke3", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 3", "Handelsmarke 3 Vertrieb", "Postfach 10 00 03, 00000 Beispielstadt", "Tel. 0000 / 00 00 03",
      "info@marke-3.example", kAutorZeile},
     kStartLayout, kInfoLayout, kEibHersteller, kEibKennung, {0xC0E0E0, 0xFF8080},
     offers({{5, "QJ3 240 EIB"}, {14, "QJ3 240 S EIB"}, {15, "QJ3 280 S EIB"}}), "QJ3-240"},
    {"RUF", 4, "Quorvel 2.1", "handelsmarke4", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 4", "Handelsmarke 4 Vertrieb", "Postfach 10 00 04, 00000 Beispielstadt", "Tel. 0000 / 00 00 04",
      "info@marke-4.example", kAutorZeile},
     kStartLayout, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ4 240 S EIB"}}), "QJ4-240"},
    // The memory-chip brand: its own title, about picture and bus device types.
    {"TAZ", 5, "Quorvel Chip 2.1", "handelsmarke5", "quorvel.bmp", "quorchip.bmp",
     {"Handelsmarke 5", "Handelsmarke 5 Vertrieb", "Postfach 10 00 05, 00000 Beispielstadt", "Tel. 0000 / 00 00 05",
      "info@marke-5.example", kAutorZeile},
     kStartLayout, kInfoLayout, kEibHersteller, kEibKennungChip, {0xFFFFFF, 0x80FFFF},
     offers({{14, "QJ5 240 S EIB"}}), "QJ5-240"},
    {"WEX", 6, "Quorvel 2.1", "handelsmarke6", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 6", "Handelsmarke 6 Vertrieb", "Postfach 10 00 06, 00000 Beispielstadt", "Tel. 0000 / 00 00 06",
      "info@marke-6.example", kAutorZeile},
     kStartLayoutOk4000, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ6 240 S EIB"}, {15, "QJ6 280 S EIB"}}), "QJ6-240"},
    {"QUB", 7, "Quorvel 2.1", "handelsmarke7", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 7", "Handelsmarke 7 Vertrieb", "Postfach 10 00 07, 00000 Beispielstadt", "Tel. 0000 / 00 00 07",
      "info@marke-7.example", kAutorZeile},
     kStartLayoutOk4000, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ7 240 S EIB"}}), "entfällt"},
    {"SOB", 8, "Quorvel 2.1", "handelsmarke8", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 8", "Handelsmarke 8 Vertrieb", "Postfach 10 00 08, 00000 Beispielstadt", "Tel. 0000 / 00 00 08",
      "info@marke-8.example", kAutorZeile},
     kStartLayoutOk4000, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ8 240 S EIB"}, {15, "QJ8 280 S EIB"}}), "entfällt"},
    {"YOX", 9, "Quorvel 2.1", "handelsmarke9", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 9", "Handelsmarke 9 Vertrieb", "Postfach 10 00 09, 00000 Beispielstadt", "Tel. 0000 / 00 00 09",
      "info@marke-9.example", kAutorZeile},
     kStartLayoutOk4000, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ9 240 S EIB"}, {15, "QJ9 280 S EIB"}}), "entfällt"},
    {"KEV", 1, "Quorvel 2.1", "handelsmarke10", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 10", "Handelsmarke 10 Vertrieb", "Postfach 10 00 10, 00000 Beispielstadt", "Tel. 0000 / 00 00 10",
      "info@marke-10.example", kAutorZeile},
     kStartLayoutOk4000, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ10 240 S EIB"}}), "entfällt"},
    {"YAK", 2, "Quorvel 2.1", "handelsmarke11", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 11", "Handelsmarke 11 Vertrieb", "Postfach 10 00 11, 00000 Beispielstadt", "Tel. 0000 / 00 00 11",
      "info@marke-11.example", kAutorZeile},
     kStartLayoutOk4000, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ11 240 S EIB"}, {15, "QJ11 280 S EIB"}}), "entfällt"},
    {"ZIN", 3, "Quorvel 2.1", "handelsmarke12", "quorvel.bmp", "quorvel.bmp",
     {"Handelsmarke 12", "Handelsmarke 12 Vertrieb", "Postfach 10 00 12, 00000 Beispielstadt", "Tel. 0000 / 00 00 12",
      "info@marke-12.example", kAutorZeile},
     kStartLayoutOk4000, kInfoLayout, kEibHersteller, kEibKennung, {0xE0C0E0, 0xFF8080},
     offers({{14, "QJ12 240 S EIB"}}), "entfällt"},
};

}  // namespace

const BrandRow* brandRow(int marke) {
  if (marke < 1 || marke > kBrandCount) return nullptr;
  return &kBrands[marke - 1];
}

const QString& notOfferedName() {
  static const QString name = QString::fromUtf8("entfällt");
  return name;
}

void Setze_Markentexte(int marke) {
  const BrandRow* row = brandRow(marke);
  if (!row) return;
  Brand b;
  b.S_Titel = QString::fromUtf8(row->S_Titel);
  b.S_Hersteller = QString::fromUtf8(row->S_Hersteller);
  b.Markengruppe = row->Markengruppe;
  b.S_Startbild = QString::fromUtf8(row->S_Startbild);
  b.S_Infobild = QString::fromUtf8(row->S_Infobild);
  for (int k = 0; k < 6; ++k) b.S_InfoZeile[k] = QString::fromUtf8(row->S_InfoZeile[k]);
  b.S_InfoVon = QString();
  for (int k = 0; k < 12; ++k) b.PosStartbild[k] = row->PosStartbild[k];
  for (int k = 0; k < 16; ++k) b.PosInfo[k] = row->PosInfo[k];
  b.EibHersteller = row->EibHersteller;
  for (int k = 0; k < 6; ++k) b.EibKennung[k] = row->EibKennung[k];
  b.FarbeInfo[0] = row->FarbeInfo[0];
  b.FarbeInfo[1] = row->FarbeInfo[1];
  for (int slot = 1; slot <= kClockTypeSlots; ++slot) {
    const char* name = row->S_Typ[slot - 1];
    b.S_Typ[slot] = name ? QString::fromUtf8(name) : notOfferedName();
  }
  b.S_Modellkurz = QString::fromUtf8(row->S_Modellkurz);
  brand() = b;
}

}  // namespace qv
