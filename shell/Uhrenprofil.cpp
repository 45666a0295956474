#include "shell/Uhrenprofil.h"

#include <array>

#include "model/Marke.h"
#include "shell/Marken.h"

namespace qv {
namespace {

constexpr std::array<ProfileRow, 20> kRows{{
    //  Kanalzahl Uhrentyp Busprog Geraetecode MaxSz Evu Bewft SpeicherGroesse
    {1, 240, 0, 72, 324, 0, 0, 2048},    // 01
    {2, 240, 0, 72, 324, 0, 0, 2048},    // 02
    {3, 240, 0, 72, 324, 0, 0, 2048},    // 03
    {4, 240, 0, 72, 324, 0, 0, 2048},    // 04
    {4, 240, -1, 72, 324, 0, 0, 2048},   // 05
    {1, 240, 0, 72, 324, 1, 0, 2048},    // 06
    {2, 240, 0, 72, 324, 1, 0, 2048},    // 07
    {3, 240, 0, 72, 324, 1, 0, 2048},    // 08
    {4, 240, 0, 72, 324, 1, 0, 2048},    // 09
    {1, 240, 0, 73, 324, 0, 1, 2048},    // 10
    {2, 240, 0, 73, 324, 0, 1, 2048},    // 11
    {3, 240, 0, 73, 324, 0, 1, 2048},    // 12
    {4, 240, 0, 73, 324, 0, 1, 2048},    // 13
    {4, 240, -1, 73, 324, 0, 1, 2048},   // 14
    {16, 280, -1, 74, 500, 0, 1, 8192},  // 15
    {1, 240, 0, 73, 324, 1, 1, 2048},    // 16
    {2, 240, 0, 73, 324, 1, 1, 2048},    // 17
    {3, 240, 0, 73, 324, 1, 1, 2048},    // 18
    {4, 240, 0, 73, 324, 1, 1, 2048},    // 19
    {2, 309, 0, 80, 120, 0, 0, 2048},    // 20
}};

// Slot 20 is compared before 10..19, so a name it shares with one of them gives the 309 type.
constexpr std::array<int, 20> kSearchOrder{1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};

constexpr int16_t kKeineZeit280 = 1535;
constexpr int16_t kKeineZeit309 = 1791;

}  // namespace

const ProfileRow& profileRow(int slot) { return kRows.at(slot - 1); }

std::optional<int> clockTypeSlot(const QString& name) {
  for (int slot : kSearchOrder)
    if (brand().S_Typ[slot] == name) return slot;
  return std::nullopt;
}

std::optional<int> applyClockProfile(const QString& name) {
  const auto slot = clockTypeSlot(name);
  if (!slot) return std::nullopt;
  const ProfileRow& r = profileRow(*slot);
  Uhrenprofil& p = profile();
  p.Kanalzahl = r.Kanalzahl;
  p.Uhrentyp = r.Uhrentyp;
  p.Busprog = r.Busprog;
  p.Geraetecode = r.Geraetecode;
  p.MaxSz = r.MaxSz;
  p.Evu = r.Evu;
  p.Bewft = r.Bewft;
  p.SpeicherGroesse = r.SpeicherGroesse;
  if (r.Uhrentyp == 280) {
    p.Geraetefamilie = 0;
    p.KeineZeit = kKeineZeit280;
    for (auto& g : astro().AstroGrenzen) {
      g.GrenzeAuf = 0;
      g.GrenzeUnter = 1439;
    }
  } else if (r.Uhrentyp == 309) {
    p.KeineZeit = kKeineZeit309;
  }
  updateFtJahre();
  return slot;
}

void updateFtJahre() { profile().FtJahre = profile().Bewft != 0 ? 14 : 1; }

std::optional<int> presetClockTypeSlot(const Uhrenprofil& p) {
  // Slots by channel count: 01..04 plain, 06..09 utility, 10..13 and 16..19 the same two with
  // movable holidays.
  const bool bewft = p.Bewft != 0;
  switch (p.Uhrentyp) {
    case 309:
      return 20;
    case 280:
      return 15;
    case 240:
      if (p.Busprog == 1) return bewft ? 14 : 5;
      if (p.Kanalzahl < 1 || p.Kanalzahl > 4) return std::nullopt;
      if (p.Evu == 0) return (bewft ? 9 : 0) + p.Kanalzahl;
      return (bewft ? 15 : 5) + p.Kanalzahl;
    default:
      return std::nullopt;
  }
}

std::optional<QString> presetClockTypeName(const Uhrenprofil& p) {
  const auto slot = presetClockTypeSlot(p);
  if (!slot) return std::nullopt;
  return brand().S_Typ[*slot];
}

QStringList offeredClockTypes() {
  QStringList out;
  for (int slot = 1; slot <= kClockTypeSlots; ++slot)
    if (brand().S_Typ[slot] != notOfferedName()) out << brand().S_Typ[slot];
  return out;
}

int preselectedEntry(const QStringList& entries, const std::optional<QString>& name) {
  if (name) {
    const int i = entries.indexOf(*name);
    if (i >= 0) return i;
  }
  return 0;
}

}  // namespace qv
