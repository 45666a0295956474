#pragma once
// Record builders for the model tests: they pack fields the way the entry forms store them.
#include <cstdint>

#include "model/Zustand.h"

namespace qv::test {

inline uint8_t u8(int v) { return static_cast<uint8_t>(v); }

// Family 0, weekday switching time.
inline TSz weekdaySz(int minute, int days, int channels, int state, int pulse = 0, int prog = 0) {
  return {u8(128 + minute / 16), u8((minute % 16) * 16 + prog), 0, u8(days), u8(channels), u8(pulse * 4 + state)};
}

// Family 0, dated switching time.
inline TSz datedSz(int minute, int day, int month, int channels, int state, int pulse = 0, bool once = false) {
  return {u8(minute / 16), u8((minute % 16) * 16 + month), 0, u8(day + (once ? 64 : 0)), u8(channels),
          u8(pulse * 4 + state)};
}

// Family 0, dated priority time; yearCode = year - 1936 (0 = none), flag = the "1x" box.
inline TSz periodPz(int bm, int bd, int em, int ed, int prio, int channels, int state, int yearCode = 0,
                    bool flag = false) {
  return {u8(96 + 2 * bm + bd / 16), u8((bd % 16) * 16 + prio), 0, u8(ed + (flag ? 64 : 0)),
          u8((yearCode % 16) * 16 + channels), u8(em * 16 + (yearCode / 16) * 2 + state)};
}

inline TSz yearPz(int year, int bm, int bd, int em, int ed, int prio = 1, int channels = 1) {
  return periodPz(bm, bd, em, ed, prio, channels, 0, year - 1936, true);
}

// Family 0, Easter-relative priority time (a single day at Easter Sunday + offset).
inline TSz easterPz(int offset, int prio, int channels, int state) {
  const int v = offset + 82;
  return {96, u8((v / 16) * 16 + prio), 0, 0, u8(channels), u8((v % 16) * 16 + state)};
}

// Family 1 (value devices): channel 1..8, value 0..255.
inline TSz weekdaySz1(int minute, int days, int channel, int value, int pulse = 0, int prog = 0) {
  const int c = channel - 1;
  return {u8(128 + minute / 16), u8((minute % 16) * 16 + ((c >> 2) & 1) * 8 + prog), 0, u8(days), u8(value),
          u8(pulse * 4 + (c & 3))};
}

inline TSz datedSz1(int minute, int day, int month, int channel, int value, int pulse = 0) {
  const int c = channel - 1;
  return {u8(minute / 16), u8((minute % 16) * 16 + month), 0, u8(day + ((c >> 2) & 1) * 32), u8(value),
          u8(pulse * 4 + (c & 3))};
}

// Family 1 priority time; prio 8 is "Permanent". w5 bits 0..3 hold the stored channel field, which
// the priority entry writes as the channel less one.
inline TSz periodPz1(int bm, int bd, int em, int ed, int prio, int channel, int value) {
  return {u8(96 + 2 * bm + bd / 16), u8((bd % 16) * 16 + prio), 0, u8(ed), u8(value), u8(em * 16 + channel)};
}

inline TSwEintrag swEntry(int dayFwd, int monFwd, int dayBack, int monBack, int hour = 2, int shift = 1) {
  return {u8(hour * 16 + shift * 2 + dayFwd / 16), u8((dayFwd % 16) * 16 + monFwd),
          u8((hour + 1) * 16 + shift * 2 + dayBack / 16), u8((dayBack % 16) * 16 + monBack)};
}

// Puts records into a slot as the program's records and sets the counts.
template <typename... R>
void fillSlot(int slot, const R&... recs) {
  ProgramState& p = program();
  int i = 0;
  ((p.Sz[slot][i++] = recs), ...);
  p.AnzGesamt[slot] = static_cast<int16_t>(i);
}

}  // namespace qv::test
