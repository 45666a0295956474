#pragma once
// The program's state objects. The names of the members are the system's own names; each
// object groups the tables of one concern. There is one instance of each for the whole run
// (program(), profile(), settings(), astro()); resetAllState() puts them back to start-up values.
#include <QString>
#include <array>
#include <cstdint>

namespace qv {

constexpr int kSlots = 2;           // 0 = the program being edited, 1 = the template
constexpr int kRecordsPerSlot = 509;
constexpr int kSwEntries = 20;
constexpr int kChannelNames = 17;
constexpr int32_t kKeineProgrammnummer = 0xFFFFFF;

// One program record: the six bytes of the device entry. In memory w2 is 0 and w3 bit 7 is 0
// (the image keeps the record chain there).
struct TSz {
  uint8_t w0 = 0, w1 = 0, w2 = 0, w3 = 0, w4 = 0, w5 = 0;
  friend bool operator==(const TSz&, const TSz&) = default;
};

// One changeover-table entry: forward change (w0, w1) and change back (w2, w3), one image byte
// each; 255 in all four marks an empty entry.
struct TSwEintrag {
  uint8_t w0 = 0, w1 = 0, w2 = 0, w3 = 0;
  friend bool operator==(const TSwEintrag&, const TSwEintrag&) = default;
};

// Both program slots with everything that belongs to one program.
struct ProgramState {
  TSz Sz[kSlots][kRecordsPerSlot]{};
  int16_t AnzSz[kSlots]{};
  int16_t AnzPz[kSlots]{};
  int16_t AnzGesamt[kSlots]{};
  int16_t AnzSw[kSlots]{};
  TSwEintrag SwTab[kSlots][kSwEntries]{};
  int16_t SwKopf[kSlots]{};     // (first year - 1996) + 64 * SwProJahr
  int16_t SwProJahr[kSlots]{};  // 0 one changeover pair per year, 1 two
  uint8_t Kopf[kSlots][8]{};    // program header block
  int32_t Programmnummer[kSlots]{kKeineProgrammnummer, kKeineProgrammnummer};
  QString Verwendung[kSlots];
  QString Kanalname[kChannelNames][kSlots];  // (channel 0..16, slot)
  QString Dateiname[kSlots];
  int16_t HatDateiname = 0;  // 1 = the own program has a file name, Save asks nothing
  int16_t Geaendert = 0;     // unsaved changes
  int16_t AktSpeicher = 0;   // slot shown and edited
  int16_t LeerBestaetigt = 0;
  int16_t ImportAktiv = 0;

  void clearSlot(int slot);
};

// The clock profile the chosen clock type sets.
struct Uhrenprofil {
  int16_t Kanalzahl = 0;
  int16_t Uhrentyp = 0;
  int16_t Busprog = 0;
  int16_t Geraetecode = 0;
  int16_t MaxSz = 0;
  int16_t Evu = 0;
  int16_t Bewft = 0;
  int16_t SpeicherGroesse = 0;
  int16_t Geraetefamilie = 0;
  int16_t KeineZeit = 0;
  int16_t FtJahre = 0;
  QString UhrentypText;
};

// Device and program settings: read from the settings file, set by the device settings and
// coding dialogs, carried in the header and the image.
struct DeviceSettings {
  int16_t Lpt = 0;
  int16_t Delay = 0;
  int16_t Delay2 = 0;
  int16_t MaxDelay = 0;
  int16_t Zeilen = 0;
  int16_t SwRegel = 0;
  int16_t SpracheUhr = 0;
  int16_t AstroC1C2 = 0;
  int16_t MessKanal = 0;
  int16_t MessPeriode = 0;
  int16_t MessImpDauer = 0;
  int16_t MessZustand = 0;
  int16_t MessZeitpunkt = 0;
  int16_t Codierbyte = 0;
  int16_t Schreibschutz = 0;
  int16_t OptDatum = 0;
  int16_t OptFunk = 0;
  int16_t OptNak = 0;
  int16_t OptDauer = 0;
  int16_t Sprache = 0;  // UI language: 1 German, 2 English, 3 French, 4 user text file
};

// Sunrise and sunset switching minutes of one astro channel on one day (day 0 = 1 January).
struct TAstroTag {
  int16_t Aufgang = 0;
  int16_t Untergang = 0;
  int16_t ZustandAuf = 0;
  int16_t ZustandUnter = 0;
  friend bool operator==(const TAstroTag&, const TAstroTag&) = default;
};

// Limits and states of one astro channel.
struct TAstroEinst {
  int16_t GrenzeAuf = 0;    // sunrise limit 0..720
  int16_t GrenzeUnter = 0;  // sunset limit 721..1439
  int16_t ZustandAuf = 0;
  int16_t ZustandUnter = 0;
  friend bool operator==(const TAstroEinst&, const TAstroEinst&) = default;
};

constexpr int kAstroChannels = 4;
constexpr int kAstroDays = 367;

struct AstroState {
  TAstroTag AstroTab[kAstroChannels][kAstroDays]{};
  TAstroEinst AstroGrenzen[kAstroChannels]{};
  int16_t AstroAktiv[kAstroChannels + 1]{};  // (0) any astro times, (k) astro channel k has them; -1/0
  float AstroLaenge = 0;     // longitude, degrees, half-degree steps
  float AstroBreite = 0;     // latitude
  float AstroZeitzone = 0;   // minutes
  float AstroKorrAuf = 0;    // minutes
  float AstroKorrUnter = 0;  // minutes
  int16_t AstroZusatz = 0;   // carried from a loaded astro-type image to the next written one
  int16_t AstroKanal = 0;    // astro channel being edited, 0..3
};

ProgramState& program();
Uhrenprofil& profile();
DeviceSettings& settings();
AstroState& astro();

// Everything reading a program or an image into slot 0 can touch, taken before the read and put
// back when the read fails or is refused, so a failed read changes nothing.
struct StateSnapshot {
  ProgramState prog = program();
  Uhrenprofil prof = profile();
  DeviceSettings set = settings();
  AstroState ast = astro();
  void restore() const;
};

// Back to the values at process start (used by tests and by "new program").
void resetAllState();

// The astro place and corrections a program starts with: 0 degrees, the time zone shown as
// "+ 1:00", no corrections.
void setAstroPlaceStartValues(AstroState& a);
// A program read into slot 0 on the 16-channel type, whose file holds no place, starts with that
// place, so it is never offered the place another program was given.
void startAstroPlaceOfReadProgram();

}  // namespace qv
