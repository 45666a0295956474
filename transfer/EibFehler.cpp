#include "transfer/EibFehler.h"

#include "model/Environment.h"
#include "model/Texte.h"
#include "transfer/EibVerbindung.h"

namespace qv {

QString Busfehler_Text(int code, int comPort, const QString& letzterFehler) {
  const Texts& t = texts();
  const QString& rest = t.S_ForDeta;
  switch (code) {
    case 0:
    case eibfehler::Datei: return t.S_unbeFehl + letzterFehler;
    case 101: return t.S_UhrNichtBereit + rest;
    case 102: return t.S_keineAntwUhr + rest;
    case 103: return t.S_FalsTele + rest;
    case 104: return t.S_KeineGueltDaten + rest;
    case 105: return t.S_keineVerbEIB + rest;
    case 106: return t.S_keineVerbTeil + rest;
    case 107: return t.S_keinBusz + QString::number(comPort + 1);
    case 108: return t.S_BaueVerb;
    case 109: return t.S_noMask;
    case 110: return t.S_FalsMask;
    case 111: return t.S_AntwFals;
    case 112: return t.S_SpeiWurde;
    case 113: return t.S_FalsGerae;
    default: return t.S_unbeFehl + QString::number(code) + rest;
  }
}

void Zeige_Busfehler(BusSitzung& s, int code) {
  s.Protokoll_sichern();
  env().message(Busfehler_Text(code, s.EIB_ComPort, s.letzterFehler), Buttons::Ok, Icon::Critical);
}

}  // namespace qv
