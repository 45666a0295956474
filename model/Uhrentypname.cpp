#include "model/Uhrentypname.h"

#include "model/Marke.h"
#include "model/Zustand.h"

namespace qv {

QString Uhrentyp_Name() {
  const int kanaele = profile().Kanalzahl;
  const int gruppe = brand().Markengruppe;
  if (gruppe < 1 || gruppe > 6 || kanaele < 1 || kanaele > 4) return {};

  const int code = profile().Geraetecode & 127;
  int slot = 0;
  if (code == 80) {
    slot = 20;
  } else if (code == 72 || code == 73) {
    if (kanaele == 4)
      slot = (program().Programmnummer[0] != kKeineProgrammnummer || settings().MessKanal != 0) ? 19 : 4;
    else
      slot = (code == 72 ? 0 : 9) + kanaele;
  } else {
    return {};
  }
  const QString& name = brand().S_Typ[slot];
  return name == QStringLiteral("entfällt") ? QString() : name;
}

}  // namespace qv
