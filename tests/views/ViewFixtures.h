#pragma once
// Fixtures of the view tests: record builders (packed as the entry forms store them), the clock
// types, the languages and three example programs, and a plain-text dump of a grid content.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "model/Ansicht.h"
#include "model/Feiertage.h"
#include "model/Zustand.h"
#include "shell/Sprache.h"
#include "shell/Uhrenprofil.h"
#include "views/Gridinhalt.h"

namespace qv::test {

inline uint8_t b8(int v) { return static_cast<uint8_t>(v); }

// Family 0 weekday switching time; channels is the mask (type 280: the channel number).
inline TSz wochenSz(int minute, int days, int channels, int state, int pulse = 0, int prog = 0) {
  return {b8(128 + minute / 16), b8((minute % 16) * 16 + prog), 0, b8(days), b8(channels), b8(pulse * 4 + state)};
}

// Family 0 dated switching time.
inline TSz datumSz(int minute, int day, int month, int channels, int state, int pulse = 0, bool once = false) {
  return {b8(minute / 16), b8((minute % 16) * 16 + month), 0, b8(day + (once ? 64 : 0)), b8(channels),
          b8(pulse * 4 + state)};
}

// Family 0 dated priority time; yearCode = year - 1936 (0 every year).
inline TSz periodePz(int bm, int bd, int em, int ed, int prio, int channels, int state = 0, int yearCode = 0,
                     bool flag = false) {
  return {b8(96 + 2 * bm + bd / 16), b8((bd % 16) * 16 + prio), 0, b8(ed + (flag ? 64 : 0)),
          b8((yearCode % 16) * 16 + channels), b8(em * 16 + (yearCode / 16) * 2 + state)};
}

// Family 0 priority time bound to Easter (Easter Sunday + offset).
inline TSz osterPz(int offset, int prio, int channels, int state = 0) {
  const int v = offset + 82;
  return {96, b8((v / 16) * 16 + prio), 0, 0, b8(channels), b8((v % 16) * 16 + state)};
}

// Family 1 (value devices): channel 1..8, value 0..255; priority 8 is "Permanent".
inline TSz wochenSz1(int minute, int days, int channel, int value, int pulse = 0, int prog = 0) {
  const int c = channel - 1;
  return {b8(128 + minute / 16), b8((minute % 16) * 16 + ((c >> 2) & 1) * 8 + prog), 0, b8(days), b8(value),
          b8(pulse * 4 + (c & 3))};
}
inline TSz datumSz1(int minute, int day, int month, int channel, int value, int pulse = 0) {
  const int c = channel - 1;
  return {b8(minute / 16), b8((minute % 16) * 16 + month), 0, b8(day + ((c >> 2) & 1) * 32), b8(value),
          b8(pulse * 4 + (c & 3))};
}
inline TSz periodePz1(int bm, int bd, int em, int ed, int prio, int channel, int value) {
  return {b8(96 + 2 * bm + bd / 16), b8((bd % 16) * 16 + prio), 0, b8(ed), b8(value), b8(em * 16 + channel)};
}

inline TSwEintrag swEintrag(int dayFwd, int monFwd, int hourFwd, int shiftFwd, int dayBack, int monBack,
                            int hourBack, int shiftBack) {
  return {b8(hourFwd * 16 + shiftFwd * 2 + dayFwd / 16), b8((dayFwd % 16) * 16 + monFwd),
          b8(hourBack * 16 + shiftBack * 2 + dayBack / 16), b8((dayBack % 16) * 16 + monBack)};
}

// Switching times first, then priority times, as the sort leaves a slot.
inline void setzeSlot(int slot, std::initializer_list<TSz> schalt, std::initializer_list<TSz> prio) {
  ProgramState& p = program();
  int i = 0;
  for (const TSz& r : schalt) p.Sz[slot][i++] = r;
  for (const TSz& r : prio) p.Sz[slot][i++] = r;
  p.AnzSz[slot] = static_cast<int16_t>(schalt.size());
  p.AnzPz[slot] = static_cast<int16_t>(prio.size());
  p.AnzGesamt[slot] = static_cast<int16_t>(i);
}

// The profile of a brand slot's clock type, family 0.
inline void waehleProfil(int slot) {
  const ProfileRow& r = profileRow(slot);
  Uhrenprofil& p = profile();
  p.Kanalzahl = r.Kanalzahl;
  p.Uhrentyp = r.Uhrentyp;
  p.Geraetecode = r.Geraetecode;
  p.MaxSz = r.MaxSz;
  p.Evu = r.Evu;
  p.Bewft = r.Bewft;
  p.SpeicherGroesse = r.SpeicherGroesse;
  p.Geraetefamilie = 0;
}

// The profile of a clock type: 240 (4 channels), 280 (16 channels) or 309 (astro, 2 channels).
inline void waehleUhrentyp(int uhrentyp) {
  waehleProfil(uhrentyp == 280 ? 15 : uhrentyp == 309 ? 20 : 4);
  profile().KeineZeit = static_cast<int16_t>(uhrentyp == 280 ? 1535 : uhrentyp == 309 ? 1791 : 0);
}

// 1 German, 2 English, 3 French.
inline void waehleSprache(int sprache) {
  if (sprache == 2)
    Setze_TexteEnglisch();
  else if (sprache == 3)
    Setze_TexteFranzoesisch();
  else
    Setze_TexteDeutsch();
  settings().Sprache = static_cast<int16_t>(sprache);
}

// Everything back to start-up values.
inline void frisch() {
  resetAllState();
  resetViewState();
  resetHolidayTable();
}

// The example program of a clock type in slot 0, with its changeover table and astro times.
void ladeBeispiel(int uhrentyp);

// The content as text: one line per row, every cell in brackets so blanks show.
QString dump(const GridInhalt& g);
// The four views of slot 0 one after the other.
QString dumpViews();

}  // namespace qv::test
