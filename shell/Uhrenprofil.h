#pragma once
// Clock profiles: the device parameters that follow from the clock type chosen at start-up, and
// the way back from the settings read at start-up to the clock-type name to preselect.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "model/Zustand.h"

namespace qv {

// The values one clock-type slot sets.
struct ProfileRow {
  int16_t Kanalzahl;
  int16_t Uhrentyp;
  int16_t Busprog;
  int16_t Geraetecode;
  int16_t MaxSz;
  int16_t Evu;
  int16_t Bewft;
  int16_t SpeicherGroesse;
};

// The row of slot 1..20 (S_Typ01..S_Typ20); whichever brand filled the slot.
const ProfileRow& profileRow(int slot);

// The slot whose brand name equals the text exactly, searched 01..09, 20, 10..19; empty when none.
std::optional<int> clockTypeSlot(const QString& name);

// Fills the profile globals from the chosen clock-type name and returns its slot. The 280 type also
// sets the record family, the no-time value and open astro limits, the 309 type its no-time value.
// A name that matches no slot changes nothing. UhrentypText is the caller's: it is set from the
// list text whether or not the name matches.
std::optional<int> applyClockProfile(const QString& name);

// FtJahre: 14 years of generated holiday periods for types with movable holidays, else 1.
void updateFtJahre();

// The slot to preselect for the profile values the settings file gave back (Busprog reads back as
// 1 for the bus types, Kanalzahl as 6 for the 16-channel type); empty when they name no type.
std::optional<int> presetClockTypeSlot(const Uhrenprofil& p);
// The brand's name of that slot, or empty.
std::optional<QString> presetClockTypeName(const Uhrenprofil& p);

// The clock-type list of the start-up window: the brand's names, slots 01..20, not-offered left out.
QStringList offeredClockTypes();
// The list entry to select: the first entry equal to the name; entry 0 when none is.
int preselectedEntry(const QStringList& entries, const std::optional<QString>& name);

}  // namespace qv
