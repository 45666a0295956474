#pragma once
// The program the benchmarks work on: the 16-channel astro type as the start-up leaves it, its
// record slot full (480 switching times over all channels, programs and weekdays, 20 priority
// times), a changeover rule and a yearly swing of sunrise and sunset on all four astro channels.
#include "model/Marke.h"
#include "model/Zustand.h"
#include "shell/Marken.h"
#include "shell/Sprache.h"
#include "shell/Uhrenprofil.h"

namespace qv::bench {

inline void fullProgram() {
  qv::resetAllState();
  qv::Setze_Markentexte(1);
  qv::Setze_TexteDeutsch();
  qv::applyClockProfile(qv::brand().S_Typ[15]);
  qv::Uhrenprofil& pr = qv::profile();
  pr.Uhrentyp = 280;
  pr.Kanalzahl = 16;
  pr.MaxSz = 500;
  pr.KeineZeit = 1535;
  pr.SpeicherGroesse = 8192;
  qv::settings().SwRegel = 1;

  qv::AstroState& a = qv::astro();
  a.AstroAktiv[0] = -1;
  for (int k = 0; k < qv::kAstroChannels; ++k) {
    a.AstroAktiv[k + 1] = -1;
    a.AstroGrenzen[k] = {300, 1320, 1, 0};
    for (int d = 0; d < qv::kAstroDays; ++d) {
      // A rough yearly swing of sunrise and sunset.
      const int swing = (d < 183 ? d : 366 - d);
      a.AstroTab[k][d] = {static_cast<int16_t>(480 - swing), static_cast<int16_t>(990 + swing), 1, 0};
    }
  }

  // 480 switching times over all channels, programs and weekdays, then 20 priority times.
  qv::ProgramState& p = qv::program();
  int n = 0;
  for (int i = 0; i < 480; ++i) {
    const int minute = (i * 37) % 1440;
    const int kanal = i % 16;
    if (i % 5 == 4) {  // dated
      p.Sz[0][n++] = {static_cast<uint8_t>(minute / 16), static_cast<uint8_t>((minute % 16) * 16 + 1 + i % 12), 0,
                      static_cast<uint8_t>(1 + i % 28), static_cast<uint8_t>(kanal), static_cast<uint8_t>(i % 2)};
    } else {
      p.Sz[0][n++] = {static_cast<uint8_t>(128 + minute / 16), static_cast<uint8_t>((minute % 16) * 16 + i % 5), 0,
                      static_cast<uint8_t>(1 + i % 127), static_cast<uint8_t>(kanal),
                      static_cast<uint8_t>((i % 7 == 0 ? 8 : 0) + i % 2)};
    }
  }
  p.AnzSz[0] = static_cast<int16_t>(n);
  for (int i = 0; i < 20; ++i) {
    const int bm = 1 + i % 12, bt = 1 + i, em = bm, et = 28;
    p.Sz[0][n++] = {static_cast<uint8_t>(96 + 2 * bm + bt / 16), static_cast<uint8_t>((bt % 16) * 16 + 1 + i % 4), 0,
                    static_cast<uint8_t>(et), static_cast<uint8_t>(i % 16), static_cast<uint8_t>(em * 16)};
  }
  p.AnzPz[0] = 20;
  p.AnzGesamt[0] = static_cast<int16_t>(n);
}

}  // namespace qv::bench
