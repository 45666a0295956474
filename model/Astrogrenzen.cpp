#include "model/Astrogrenzen.h"

#include "model/Hooks.h"

namespace qv {
namespace {

constexpr int kAufMax = 720;
constexpr int kUnterMin = 721;
constexpr int kUnterMax = 1439;

}  // namespace

TAstroEinst normalisedLimits(TAstroEinst e) {
  // 1440 is no minute of the day: the limit control ends at 23:59, and so does the limit.
  if (e.GrenzeUnter < kUnterMin || e.GrenzeUnter > kUnterMax) e.GrenzeUnter = kUnterMax;
  if (e.GrenzeAuf < 0 || e.GrenzeAuf > kAufMax) e.GrenzeAuf = 0;
  return e;
}

void Setze_Astrogrenzen(int kanal) {
  if (kanal < 0 || kanal >= kAstroChannels) return;
  AstroState& a = astro();
  a.AstroKanal = static_cast<int16_t>(kanal);
  a.AstroGrenzen[kanal] = normalisedLimits(a.AstroGrenzen[kanal]);
  callHook(hooks().Zeige_Astrogrenzen, int{a.AstroGrenzen[kanal].GrenzeAuf},
           int{a.AstroGrenzen[kanal].GrenzeUnter});
}

}  // namespace qv
