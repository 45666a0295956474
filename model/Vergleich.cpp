#include "model/Vergleich.h"

#include "model/Satz.h"
#include "model/Texte.h"

namespace qv {
namespace {

int pulseBits(const TSz& r) { return r.w5 >> 2; }

int compareFamilyZero(const TSz& alt, const TSz& neu) {
  if (alt.w0 != neu.w0 || alt.w1 != neu.w1 || (alt.w3 & 127) != (neu.w3 & 127) || alt.w4 != neu.w4) return 0;
  switch (Sz_Art(alt)) {
    case 0:
    case 1:
      if (pulseBits(alt) != 0) return pulseBits(neu) != 0 ? 3 : 0;
      if (pulseBits(neu) != 0) return 0;
      return (alt.w5 & 1) != (neu.w5 & 1) ? 1 : 2;
    case 2:
      if ((alt.w5 & 0xFE) != (neu.w5 & 0xFE)) return 0;
      return (alt.w5 & 1) != (neu.w5 & 1) ? 1 : 2;
    default: return 2;
  }
}

int compareFamilyOne(const TSz& alt, const TSz& neu) {
  // The low channel bits in w5 belong to the entry: the same time on another channel is another
  // entry. Bit 7 of w3 is not part of a record.
  if (alt.w0 != neu.w0 || alt.w1 != neu.w1 || (alt.w3 & 127) != (neu.w3 & 127) || (alt.w5 & 3) != (neu.w5 & 3))
    return 0;
  if (pulseBits(alt) != pulseBits(neu)) return 3;
  return alt.w4 == neu.w4 ? 2 : 1;
}

const QString* monthTexts(int monat) {
  const Texts& t = texts();
  const QString* names[12] = {&t.S_Januar, &t.S_Februar, &t.S_Maerz,     &t.S_April,   &t.S_Mai,      &t.S_Juni,
                              &t.S_Juli,   &t.S_August,  &t.S_September, &t.S_Oktober, &t.S_November, &t.S_Dezember};
  return (monat >= 1 && monat <= 12) ? names[monat - 1] : nullptr;
}

}  // namespace

int Vergleiche_Sz(const TSz& alt, const TSz& neu) {
  if (Sz_Art(alt) != Sz_Art(neu)) return 0;
  return profile().Geraetefamilie == 1 ? compareFamilyOne(alt, neu) : compareFamilyZero(alt, neu);
}

int IstMonatsname(const QString& text) {
  for (int m = 1; m <= 12; ++m)
    if (text == *monthTexts(m)) return 1;
  return 0;
}

QString Monatsname(int monat) {
  const QString* name = monthTexts(monat);
  return name ? *name : QString();
}

int IstProgrammname(const QString& text) {
  const Texts& t = texts();
  const QString* always[] = {&t.S_ProgP1, &t.S_ProgP2, &t.S_ProgP3, &t.S_ProgP4,
                             &t.S_ProgP5, &t.S_ProgP6, &t.S_ProgP7, &t.S_Permanent};
  for (const QString* name : always)
    if (text == *name) return 1;
  if (profile().Geraetefamilie == 0 && (text == t.S_ProgP8 || text == t.S_ProgP9)) return 1;
  return 0;
}

}  // namespace qv
