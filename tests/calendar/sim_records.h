#pragma once
// Program records for the simulation tests, laid out byte by byte as the device stores them.
#include <cstdint>

#include "model/Zustand.h"

namespace qv::simtest {

constexpr uint8_t kTaeglich = 127;

// Weekday switching time (family 0): minute, program, weekday mask, channel field, state, pulse.
inline TSz woche(int minute, int prog, int tage, int kanal, int zustand, int impuls = 0) {
  return {static_cast<uint8_t>(128 + minute / 16), static_cast<uint8_t>((minute % 16) * 16 + prog), 0,
          static_cast<uint8_t>(tage), static_cast<uint8_t>(kanal),
          static_cast<uint8_t>(impuls * 4 + zustand)};
}

// Dated switching time (family 0).
inline TSz datum(int minute, int tag, int monat, int kanal, int zustand, int impuls = 0) {
  return {static_cast<uint8_t>(minute / 16), static_cast<uint8_t>((minute % 16) * 16 + monat), 0,
          static_cast<uint8_t>(tag), static_cast<uint8_t>(kanal),
          static_cast<uint8_t>(impuls * 4 + zustand)};
}

// Dated priority time (family 0); jahr 0 = every year, else bound to that year.
inline TSz prio(int bt, int bm, int et, int em, int prioritaet, int kanal, int zustand = 0, int jahr = 0) {
  const int code = jahr ? jahr - 1936 : 0;
  return {static_cast<uint8_t>(96 + 2 * bm + bt / 16), static_cast<uint8_t>((bt % 16) * 16 + prioritaet), 0,
          static_cast<uint8_t>(et + (jahr ? 64 : 0)), static_cast<uint8_t>(kanal + (code % 16) * 16),
          static_cast<uint8_t>(em * 16 + (code / 16) * 2 + zustand)};
}

// Weekday switching time of a value device (family 1): one channel 1..8 and a value.
inline TSz wocheWert(int minute, int prog, int tage, int kanal, int wert) {
  const int k = kanal - 1;
  return {static_cast<uint8_t>(128 + minute / 16),
          static_cast<uint8_t>((minute % 16) * 16 + ((k >> 2) & 1) * 8 + prog), 0,
          static_cast<uint8_t>(tage), static_cast<uint8_t>(wert), static_cast<uint8_t>(k & 3)};
}

// Dated priority time of a value device (family 1), every year: one channel 1..8, stored as the
// channel less one; program 8 is "Permanent" with the value.
inline TSz prioWert(int bt, int bm, int et, int em, int prioritaet, int kanal, int wert = 0) {
  return {static_cast<uint8_t>(96 + 2 * bm + bt / 16), static_cast<uint8_t>((bt % 16) * 16 + prioritaet), 0,
          static_cast<uint8_t>(et), static_cast<uint8_t>(wert), static_cast<uint8_t>(em * 16 + ((kanal - 1) & 15))};
}

// Puts the records into slot 0: switching times first, then priority times.
inline void lade(std::initializer_list<TSz> sz, std::initializer_list<TSz> pz = {}) {
  ProgramState& p = program();
  int i = 0;
  for (const TSz& r : sz) p.Sz[0][i++] = r;
  for (const TSz& r : pz) p.Sz[0][i++] = r;
  p.AnzSz[0] = static_cast<int16_t>(sz.size());
  p.AnzPz[0] = static_cast<int16_t>(pz.size());
  p.AnzGesamt[0] = static_cast<int16_t>(i);
}

}  // namespace qv::simtest
