#include "calendar/SoWiEingabe.h"

#include <algorithm>

#include "calendar/SoWiTabelle.h"
#include "model/Kalender.h"

namespace qv {

int SwStartjahr(int aktuellesJahr) {
  if (aktuellesJahr < kRegeltagErstesJahr || aktuellesJahr > kRegeltagLetztesJahr) return kSwErstesJahr;
  return std::min(aktuellesJahr, kSwReglerLetztesJahr);
}

std::optional<int> SwJahrTaste(int wert, int ziffer) {
  if (ziffer < 0 || ziffer > 9) return std::nullopt;
  const int neu = wert / 10 * 10 + ziffer;
  if (neu <= kSwErstesJahr || neu >= kSwReglerLetztesJahr) return std::nullopt;
  return neu;
}

int SwTageImMonat(int monat, int jahr) {
  switch (monat) {
    case 2: return jahr % 4 == 0 ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 31;
  }
}

int SwJahrNaechsterEintrag(int gewaehltesJahr) {
  const ProgramState& p = program();
  if (p.AnzSw[0] <= 0) return gewaehltesJahr;
  return SoWi_Jahr(p.AnzSw[0], 0);
}

SwPruefung SwEintrag_pruefen(const TSwEintrag& e, int index) {
  if (SwSchluessel_Von(e) == SwSchluessel_Bis(e)) return {SwPruefung::AnfaEndd, 0};
  const ProgramState& p = program();
  if (p.SwProJahr[0] != 1) return {};
  // The other entry of the same year; an entry is never compared with its own old value.
  const int partner = index ^ 1;
  if (partner < 0 || partner >= p.AnzSw[0] || partner >= kSwEntries) return {};
  const TSwEintrag& i = p.SwTab[0][partner];
  const int von = SwSchluessel_Von(e);
  const int bis = SwSchluessel_Bis(e);
  const int iVon = SwSchluessel_Von(i);
  const int iBis = SwSchluessel_Bis(i);
  if (iVon == von || iVon == bis || iBis == von || iBis == bis) return {SwPruefung::GleiDatum, partner + 1};
  return {};
}

SwAnfuegen SwEintrag_anfuegen(const TSwEintrag& e, int jahr) {
  ProgramState& p = program();
  const int n = std::max<int>(p.AnzSw[0], 0);
  if (n >= kSwEntries) return SwAnfuegen::Voll;
  if (SwJahrNaechsterEintrag(jahr) > kSwLetztesJahr) return SwAnfuegen::JahrZuSpaet;
  p.SwTab[0][n] = e;
  if (n == 0) p.SwKopf[0] = static_cast<int16_t>((jahr - kSwErstesJahr) + 64 * p.SwProJahr[0]);
  p.AnzSw[0] = static_cast<int16_t>(n + 1);
  p.Geaendert = 1;
  return SwAnfuegen::Angefuegt;
}

bool SwJahr_voll() {
  const ProgramState& p = program();
  return p.AnzSw[0] % (p.SwProJahr[0] + 1) == 0;
}

}  // namespace qv
