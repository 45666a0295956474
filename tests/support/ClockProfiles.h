#pragma once
// The profile the start-up leaves for each clock type whose image the program reads: 240 (with
// four channels), 280 and 309, with the changeover rule and clock language the golden files
// were made with. For tests and the fuzz targets.
#include "model/Zustand.h"

namespace qv::test {

inline void setClockProfile(int typ) {
  Uhrenprofil& p = profile();
  p.Uhrentyp = static_cast<int16_t>(typ);
  p.Geraetefamilie = 0;
  if (typ == 240) p.Kanalzahl = 4, p.Geraetecode = 72, p.MaxSz = 324, p.SpeicherGroesse = 2048;
  if (typ == 280) {
    p.Kanalzahl = 16, p.Geraetecode = 74, p.MaxSz = 500, p.SpeicherGroesse = 8192, p.KeineZeit = 1535;
    p.Bewft = 1;
    for (auto& g : astro().AstroGrenzen) g.GrenzeAuf = 0, g.GrenzeUnter = 1439;
  }
  if (typ == 309) p.Kanalzahl = 2, p.Geraetecode = 80, p.MaxSz = 120, p.SpeicherGroesse = 2048, p.KeineZeit = 1791;
  settings().SwRegel = 1;
  settings().SpracheUhr = 1;
}

}  // namespace qv::test
